// The split, join and assignment rules of TStringList.
#include "platform/StringList.h"

#include <stdexcept>

namespace zor {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

bool EndsLine(char c) { return c == CR || c == LF || c == '\0'; }

}  // namespace

std::string_view TStringList::operator[](int index) const {
    const size_t i = static_cast<size_t>(index);
    if (index < 0 || i >= ends_.Size()) throw std::out_of_range("TStringList index out of range");
    const size_t start = i == 0 ? 0 : ends_.Data()[i - 1];
    return std::string_view(bytes_.Data() + start, ends_.Data()[i] - start);
}

void TStringList::Add(std::string_view line) {
    const size_t before = bytes_.Size();
    bytes_.Append(line.data(), line.size());
    try {
        ends_.PushBack(bytes_.Size());
    } catch (...) {
        bytes_.Shrink(before);
        throw;
    }
}

void TStringList::AppendToLast(std::string_view bytes) {
    bytes_.Append(bytes.data(), bytes.size());
    ends_.Data()[ends_.Size() - 1] = bytes_.Size();
}

void TStringList::Clear() noexcept {
    bytes_.Clear();
    ends_.Clear();
}

void TStringList::SetText(std::string_view text) {
    Clear();
    size_t pos = 0;
    while (pos < text.size() && text[pos] != '\0') {
        size_t end = pos;
        while (end < text.size() && !EndsLine(text[end])) ++end;
        Add(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == CR) ++pos;
        if (pos < text.size() && text[pos] == LF) ++pos;
    }
}

std::string TStringList::Text() const {
    std::string text;
    text.reserve(bytes_.Size() + 2 * ends_.Size());
    size_t start = 0;
    for (size_t i = 0; i < ends_.Size(); ++i) {
        const size_t end = ends_.Data()[i];
        text.append(bytes_.Data() + start, end - start);
        text += "\r\n";
        start = end;
    }
    return text;
}

void TStringList::Assign(const TStringList& source) {
    PodBuffer<char> bytes = source.bytes_;
    PodBuffer<size_t> ends = source.ends_;
    bytes_ = std::move(bytes);
    ends_ = std::move(ends);
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
