// On POSIX systems the shared heap is the C heap.
#include "platform/GlobalHeap.h"

#include <cstdlib>

#include "platform/Exception.h"
#include "platform/LibraryTexts.h"

namespace zor {

char* GlobalAlloc(size_t bytes) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw EOutOfMemory(texts::OutOfMemory);
    return static_cast<char*>(block);
}

void GlobalFree(void* block) noexcept { std::free(block); }

}  // namespace zor
