// Interpreter value → HostValue. Only Bignums and Fixnums beyond 32 bits need the interpreter,
// and that one call runs under its protection so that its range error becomes an Exception.
#include "ruby/uConv.h"

#include <cstdint>
#include <new>

#include "platform/Exception.h"
#include "platform/LibraryTexts.h"
#include "ruby/Protect.h"
#include "ruby/RubyWrapper.h"

namespace zor {

namespace {

constexpr const char* WrongArgumentType = "wrong argument type";

// The integer as a 32-bit signed value, or the interpreter's own range error as an Exception.
int32_t IntegerOf(VALUE value) {
    if (IsFixnum(value)) {
        const long n = FixnumToInt(value);
        if (n >= INT32_MIN && n <= INT32_MAX) return static_cast<int32_t>(n);
    }
    int converted = 0;
    auto toInt = [value, &converted]() noexcept {
        converted = RB_NUM2INT(value);
        return Qnil;
    };
    if (Protect(toInt) != 0) throw Exception(TakePendingErrorText());
    return converted;
}

// The element table; `top` selects the top-level rules, where unhandled types are Empty.
HostValue ScalarOf(VALUE value, int type, bool top) {
    switch (type) {
        case T_NIL: return HostValue();
        case T_FLOAT: return HostValue::Double(NumToDouble(value));
        case T_STRING: return HostValue::Text(StringValueToText(value));
        case T_FIXNUM:
        case T_BIGNUM: return HostValue::Integer(IntegerOf(value));
        case T_TRUE: return HostValue::Boolean(true);
        case T_FALSE: return HostValue::Boolean(false);
        case T_DATA: RaiseArgumentError(WrongArgumentType);
        default:
            if (!top) RaiseArgumentError(WrongArgumentType);
            return HostValue();
    }
}

void ArrayToHostValue(VALUE value, HostValue& result) {
    const long count = ArrayLength(value);
    const VALUE* elements = ArrayElements(value);
    try {
        result = HostValue::Array(static_cast<size_t>(count));
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(texts::VariantArrayCreate);
    }
    auto& slots = result.Elements();
    for (long i = 0; i < count; ++i) {
        const VALUE element = elements[i];
        slots[static_cast<size_t>(i)] = ScalarOf(element, ValueType(element), false);
    }
}

}  // namespace

std::string StringValueToText(VALUE value) {
    // Callers pass Strings only; checking here keeps a wrong caller from reading garbage.
    if (ValueType(value) != T_STRING) RaiseArgumentError(WrongArgumentType);
    return std::string(StringBytes(value), static_cast<size_t>(StringLength(value)));
}

void ValueToHostValue(VALUE value, HostValue& result) {
    try {
        const int type = ValueType(value);
        if (type == T_ARRAY)
            ArrayToHostValue(value, result);
        else
            result = ScalarOf(value, type, true);
    } catch (const Exception&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(texts::OutOfMemory);
    }
    RB_GC_GUARD(value);
}

}  // namespace zor
