// HostValue construction and its diagnostic form.
#include "ruby/HostValue.h"

#include <ostream>

namespace zor {

HostValue HostValue::Array(size_t count) {
    return HostValue(Payload(std::in_place_index<5>, std::vector<HostValue>(count)));
}

void PrintTo(const HostValue& value, std::ostream* out) {
    switch (value.Kind()) {
        case HostValueKind::Empty: *out << "Empty"; break;
        case HostValueKind::Integer: *out << "Integer " << value.AsInteger(); break;
        case HostValueKind::Double: *out << "Double " << value.AsDouble(); break;
        case HostValueKind::Boolean: *out << "Boolean " << (value.AsBoolean() ? "true" : "false"); break;
        case HostValueKind::Text:
            *out << "Text \"";
            for (unsigned char c : value.AsText()) {
                if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"')
                    *out << c;
                else
                    *out << "\\x"
                         << "0123456789abcdef"[c >> 4] << "0123456789abcdef"[c & 15];
            }
            *out << '"';
            break;
        case HostValueKind::Array:
            *out << "Array [";
            for (size_t i = 0; i < value.Elements().size(); ++i) {
                if (i) *out << ", ";
                PrintTo(value.Elements()[i], out);
            }
            *out << ']';
            break;
    }
}

}  // namespace zor
