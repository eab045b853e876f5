// The split, join and assignment rules of TStringList.
#include "platform/StringList.h"

namespace zor {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

bool EndsLine(char c) { return c == CR || c == LF || c == '\0'; }

}  // namespace

void TStringList::SetText(std::string_view text) {
    lines_.clear();
    size_t pos = 0;
    while (pos < text.size() && text[pos] != '\0') {
        size_t end = pos;
        while (end < text.size() && !EndsLine(text[end])) ++end;
        lines_.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == CR) ++pos;
        if (pos < text.size() && text[pos] == LF) ++pos;
    }
}

std::string TStringList::Text() const {
    size_t size = 0;
    for (const auto& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::Assign(const TStringList& source) {
    if (&source != this) lines_ = source.lines_;
}

void LineSplitter::Feed(std::string_view bytes, TStringList& list) {
    size_t pos = 0;
    const size_t size = bytes.size();
    while (pos < size && !stopped_) {
        if (afterCR_) {
            afterCR_ = false;
            if (bytes[pos] == LF) {
                ++pos;
                continue;
            }
        }
        size_t end = pos;
        while (end < size && !EndsLine(bytes[end])) ++end;
        if (end > pos || (end < size && bytes[end] != '\0')) {
            // A run of line bytes, or an empty line ended by a break right away.
            if (lineOpen_)
                list.AppendToLast(bytes.substr(pos, end - pos));
            else
                list.Add(bytes.substr(pos, end - pos));
            lineOpen_ = true;
        }
        if (end == size) break;
        const char brk = bytes[end];
        pos = end + 1;
        lineOpen_ = false;
        if (brk == '\0') {
            stopped_ = true;
        } else if (brk == CR) {
            afterCR_ = true;
        }
    }
}

}  // namespace zor
