// Data-item lookup in the interpreter library, and the argument error of the conversion.
#include "ruby/RubyWrapper.h"

#include <string>

#include "platform/DynamicLibrary.h"
#include "platform/Exception.h"
#include "ruby/uStrUtils.h"

namespace zor {

VALUE* DataItemAddress(const char* name) {
    // The interpreter library is linked with us, so it is already loaded: found again by its
    // file name, or elsewhere by the file that holds one of its functions. Opening it only
    // adds to its load count, and releasing leaves it.
#if defined(_WIN32)
    void* library = OpenLoadedLibrary(ZORRUBY_INTERPRETER_LIBRARY);
#else
    const std::string file = LibraryFileOf(reinterpret_cast<const void*>(&ruby_setup));
    void* library = file.empty() ? nullptr : OpenLoadedLibrary(file);
#endif
    if (library == nullptr) throw Exception("The Ruby interpreter library is not loaded in this process");
    // The item is the variable the interpreter itself uses, which a copy in the program may
    // have taken the place of; without one, it is the library's own.
    void* address = BoundSymbol(name);
    if (address == nullptr) address = LibrarySymbol(library, name);
    ReleaseLibrary(library);
    if (address == nullptr)
        throw Exception("The Ruby interpreter library exports no data item named \"" + std::string(name) +
                        "\"");
    return static_cast<VALUE*>(address);
}

void RaiseArgumentError(std::string_view message) { throw Exception(StripCR(message)); }

}  // namespace zor
