#include "sound/KS_MEMORY_SOURCE.h"

#include <cstring>

namespace KOR {

std::size_t memory_read(void* destination, std::size_t element_size, std::size_t element_count,
                        void* source) {
  auto* memory = static_cast<KS_MEMORY_SOURCE*>(source);
  std::size_t n = element_size * element_count;
  const std::size_t left = static_cast<std::size_t>(memory->size - memory->position);
  if (n > left) n = left;
  if (n == 0) return 0;
  std::memcpy(destination, memory->bytes + memory->position, n);
  memory->position += static_cast<std::int32_t>(n);
  return n;
}

int memory_seek(void* source, std::int64_t offset, int origin) {
  auto* memory = static_cast<KS_MEMORY_SOURCE*>(source);
  // Every target inside the bytes lies within size of any origin; checking
  // this first also keeps the sums below from overflowing.
  if (offset > memory->size || offset < -static_cast<std::int64_t>(memory->size)) return -1;
  std::int64_t target = 0;
  switch (origin) {
    case 0:
      target = offset;
      break;
    case 1:
      target = memory->position + offset;
      break;
    case 2:
      target = memory->size + offset;
      break;
    default:
      return -1;
  }
  if (target < 0 || target > memory->size) return -1;
  memory->position = static_cast<std::int32_t>(target);
  return 0;
}

int memory_close(void*) { return 0; }

long memory_tell(void* source) { return static_cast<KS_MEMORY_SOURCE*>(source)->position; }

}  // namespace KOR
