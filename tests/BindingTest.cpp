// The value routines, the data items, and both directions of the interpreter boundary.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/Exception.h"
#include "ruby/Protect.h"
#include "ruby/RubyEval.h"
#include "ruby/RubyWrapper.h"
#include "ruby/uStrUtils.h"
#include "tests/TestSupport.h"

using namespace zor;
using zortest::Eval;
using zortest::RaisedMessage;
using namespace std::string_literals;

namespace {

constexpr bool Narrow = sizeof(VALUE) == 4;

TEST(ValueRoutines, TypeCodesOfImmediatesAndObjects) {
    struct Case {
        VALUE value;
        int type;
        const char* what;
    };
    const Case cases[] = {
        {Qfalse, T_FALSE, "false"},
        {Qtrue, T_TRUE, "true"},
        {Qnil, T_NIL, "nil"},
        {Qundef, T_UNDEF, "undef"},
        {INT2FIX(0), T_FIXNUM, "0"},
        {INT2FIX(-1), T_FIXNUM, "-1"},
        {Eval(":sym"), T_SYMBOL, "static symbol"},
        {Eval("\"dyn#{1}\".to_sym"), T_SYMBOL, "dynamic symbol"},
        {Eval("1.5"), T_FLOAT, "float"},
        {Eval("1e-320"), T_FLOAT, "denormal float, boxed on every build"},
        {Eval("'x'"), T_STRING, "string"},
        {Eval("[1]"), T_ARRAY, "array"},
        {Eval("2**70"), T_BIGNUM, "bignum"},
        {Eval("Object.new"), T_OBJECT, "object"},
        {Eval("Time.now"), T_DATA, "time"},
        {Eval("{}"), T_HASH, "hash"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.type, ValueType(c.value)) << c.what;
    EXPECT_EQ(Narrow ? T_BIGNUM : T_FIXNUM, ValueType(Eval("2**30")));
}

TEST(ValueRoutines, ExactWordPatternsOfTheNarrowBuild) {
    if (!Narrow) GTEST_SKIP() << "the value word is " << 8 * sizeof(VALUE) << " bits wide here";
    const std::pair<VALUE, int> types[] = {{0, T_FALSE},     {2, T_TRUE},   {4, T_NIL},
                                           {6, T_UNDEF},     {1, T_FIXNUM}, {0xFFFFFFFF, T_FIXNUM},
                                           {0x10E, T_SYMBOL}};
    for (const auto& [word, type] : types) EXPECT_EQ(type, ValueType(word)) << std::hex << word;
    EXPECT_TRUE(IsSymbol(0x10E));
    EXPECT_FALSE(IsFixnum(0x10E));
}

TEST(ValueRoutines, FixnumEncoding) {
    EXPECT_EQ(VALUE{1}, IntToFixnum(0));
    EXPECT_EQ(VALUE{0x1FF}, IntToFixnum(255));
    EXPECT_EQ(VALUE{0x83}, ByteToFixnum(0x141));
    EXPECT_EQ(IntToFixnum(65), ByteToFixnum(0x141));
    EXPECT_EQ(0, FixnumToInt(1));
    EXPECT_EQ(-1, FixnumToInt(~VALUE{0}));
    EXPECT_EQ((1L << 30) - 1, FixnumToInt(0x7FFFFFFF));
    EXPECT_TRUE(IsFixnum(IntToFixnum(-5)));
    EXPECT_FALSE(IsFixnum(Qnil));
}

TEST(ValueRoutines, NumberConversions) {
    EXPECT_EQ(2147483647L, NumToInt(Eval("2**31 - 1")));
    EXPECT_EQ(-2147483648L, NumToInt(Eval("-2**31")));
    EXPECT_EQ(3.0, NumToDouble(IntToFixnum(3)));
    EXPECT_EQ(2.5, NumToDouble(Eval("2.5")));

    const VALUE big = Eval("2**31");
    long converted = 0;
    auto toLong = [big, &converted]() noexcept {
        converted = NumToInt(big);
        return Qnil;
    };
    const int state = Protect(toLong);
    if (Narrow) {
        EXPECT_NE(0, state);
        EXPECT_EQ("bignum too big to convert into `long'", TakePendingErrorText());
    } else {
        EXPECT_EQ(0, state);
        EXPECT_EQ(2147483648L, converted);
    }
}

TEST(ValueRoutines, StringAndArrayContents) {
    const VALUE text = Eval("\"ab\\0cd\"");
    ASSERT_EQ(5, StringLength(text));
    EXPECT_EQ("ab\0cd"s, std::string(StringBytes(text), 5));

    const VALUE array = Eval("[7, nil, 'z']");
    ASSERT_EQ(3, ArrayLength(array));
    EXPECT_EQ(INT2FIX(7), ArrayElements(array)[0]);
    EXPECT_EQ(Qnil, ArrayElements(array)[1]);
    EXPECT_EQ(T_STRING, ValueType(ArrayElements(array)[2]));
}

TEST(ValueRoutines, CheckValueTypeRaisesTheInterpretersTypeError) {
    const VALUE number = IntToFixnum(1);
    auto check = [number]() noexcept {
        CheckValueType(number, T_STRING);
        return Qnil;
    };
    EXPECT_NE(0, Protect(check));
    EXPECT_EQ("wrong argument type Integer (expected String)", TakePendingErrorText());
    const VALUE text = Eval("'s'");
    auto fine = [text]() noexcept {
        CheckValueType(text, T_STRING);
        return Qtrue;
    };
    VALUE result = Qnil;
    EXPECT_EQ(0, Protect(fine, result));
    EXPECT_EQ(Qtrue, result);
}

TEST(DataItems, AreReadAndWrittenByTheirExportedNames) {
    EXPECT_EQ(rb_cIO, ReadDataItem("rb_cIO"));
    EXPECT_EQ(ConsoleObjectValue(), ReadDataItem("rb_stdout"));

    // A new standard output is seen by the very next write of the interpreter.
    const VALUE sink = Eval("require 'stringio'; $zor_sink = StringIO.new");
    WriteDataItem("rb_stdout", sink);
    Eval("print 'seen'");
    WriteDataItem("rb_stdout", ConsoleObjectValue());
    const VALUE written = rb_funcall(sink, rb_intern("string"), 0);
    EXPECT_EQ("seen", std::string(RSTRING_PTR(written), static_cast<size_t>(RSTRING_LEN(written))));
}

TEST(DataItems, AMissingItemIsAnErrorNamingIt) {
    EXPECT_THROW_MSG(DataItemAddress("rb_no_such_item"), Exception,
                     "The Ruby interpreter library exports no data item named \"rb_no_such_item\"");
}

TEST(TextHelpers, StripCRAndTheArgumentError) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\nb"}, {"\r\r\r", ""}, {"plain", "plain"}, {"", ""}, {"\rx\0\r"s, "x\0"s}};
    for (const auto& [in, out] : cases) EXPECT_EQ(out, StripCR(in));
    EXPECT_THROW_MSG(RaiseArgumentError("wrong argument type"), Exception, "wrong argument type");
    EXPECT_THROW_MSG(RaiseArgumentError("two\r\nlines"), Exception, "two\nlines");
}

TEST(Boundary, AnErrorRaisedUnderProtectionBecomesAStatusAndItsText) {
    auto raise = []() noexcept -> VALUE { rb_raise(rb_eArgError, "boom %d", 7); };
    EXPECT_NE(0, Protect(raise));
    EXPECT_EQ("boom 7", TakePendingErrorText());
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(Boundary, AnErrorWhoseTextCannotBeMadeIsReportedByItsClassName) {
    Eval("class ZorUnprintable < StandardError; def to_s; raise 'not again'; end; end");
    const VALUE error = Eval("ZorUnprintable.new");
    auto raise = [error]() noexcept -> VALUE { rb_exc_raise(error); };
    EXPECT_NE(0, Protect(raise));
    EXPECT_EQ("ZorUnprintable", TakePendingErrorText());
    EXPECT_EQ(Qnil, rb_errinfo());
}

VALUE ThrowingCallback(VALUE, VALUE kind) {
    const bool outOfMemory = RTEST(kind);
    const GuardResult guard = Guard([outOfMemory] {
        if (outOfMemory) throw std::bad_alloc();
        throw std::runtime_error("lost");
    });
    if (guard != GuardResult::Completed) RaiseGuardFailure(guard);
    return Qnil;
}

TEST(Boundary, ACppExceptionInACallbackReachesRubyAsAnError) {
    rb_define_global_function("zor_throwing_callback", ThrowingCallback, 1);
    EXPECT_EQ("failed to allocate memory", RaisedMessage("zor_throwing_callback(true)"));
    EXPECT_EQ("internal error in the plug-in", RaisedMessage("zor_throwing_callback(false)"));
    EXPECT_EQ("rescued", RaisedMessage("begin; zor_throwing_callback(false); rescue; raise 'rescued'; end"));
    EXPECT_EQ(INT2FIX(2), Eval("1+1"));
}

}  // namespace
