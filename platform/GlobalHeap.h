// Blocks handed across the library boundary for the receiver to keep and release.
#pragma once

#include <cstddef>

namespace zor {

// A block of `bytes` bytes from the heap shared with the host; throws EOutOfMemory.
char* GlobalAlloc(size_t bytes);
void GlobalFree(void* block) noexcept;

}  // namespace zor
