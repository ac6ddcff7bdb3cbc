#pragma once

#include <atomic>
#include <cstdint>

namespace KOR {

// Time between two ticks, read from the platform's millisecond clock.
class KC_TIMER {
 public:
  KC_TIMER();

  // Seconds since the previous tick (since construction for the first).
  float tick();

  std::atomic<float>* output = nullptr;  // also receives each step; null = nowhere
  uint32_t start_ms = 0;
  uint32_t now_ms = 0;
  uint32_t last_ms = 0;
  float total = 0.0f;
  float delta = 0.0f;
  float max_step = 0.0f;  // 0 = no limit
  int32_t delta_ms = 0;
};

}  // namespace KOR
