// TStringList, the ordered list of text lines, and an incremental form of its split rule.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/PodBuffer.h"

namespace zor {

// The lines are kept one after another in one block, with the end of each, so that a list of
// millions of short lines costs little more than its bytes.
class TStringList {
public:
    int Count() const noexcept { return static_cast<int>(ends_.Size()); }
    std::string_view operator[](int index) const;

    void Add(std::string_view line);
    // Lengthens the last line; the list must not be empty.
    void AppendToLast(std::string_view bytes);
    void Clear() noexcept;

    // Split rule: CR LF, a lone LF and a lone CR each end one line; a break at the very end
    // adds no empty line; the first zero byte ends the text.
    void SetText(std::string_view text);
    // Join rule: every line followed by CR LF, the last one included.
    std::string Text() const;
    void Assign(const TStringList& source);

    bool operator==(const TStringList& other) const = default;

private:
    PodBuffer<char> bytes_;
    PodBuffer<size_t> ends_;
};

// Keeps a list equal to SetText of a growing text while only the appended bytes are looked
// at: the last line may still grow, and a CR at the end of one piece may pair with an LF at
// the start of the next.
class LineSplitter {
public:
    // Forget the text: the list it feeds must be empty now.
    void Reset() noexcept { *this = LineSplitter(); }
    void Feed(std::string_view bytes, TStringList& list);

private:
    bool lineOpen_ = false;  // the list's last line has no line break yet
    bool afterCR_ = false;   // the text ends in the CR of a line break; an LF may follow
    bool stopped_ = false;   // a zero byte was reached: the list is final
};

}  // namespace zor
