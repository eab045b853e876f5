// Large-page advice through madvise, for the whole 2 MB pages that lie inside a block.
#include "platform/Memory.h"

#if !defined(_WIN32)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace zor {

void AdviseLargePages(void* block, size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t LargePage = uintptr_t{2} << 20;
    const uintptr_t start = (reinterpret_cast<uintptr_t>(block) + LargePage - 1) & ~(LargePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(block) + bytes) & ~(LargePage - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

}  // namespace zor
