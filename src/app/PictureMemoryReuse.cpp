#include "app/PictureMemoryReuse.h"

#include <malloc.h>

namespace tavernrush {

void reuseFreedPictureMemory()
{
    // A heap per thread would hand the loader's freed pictures back to its
    // own arena, out of reach of the GL thread's allocations.
    mallopt(M_ARENA_MAX, 1);
    // Blocks up to this size come from the heap: the largest picture, the
    // ground's 2048 x 2048 level 0, is 16 MB. 32 MB is the most glibc takes.
    constexpr int largestHeapBlockBytes = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, largestHeapBlockBytes);
    // Freed memory at the heap's top is given back to the system only
    // beyond this much, so a level's worth of pictures stays reusable.
    constexpr int keptFreeBytes = 256 << 20;
    mallopt(M_TRIM_THRESHOLD, keptFreeBytes);
}

} // namespace tavernrush
