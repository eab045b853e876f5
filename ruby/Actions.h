// The three actions the plug-in offers: connect, evaluate, and the call of a companion
// library's function. Each reports its failures in "[LastError]" and answers a Boolean.
#pragma once

#include <string>

namespace zor {

bool zorRubyConnect(const std::string& statusVariable);
bool zorRubyEval(const std::string& source, const std::string& consoleVariable,
                 const std::string& resultVariable);
bool zorRubySketchupCall(const std::string& libraryPath, const std::string& functionName,
                         const std::string& argument, const std::string& resultVariable);

// Forgets every loaded companion library, without releasing any, so that the next call loads
// its library again by path.
void ForgetCallLibraries() noexcept;

}  // namespace zor
