// The process's standard input, read through one buffer that is set up on first use.
#pragma once

#include <string>

namespace zor {

enum class ReadStatus { Ok, End, Failed };

class StandardInputReader {
public:
    // The bytes before the next LF, with every CR left out; the reader then stands behind
    // that LF. A last line without LF is still a line. End only when no byte was left.
    // The line read last is kept in Line(), where the caller may change it.
    ReadStatus ReadLine();
    std::string& Line() noexcept { return line_; }
    ReadStatus ReadByte(unsigned char& byte);

private:
    // Refills the buffer; false at the end of the input or when the read fails.
    bool Fill(ReadStatus& status);

    std::string buffer_;
    std::string line_;
    size_t position_ = 0;
    size_t filled_ = 0;
};

// The one reader of the process's standard input.
StandardInputReader& StandardInput();

}  // namespace zor
