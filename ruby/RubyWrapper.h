// The binding to the interpreter's C interface: its value word, the routines that read
// values, and access to the data items the interpreter library exports.
#pragma once

#include <ruby.h>

#include <string_view>

namespace zor {

// Each routine behaves like the ruby.h macro named beside it, at the width of the build.

inline bool IsFixnum(VALUE v) { return RB_FIXNUM_P(v); }    // FIXNUM_P
inline VALUE IntToFixnum(long n) { return RB_INT2FIX(n); }  // INT2FIX
inline VALUE ByteToFixnum(VALUE word) { return RB_INT2FIX(static_cast<long>(word & 0xFF)); }
inline long FixnumToInt(VALUE v) { return RB_FIX2LONG(v); }             // FIX2LONG
inline bool IsSymbol(VALUE v) { return RB_SYMBOL_P(v); }                // SYMBOL_P
inline int ValueType(VALUE v) { return static_cast<int>(rb_type(v)); }  // TYPE

// These three may raise interpreter errors: call them only under the interpreter's protection.
inline void CheckValueType(VALUE v, int code) {
    Check_Type(v, static_cast<ruby_value_type>(code));
}  // Check_Type
inline long NumToInt(VALUE v) { return RB_NUM2LONG(v); }      // NUM2LONG
inline double NumToDouble(VALUE v) { return rb_num2dbl(v); }  // NUM2DBL

// Read without a type check: pass only values whose type is established.
inline long StringLength(VALUE v) { return RSTRING_LEN(v); }
inline const char* StringBytes(VALUE v) { return RSTRING_PTR(v); }
inline long ArrayLength(VALUE v) { return RARRAY_LEN(v); }
// The element pointer as the array holds it now. It is read without moving the elements to
// the malloc heap, which could allocate and raise; it stays valid until the next collection.
inline const VALUE* ArrayElements(VALUE v) { return RARRAY_CONST_PTR_TRANSIENT(v); }

// The address of an exported VALUE variable of the interpreter library, looked up anew on
// every call. Throws Exception naming the item when the library or the item is missing.
VALUE* DataItemAddress(const char* name);
inline VALUE ReadDataItem(const char* name) { return *DataItemAddress(name); }
inline void WriteDataItem(const char* name, VALUE value) { *DataItemAddress(name) = value; }

// Ends a failed conversion: throws Exception with the message, every CR removed.
[[noreturn]] void RaiseArgumentError(std::string_view message);

}  // namespace zor
