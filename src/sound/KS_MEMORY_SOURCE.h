#pragma once

#include <cstddef>
#include <cstdint>

namespace KOR {

// Ogg Vorbis bytes held in memory, read by the decoder as if they were a file.
struct KS_MEMORY_SOURCE {
  const unsigned char* bytes = nullptr;
  std::int32_t size = 0;
  std::int32_t position = 0;
};

// The decoder's file callbacks over a KS_MEMORY_SOURCE (passed as `source`).
std::size_t memory_read(void* destination, std::size_t element_size, std::size_t element_count,
                        void* source);
// Origins 0, 1 and 2 as for fseek; a target outside the bytes is refused
// with -1, so a later read can never run past them.
int memory_seek(void* source, std::int64_t offset, int origin);
int memory_close(void* source);
long memory_tell(void* source);

}  // namespace KOR
