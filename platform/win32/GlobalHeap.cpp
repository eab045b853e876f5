// Blocks of the Windows global heap, fixed, so that a block's handle is its address.
#include "platform/GlobalHeap.h"

#include <windows.h>

#include "platform/Exception.h"
#include "platform/LibraryTexts.h"

namespace zor {

char* GlobalAlloc(size_t bytes) {
    const HGLOBAL block = ::GlobalAlloc(GMEM_FIXED, bytes);
    if (block == nullptr) throw EOutOfMemory(texts::OutOfMemory);
    return static_cast<char*>(block);
}

void GlobalFree(void* block) noexcept {
    if (block != nullptr) ::GlobalFree(static_cast<HGLOBAL>(block));
}

}  // namespace zor
