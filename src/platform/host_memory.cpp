#include <malloc.h>

#include "platform/host.h"

namespace KOR {

void host_return_free_memory() { malloc_trim(0); }

// glibc serves a block of at least this size from a mapping of its own, but
// by default raises the size to that of the largest such block freed (up to
// 32 MB): once the first picture is given back, pictures, decoded images and
// the GL driver's buffers come from the heap, and the holes they leave among
// smaller blocks stay resident. Fixed, the size stays where it starts.
void host_keep_large_blocks_apart() { mallopt(M_MMAP_THRESHOLD, 128 * 1024); }

}  // namespace KOR
