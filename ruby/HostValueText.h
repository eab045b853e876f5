// The one text form of every host value, and the self-test's comparison with an integer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ruby/HostValue.h"

namespace zor {

// The decimal separator of number texts, taken from the environment's locale once, when the
// library is loaded.
char DecimalSeparator() noexcept;

// Room enough for the text of any double.
inline constexpr size_t DoubleTextCapacity = 32;

// Writes the general form of `value` (15 significant digits, fixed between 0.0001 and 10^15,
// scientific outside) into `out` and answers its length.
size_t FormatDouble(double value, char separator, char* out) noexcept;
std::string DoubleToText(double value, char separator);

// Throws Exception for an array, which has no text.
std::string HostValueToText(const HostValue& value);

// Whether the value counts as equal to n; throws Exception for an array and for a text that
// is no number.
bool HostValueEqualsInteger(const HostValue& value, int32_t n);

}  // namespace zor
