// Small text helpers of the interpreter bridge.
#pragma once

#include <string>
#include <string_view>

namespace zor {

// The text with every CR byte removed; all other bytes keep their order.
std::string StripCR(std::string_view text);

}  // namespace zor
