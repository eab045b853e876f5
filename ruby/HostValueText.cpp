// Rendering host values as text. Digits come from the standard library's correctly rounded
// conversion to 18 significant digits; the cut to 15, the carry and the layout are ours.
#include "ruby/HostValueText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "platform/Exception.h"
#include "platform/LibraryTexts.h"
#include "platform/Locale.h"

namespace zor {

namespace {

const char DecimalSeparatorAtLoad = EnvironmentDecimalSeparator();

constexpr int Significant = 15;
constexpr int Generated = 18;

char* Copy(char* out, const char* text, size_t count) {
    std::memcpy(out, text, count);
    return out + count;
}

char* Fill(char* out, char c, int count) {
    std::memset(out, c, static_cast<size_t>(count));
    return out + count;
}

}  // namespace

char DecimalSeparator() noexcept { return DecimalSeparatorAtLoad; }

size_t FormatDouble(double value, char separator, char* out) noexcept {
    char* p = out;
    if (std::isnan(value)) return static_cast<size_t>(Copy(p, "NAN", 3) - out);
    if (std::signbit(value) && value != 0) {
        *p++ = '-';
        value = -value;
    }
    if (std::isinf(value)) return static_cast<size_t>(Copy(p, "INF", 3) - out);
    if (value == 0) {
        *p = '0';
        return 1;
    }

    // d.ddddddddddddddddde±x: 18 significant digits, the last rounded to nearest.
    char scientific[40];
    const auto converted = std::to_chars(scientific, scientific + sizeof scientific, value,
                                         std::chars_format::scientific, Generated - 1);
    char digits[Generated];
    digits[0] = scientific[0];
    std::memcpy(digits + 1, scientific + 2, Generated - 1);
    int exponent = 0;
    std::from_chars(scientific + Generated + 2 + (scientific[Generated + 2] == '+'), converted.ptr, exponent);
    // The value is 0.d1d2d3... × 10^E.
    int e = exponent + 1;

    int count = Significant;
    if (digits[Significant] >= '5') {
        int i = Significant - 1;
        while (i >= 0 && digits[i] == '9') --i;
        if (i < 0) {
            digits[0] = '1';
            count = 1;
            ++e;
        } else {
            ++digits[i];
            count = i + 1;
        }
    }
    while (count > 1 && digits[count - 1] == '0') --count;

    if (e > Significant || e < -3) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = separator;
            p = Copy(p, digits + 1, static_cast<size_t>(count - 1));
        }
        *p++ = 'E';
        p = std::to_chars(p, p + 8, e - 1).ptr;
    } else if (e >= 1) {
        if (count <= e) {
            p = Copy(p, digits, static_cast<size_t>(count));
            p = Fill(p, '0', e - count);
        } else {
            p = Copy(p, digits, static_cast<size_t>(e));
            *p++ = separator;
            p = Copy(p, digits + e, static_cast<size_t>(count - e));
        }
    } else {
        *p++ = '0';
        *p++ = separator;
        p = Fill(p, '0', -e);
        p = Copy(p, digits, static_cast<size_t>(count));
    }
    return static_cast<size_t>(p - out);
}

std::string DoubleToText(double value, char separator) {
    char text[DoubleTextCapacity];
    return std::string(text, FormatDouble(value, separator, text));
}

std::string HostValueToText(const HostValue& value) {
    switch (value.Kind()) {
        case HostValueKind::Empty: return {};
        case HostValueKind::Integer: {
            char text[16];
            return std::string(text, std::to_chars(text, text + sizeof text, value.AsInteger()).ptr);
        }
        case HostValueKind::Double: return DoubleToText(value.AsDouble(), DecimalSeparator());
        case HostValueKind::Text: return value.AsText();
        case HostValueKind::Boolean: return value.AsBoolean() ? "True" : "False";
        case HostValueKind::Array: break;
    }
    throw Exception(texts::VariantTypeCouldNotConvert("Array Variant", "String"));
}

namespace {

// A decimal number in the locale's form: blanks around it, a sign, digits with the decimal
// separator, an exponent. False when the text is anything else.
bool ReadNumber(std::string_view text, double& number) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 400) return false;
    if (!(text.front() >= '0' && text.front() <= '9') && text.front() != DecimalSeparator()) return false;
    char plain[400];
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit = c >= '0' && c <= '9';
        if (c == DecimalSeparator())
            plain[i] = '.';
        else if (digit || c == 'e' || c == 'E' || c == '+' || c == '-')
            plain[i] = c;
        else
            return false;
    }
    const auto read = std::from_chars(plain, plain + text.size(), number, std::chars_format::general);
    if (read.ec != std::errc() || read.ptr != plain + text.size()) return false;
    if (negative) number = -number;
    return true;
}

}  // namespace

bool HostValueEqualsInteger(const HostValue& value, int32_t n) {
    switch (value.Kind()) {
        case HostValueKind::Empty: return n == 0;
        case HostValueKind::Integer: return value.AsInteger() == n;
        case HostValueKind::Double: return value.AsDouble() == static_cast<double>(n);
        case HostValueKind::Boolean: return (value.AsBoolean() ? -1 : 0) == n;
        case HostValueKind::Text: {
            double number = 0;
            if (!ReadNumber(value.AsText(), number))
                throw Exception(texts::VariantTypeCouldNotConvert("String", "Double"));
            return number == static_cast<double>(n);
        }
        case HostValueKind::Array: break;
    }
    throw Exception(texts::InvalidVariantOperation);
}

}  // namespace zor
