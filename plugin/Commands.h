// The generic command interface: the command list and commands run by number.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

// The form selector asks for the LISP form when it reads "LISP" in any letter case.
bool IsLispForm(const std::string& form);
// The command list from the catalogue as it is now.
std::string CommandList(bool lisp);

// A 32-bit integer: leading blanks, an optional sign, then decimal digits or hexadecimal ones
// after "$", "x", "X", "0x" or "0X", and nothing after them.
bool ReadCommandNumber(const std::string& text, int32_t& number);
// The class library's message for a text that is no integer.
std::string NotAnIntegerMessage(const std::string& text);

// Runs command 1, 2 or 3 with its arguments; false for any other number.
bool RunCommand(int32_t number, const std::string& a3, const std::string& a4, const std::string& a5,
                const std::string& a6);

}  // namespace zor
