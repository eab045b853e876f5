// The command-number reader against a small reference of its grammar: blanks, one sign,
// decimal digits or hexadecimal ones after "$", "x", "X", "0x" or "0X", within 32 bits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "plugin/Commands.h"

namespace {

bool Reference(const std::string& text, int32_t& number) {
    std::string rest = text;
    rest.erase(0,
               rest.find_first_not_of(' ') == std::string::npos ? rest.size() : rest.find_first_not_of(' '));
    bool negative = false;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        negative = rest[0] == '-';
        rest.erase(0, 1);
    }
    int base = 10;
    for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
        if (rest.rfind(prefix, 0) == 0) {
            base = 16;
            rest.erase(0, std::string(prefix).size());
            break;
        }
    }
    if (rest.empty()) return false;
    const std::string digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (rest.find_first_not_of(digits) != std::string::npos) return false;
    const unsigned long long value = std::stoull(rest, nullptr, base);  // throws beyond 64 bits
    if (base == 16 ? value > 0xFFFFFFFFull : value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
    const uint32_t bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(value) : value);
    number = static_cast<int32_t>(bits);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    int32_t got = 0, expected = 0;
    bool referenceOk = false;
    try {
        referenceOk = Reference(text, expected);
    } catch (const std::out_of_range&) {
        referenceOk = false;
    }
    const bool ok = zor::ReadCommandNumber(text, got);
    if (ok != referenceOk || (ok && got != expected)) std::abort();
    return 0;
}
