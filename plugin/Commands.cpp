// The command list in its two forms, and the reading of command numbers.
#include "plugin/Commands.h"

#include <limits>

#include "platform/LibraryTexts.h"
#include "plugin/Catalogue.h"
#include "ruby/Actions.h"

namespace zor {

bool IsLispForm(const std::string& form) {
    if (form.size() != 4) return false;
    const char* lisp = "LISP";
    for (size_t i = 0; i < 4; ++i) {
        const char c = form[i] >= 'a' && form[i] <= 'z' ? static_cast<char>(form[i] - 'a' + 'A') : form[i];
        if (c != lisp[i]) return false;
    }
    return true;
}

std::string CommandList(bool lisp) {
    const TActionCatalogue& catalogue = ActionCatalogue();
    std::string text = lisp ? "(list " : "";
    for (int id = 1; id <= 3; ++id) {
        const std::string number = std::to_string(id);
        const std::string count = std::to_string(catalogue.ParamCounts[id]);
        if (lisp)
            text += "(list \"" + catalogue.ActionNames[id] + "\"  \"" + number + "\" " + count + ")";
        else
            text += catalogue.ActionNames[id] + "|" + number + "|" + count + "\r\n";
    }
    if (lisp) text += ")";
    return text;
}

bool ReadCommandNumber(const std::string& text, int32_t& number) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    // Decimal numbers must fit the signed range; hexadecimal ones the 32 bits, read as signed.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        value = value * base + digit;
        if (value > limit) return false;
    }
    const uint32_t bits = static_cast<uint32_t>(negative ? (~value + 1) : value);
    number = static_cast<int32_t>(bits);
    return true;
}

std::string NotAnIntegerMessage(const std::string& text) { return texts::NotAValidInteger(text); }

bool RunCommand(int32_t number, const std::string& a3, const std::string& a4, const std::string& a5,
                const std::string& a6) {
    switch (number) {
        case 1: return zorRubyConnect(a3);
        case 2: return zorRubyEval(a3, a4, a5);
        case 3: return zorRubySketchupCall(a3, a4, a5, a6);
        default: return false;
    }
}

}  // namespace zor
