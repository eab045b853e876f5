// Buffered reading of file descriptor 0. The end of the input is not remembered: a later read
// asks the descriptor again, as a terminal may deliver more after an end-of-file.
#include "platform/StandardInput.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace zor {

namespace {
constexpr size_t BufferSize = 64 * 1024;
}

bool StandardInputReader::Fill(ReadStatus& status) {
    if (buffer_.empty()) buffer_.resize(BufferSize);
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer_.data(), buffer_.size());
        if (got > 0) {
            position_ = 0;
            filled_ = static_cast<size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        status = got == 0 ? ReadStatus::End : ReadStatus::Failed;
        return false;
    }
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
