// Buffered reading of the process's standard input. The end of the input is not remembered:
// a later read asks again, as a terminal may deliver more after an end-of-file.
#include "platform/StandardInput.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#endif
#include <cstring>

namespace zor {

namespace {

constexpr size_t BufferSize = 64 * 1024;

// The bytes read into the buffer, 0 at the end of the input, -1 when it cannot be read.
long ReadInput(char* buffer, size_t size) {
#if defined(_WIN32)
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return -1;
    DWORD got = 0;
    if (ReadFile(input, buffer, static_cast<DWORD>(size), &got, nullptr)) return static_cast<long>(got);
    // A pipe whose writer has gone is at its end.
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
#else
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, size);
        if (got >= 0) return static_cast<long>(got);
        if (errno != EINTR) return -1;
    }
#endif
}

}  // namespace

bool StandardInputReader::Fill(ReadStatus& status) {
    if (buffer_.empty()) buffer_.resize(BufferSize);
    const long got = ReadInput(buffer_.data(), buffer_.size());
    if (got > 0) {
        position_ = 0;
        filled_ = static_cast<size_t>(got);
        return true;
    }
    status = got == 0 ? ReadStatus::End : ReadStatus::Failed;
    return false;
}

ReadStatus StandardInputReader::ReadLine() {
    std::string& line = line_;
    line.clear();
    bool any = false;
    for (;;) {
        if (position_ == filled_) {
            ReadStatus status = ReadStatus::Ok;
            if (!Fill(status)) return any && status == ReadStatus::End ? ReadStatus::Ok : status;
        }
        const char* start = buffer_.data() + position_;
        const size_t available = filled_ - position_;
        const void* lf = std::memchr(start, '\n', available);
        const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : available;
        for (size_t i = 0; i < take; ++i)
            if (start[i] != '\r') line.push_back(start[i]);
        any = true;
        position_ += take;
        if (lf) {
            ++position_;
            return ReadStatus::Ok;
        }
    }
}

ReadStatus StandardInputReader::ReadByte(unsigned char& byte) {
    if (position_ == filled_) {
        ReadStatus status = ReadStatus::Ok;
        if (!Fill(status)) return status;
    }
    byte = static_cast<unsigned char>(buffer_[position_++]);
    return ReadStatus::Ok;
}

StandardInputReader& StandardInput() {
    static StandardInputReader reader;
    return reader;
}

}  // namespace zor
