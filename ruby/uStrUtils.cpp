// Small text helpers of the interpreter bridge.
#include "ruby/uStrUtils.h"

namespace zor {

std::string StripCR(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != '\r') result.push_back(c);
    return result;
}

}  // namespace zor
