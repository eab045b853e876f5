// The decimal separator is the one of the locale that the environment selected at load.
// Run once per locale; ZOR_EXPECTED_SEPARATOR names the separator that locale must give.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ruby/HostValue.h"
#include "ruby/HostValueText.h"

namespace {

TEST(Locale, NumbersUseTheEnvironmentsDecimalSeparator) {
    const char* expected = std::getenv("ZOR_EXPECTED_SEPARATOR");
    ASSERT_NE(nullptr, expected);
    ASSERT_EQ(1u, std::strlen(expected));
    const char separator = expected[0];
    EXPECT_EQ(separator, zor::DecimalSeparator());
    EXPECT_EQ(std::string("2") + separator + "5", zor::HostValueToText(zor::HostValue::Double(2.5)));
    EXPECT_EQ(std::string("1") + separator + "5E-7", zor::HostValueToText(zor::HostValue::Double(1.5e-7)));
    EXPECT_EQ("1234", zor::HostValueToText(zor::HostValue::Integer(1234)));
    EXPECT_EQ("True", zor::HostValueToText(zor::HostValue::Boolean(true)));
    EXPECT_TRUE(zor::HostValueEqualsInteger(zor::HostValue::Text(std::string("2") + separator + "0"), 2));
}

}  // namespace
