// Conversion of interpreter values into host values.
#pragma once

#include <ruby.h>

#include <string>

#include "ruby/HostValue.h"

namespace zor {

// Converts the result of a completed evaluation. Runs outside the interpreter's protection
// and throws Exception for any value it cannot represent; no interpreter error escapes.
void ValueToHostValue(VALUE value, HostValue& result);

// The bytes of an interpreter String, zero bytes included.
std::string StringValueToText(VALUE value);

}  // namespace zor
