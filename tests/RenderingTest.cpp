// The text form of host values, and the self-test's comparison with an integer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "ruby/HostValueText.h"
#include "ruby/RubyEval.h"
#include "tests/TestSupport.h"

using namespace zor;

// The class library's texts are in the system's code page.
#if defined(_WIN32)
#define U_UMLAUT "\xFC"
#else
#define U_UMLAUT "\xC3\xBC"
#endif
using namespace std::string_literals;

namespace {

struct DoubleCase {
    double value;
    const char* text;  // with "." as the separator
};

const std::vector<DoubleCase>& DoubleCases() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    static const std::vector<DoubleCase> cases = {
        {2.5, "2.5"},
        {2.0, "2"},
        {-2.0, "-2"},
        {100.0, "100"},
        {1234.5678, "1234.5678"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-2.0 / 3, "-0.666666666666667"},
        {3.14159265358979, "3.14159265358979"},
        {0.001, "0.001"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"},
        {-1.5e-7, "-1.5E-7"},
        {1e14, "100000000000000"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},
        {100000000000000.5, "100000000000001"},
        {0.000099999999999999999, "0.0001"},
        {9.9999999999999995e-5, "0.0001"},
        {1e100, "1E100"},
        {12345678901234567890.0, "1.23456789012346E19"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {0.0, "0"},
        {-0.0, "0"},
        {inf, "INF"},
        {-inf, "-INF"},
        {std::nan(""), "NAN"},
        {-std::nan(""), "NAN"},
    };
    return cases;
}

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

TEST(DoubleText, GeneralFormWithEitherSeparator) {
    for (const char separator : {'.', ','}) {
        for (const auto& c : DoubleCases())
            EXPECT_EQ(WithSeparator(c.text, separator), DoubleToText(c.value, separator))
                << "value " << c.value << " with '" << separator << "'";
    }
}

TEST(HostValueText, EveryKindHasItsText) {
    const std::pair<HostValue, std::string> cases[] = {
        {HostValue(), ""},
        {HostValue::Integer(0), "0"},
        {HostValue::Integer(42), "42"},
        {HostValue::Integer(1234), "1234"},
        {HostValue::Integer(-2147483647 - 1), "-2147483648"},
        {HostValue::Double(2.5), "2.5"},
        {HostValue::Text("two\r\nlines \xC3\xBC"), "two\r\nlines \xC3\xBC"},
        {HostValue::Text("a\0b"s), "a\0b"s},
        {HostValue::Text(""), ""},
        {HostValue::Boolean(true), "True"},
        {HostValue::Boolean(false), "False"},
    };
    ASSERT_EQ('.', DecimalSeparator()) << "this suite runs in the C locale";
    for (const auto& [value, text] : cases) EXPECT_EQ(text, HostValueToText(value));
}

TEST(HostValueText, AnArrayHasNoText) {
    HostValue filled = HostValue::Array(2);
    filled.Elements()[0] = HostValue::Integer(1);
    for (const HostValue& array : {HostValue::Array(0), filled})
        EXPECT_THROW_MSG(HostValueToText(array), Exception,
                         "Variante des Typs (Array Variant) konnte nicht in Typ (String) konvertiert werden");
}

TEST(HostValueText, EqualityWithAnInteger) {
    const std::pair<HostValue, bool> cases[] = {
        {HostValue::Integer(2), true},      {HostValue::Integer(3), false},
        {HostValue::Double(2.0), true},     {HostValue::Double(2.0000000001), false},
        {HostValue::Text("2"), true},       {HostValue::Text("2.0"), true},
        {HostValue::Text(" +2 "), true},    {HostValue::Text("0.2e1"), true},
        {HostValue::Text("3"), false},      {HostValue::Boolean(true), false},
        {HostValue::Boolean(false), false}, {HostValue(), false},
    };
    for (const auto& [value, equal] : cases) {
        SCOPED_TRACE(testing::PrintToString(value));
        EXPECT_EQ(equal, HostValueEqualsInteger(value, 2));
    }
    EXPECT_TRUE(HostValueEqualsInteger(HostValue::Boolean(true), -1));
    EXPECT_TRUE(HostValueEqualsInteger(HostValue(), 0));

    for (const char* text : {"", "two", "2,0", "2x", "0x2", "inf", "--2"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW_MSG(HostValueEqualsInteger(HostValue::Text(text), 2), Exception,
                         "Variante des Typs (String) konnte nicht in Typ (Double) konvertiert werden");
    }
    EXPECT_THROW_MSG(HostValueEqualsInteger(HostValue::Array(0), 2), Exception,
                     "Ung" U_UMLAUT "ltige Variant-Operation");
}

TEST(HostValueText, ResultsOfTheInterpreterRender) {
    TRubyEval evaluator;
    const std::pair<const char*, const char*> cases[] = {
        {"1/3.0", "0.333333333333333"},
        {"2/3.0", "0.666666666666667"},
        {"0.1+0.2", "0.3"},
        {"10**15 + 0.0", "1E15"},
        {"nil", ""},
        {"1 == 1", "True"},
    };
    for (const auto& [source, text] : cases) {
        HostValue result;
        evaluator.Evaluate(source, result);
        EXPECT_EQ(text, HostValueToText(result)) << source;
    }
}

}  // namespace
