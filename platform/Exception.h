// The general error type of the plug-in: an error that carries a message text.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace zor {

// Messages are 8-bit texts in the system's code page and may contain any byte, so the
// message is kept with its length rather than as a C string.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    explicit Exception(std::string_view message) : message_(message) {}
    explicit Exception(const char* message) : message_(message) {}

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// The class library's error for exhausted memory.
class EOutOfMemory : public Exception {
public:
    using Exception::Exception;
};

}  // namespace zor
