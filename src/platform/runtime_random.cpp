#include "platform/runtime_random.h"

#include "platform/host.h"

namespace KOR {

namespace {
unsigned int runtime_state = 1;
}  // namespace

int runtime_rand() {
  runtime_state = runtime_state * 214013u + 2531011u;
  return static_cast<int>((runtime_state >> 16) & 0x7FFFu);
}

void runtime_srand(unsigned int seed) { runtime_state = seed; }

void runtime_srand_time() { runtime_srand(static_cast<unsigned int>(host_calendar_seconds())); }

}  // namespace KOR
