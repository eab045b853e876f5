// Dynamic libraries: finding a loaded library again and looking up its exported symbols.
#pragma once

#include <string>

namespace zor {

// The file name of the loaded library that contains the given address, or "" when none does.
std::string LibraryFileOf(const void* address);

// Opens a library that is already in the process by its file name, adding one to its load
// count; null when it is not loaded. Never loads anything new.
void* OpenLoadedLibrary(const std::string& file);

// Loads a library by its path, unchanged; null when it cannot be loaded, with the loader's
// reason in `reason`.
void* OpenLibrary(const std::string& path, std::string& reason);

// The address of an exported symbol of the library, or null.
void* LibrarySymbol(void* library, const char* name);

// The definition of an exported symbol that references from this code bind to, or null. It
// differs from the library's own when a program keeps a copy of a library variable (a copy
// relocation); the library then uses that copy too.
void* BoundSymbol(const char* name);

void ReleaseLibrary(void* library);

}  // namespace zor
