// Hints to the operating system about how memory will be used.
#pragma once

#include <cstddef>

namespace zor {

// Asks for large pages behind a big block that will be filled from start to end, which makes
// its first touch far cheaper. Only a hint: nothing changes where it is not supported.
void AdviseLargePages(void* block, size_t bytes) noexcept;

}  // namespace zor
