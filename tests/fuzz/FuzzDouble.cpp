// The floating-point renderer on random bit patterns: the specials exactly, and for every
// finite value a text that reads back to within the rounding of 15 significant digits and
// renders again to itself.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ruby/HostValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const char separator = data[8] & 1 ? ',' : '.';
    const std::string text = zor::DoubleToText(value, separator);
    if (text.size() >= zor::DoubleTextCapacity) std::abort();
    if (std::isnan(value)) {
        if (text != "NAN") std::abort();
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value < 0 ? "-INF" : "INF")) std::abort();
        return 0;
    }
    std::string plain = text;
    for (char& c : plain)
        if (c == separator) c = '.';
    if (plain.find_first_not_of("0123456789.E-") != std::string::npos) std::abort();
    for (char& c : plain)
        if (c == 'E') c = 'e';
    char* end = nullptr;
    const double back = std::strtod(plain.c_str(), &end);
    if (*end != '\0') std::abort();
    // Near the largest double, rounding to 15 digits goes past it: the text then reads back as
    // an overflow, which is right.
    if (std::isinf(back)) {
        if (std::fabs(value) < 1.7976931348623e308) std::abort();
        return 0;
    }
    // 15 significant digits: a relative error below 1e-14 (and a little for subnormals).
    if (std::fabs(back - value) > std::fabs(value) * 1e-14 + 5e-324) std::abort();
    if (zor::DoubleToText(back, separator) != text) std::abort();
    return 0;
}
