// What a host needs of its operating system to trade texts with the plug-in, beyond the
// loading and the files of platform/DynamicLibrary.h and platform/Files.h.
#pragma once

#include <string>

namespace zorhost {

// A block that a HostString lives in: the C heap on POSIX systems, the global heap on Windows.
char* NewHostString(const std::string& text);
void FreeHostString(char* block);

// The folder of the running program, ending in its separator.
std::string ProgramFolder();
bool InputIsTerminal();

}  // namespace zorhost
