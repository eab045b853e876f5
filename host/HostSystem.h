// What a host needs of its operating system to load the plug-in and trade texts with it.
#pragma once

#include <string>

namespace zorhost {

// Loads a library by path; null when it cannot be loaded, with the loader's reason in `error`.
void* LoadModule(const std::string& path, std::string& error);
// The address of an exported entry point, or null.
void* ModuleEntry(void* module, const char* name);

// A block that a HostString lives in: the C heap on POSIX systems, the global heap on Windows.
char* NewHostString(const std::string& text);
void FreeHostString(char* block);

// The folder of the running program, ending in its separator.
std::string ProgramFolder();
// The path made absolute against the current directory; the path itself when that fails.
std::string WholePath(const std::string& path);
bool FileExists(const std::string& path);
bool InputIsTerminal();

}  // namespace zorhost
