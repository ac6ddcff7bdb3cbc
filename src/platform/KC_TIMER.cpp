#include "platform/KC_TIMER.h"

#include "platform/host.h"

namespace KOR {

KC_TIMER::KC_TIMER() {
  start_ms = host_clock_ms();
  now_ms = start_ms;
  last_ms = start_ms;
}

float KC_TIMER::tick() {
  const uint32_t t = host_clock_ms();
  now_ms = t;
  // Unsigned difference: a clock that wrapped still gives the short step.
  const uint32_t step = t - last_ms;
  delta_ms = static_cast<int32_t>(step);
  delta = static_cast<float>(step / 1000.0);
  last_ms = t;
  if (max_step != 0.0f && delta > max_step) {
    delta = max_step;
    delta_ms = static_cast<int32_t>(max_step * 1000.0f);
  }
  if (output != nullptr) *output = delta;
  total += delta;
  return delta;
}

}  // namespace KOR
