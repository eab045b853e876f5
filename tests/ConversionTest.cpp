// Interpreter values → HostValue, at the top level and as array elements.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Exception.h"
#include "ruby/RubyEval.h"
#include "ruby/uConv.h"
#include "tests/TestSupport.h"

using namespace zor;
using namespace std::string_literals;

namespace {

constexpr bool Narrow = sizeof(VALUE) == 4;

HostValue Elements(std::vector<HostValue> elements) {
    HostValue array = HostValue::Array(elements.size());
    array.Elements() = std::move(elements);
    return array;
}

HostValue Convert(const char* source) {
    HostValue result = HostValue::Text("untouched");
    ValueToHostValue(zortest::Eval(source), result);
    return result;
}

struct Converts {
    const char* source;
    HostValue expected;
};

const std::vector<Converts>& ConvertingCases() {
    static const std::vector<Converts> cases = {
        {"nil", HostValue()},
        {"42", HostValue::Integer(42)},
        {"-7", HostValue::Integer(-7)},
        {"2**30", HostValue::Integer(1073741824)},
        {"2**31 - 1", HostValue::Integer(2147483647)},
        {"-2**31", HostValue::Integer(-2147483647 - 1)},
        {"1.5", HostValue::Double(1.5)},
        {"3.0", HostValue::Double(3.0)},
        {"1e-320", HostValue::Double(1e-320)},
        {"'abc'", HostValue::Text("abc")},
        {"''", HostValue::Text("")},
        {"'a' + 0.chr + 'b'", HostValue::Text("a\0b"s)},
        {"\"\\u00e9\"", HostValue::Text("\xC3\xA9")},
        {"true", HostValue::Boolean(true)},
        {"false", HostValue::Boolean(false)},
        {"[]", HostValue::Array(0)},
        {"[1, 'x', nil, true, 2.5, 2**30]",
         Elements({HostValue::Integer(1), HostValue::Text("x"), HostValue(), HostValue::Boolean(true),
                   HostValue::Double(2.5), HostValue::Integer(1073741824)})},
        {"[false, -2**31, '']",
         Elements({HostValue::Boolean(false), HostValue::Integer(-2147483647 - 1), HostValue::Text("")})},
        {":a", HostValue()},
        {"Object.new", HostValue()},
        {"{}", HostValue()},
        {"1..2", HostValue()},
        {"String", HostValue()},
        {"Kernel", HostValue()},
        {"/re/", HostValue()},
        {"Struct.new(:a).new(1)", HostValue()},
    };
    return cases;
}

struct Fails {
    const char* source;
    std::string message;
};

const std::vector<Fails>& FailingCases() {
    static const std::vector<Fails> cases = {
        {"[[1]]", "wrong argument type"},
        {"[:a]", "wrong argument type"},
        {"[{}]", "wrong argument type"},
        {"Time.now", "wrong argument type"},
        {"$stdout", "wrong argument type"},
        {"lambda { }", "wrong argument type"},
        {"method(:puts)", "wrong argument type"},
        {"[Time.now]", "wrong argument type"},
        // The interpreter's own range error for a conversion to a 32-bit integer.
        {"2**31",
         Narrow ? "bignum too big to convert into `long'" : "integer 2147483648 too big to convert to `int'"},
        {"-2**31 - 1", Narrow ? "bignum too big to convert into `long'"
                              : "integer -2147483649 too small to convert to `int'"},
        {"2**64", "bignum too big to convert into `long'"},
        {"[1, 2**40]", Narrow ? "bignum too big to convert into `long'"
                              : "integer 1099511627776 too big to convert to `int'"},
    };
    return cases;
}

void ExpectTheTables() {
    for (const auto& c : ConvertingCases()) EXPECT_EQ(c.expected, Convert(c.source)) << c.source;
    for (const auto& c : FailingCases()) EXPECT_THROW_MSG(Convert(c.source), Exception, c.message);
}

TEST(Conversion, TopLevelAndElementTables) { ExpectTheTables(); }

// Collections at every allocation must not disturb a conversion or the containment of the
// interpreter's range error.
TEST(Conversion, TablesHoldWithTheCollectorUnderStress) {
    zortest::Eval("GC.stress = true");
    ExpectTheTables();
    zortest::Eval("GC.stress = false");
}

TEST(Conversion, AFailingElementLeavesTheEarlierOnesConverted) {
    HostValue result;
    EXPECT_THROW_MSG(ValueToHostValue(zortest::Eval("[1, Object.new, 3]"), result), Exception,
                     "wrong argument type");
    EXPECT_EQ(Elements({HostValue::Integer(1), HostValue(), HostValue()}), result);

    HostValue kept = HostValue::Integer(9);
    EXPECT_THROW(ValueToHostValue(zortest::Eval("Time.now"), kept), Exception);
    EXPECT_EQ(HostValue::Integer(9), kept);
}

TEST(Conversion, NoInterpreterErrorIsLeftPendingByARangeFailure) {
    EXPECT_THROW(Convert("2**64"), Exception);
    EXPECT_EQ(Qnil, rb_errinfo());
    EXPECT_EQ(HostValue::Integer(2), Convert("1+1"));
}

TEST(Conversion, StringValueToTextKeepsZeroBytes) {
    EXPECT_EQ("ab\0de"s, StringValueToText(zortest::Eval("\"ab\\0de\"")));
    EXPECT_EQ("", StringValueToText(zortest::Eval("''")));
}

}  // namespace
