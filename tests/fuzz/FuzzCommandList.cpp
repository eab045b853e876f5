// The command list for random form selectors, before and after registration: always one of
// the two forms, and after registration within the documented buffer size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "plugin/Catalogue.h"
#include "plugin/Commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte registers the catalogue (once and for the rest of the run).
    if (data[0] & 1) zor::RegisterCatalogue();
    const std::string form(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string text = zor::CommandList(zor::IsLispForm(form));
    const std::string plain = zor::CommandList(false);
    const std::string lisp = zor::CommandList(true);
    bool lispAsked = form.size() == 4;
    for (size_t i = 0; lispAsked && i < 4; ++i) lispAsked = (form[i] | 0x20) == "lisp"[i];
    if (text != (lispAsked ? lisp : plain)) std::abort();
    if (plain.rfind("zorRubyConnect|1|1\r\n", 0) == 0 && (plain.size() + 1 > 100 || lisp.size() + 1 > 100))
        std::abort();
    if (lisp.rfind("(list (list \"", 0) != 0 || lisp.back() != ')') std::abort();
    return 0;
}
