#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/host.h"

namespace KOR {

namespace {

// Read by the sound thread's sleeps as well as the main thread.
std::atomic<KC_HOST_CLOCK*> installed_clock{nullptr};

// The C runtime's calendar, as time(0) gives it: the system clock read
// another way runs up to a tick ahead of it across a second's turn.
int64_t system_calendar_seconds() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace

int64_t KC_HOST_CLOCK::calendar_seconds() { return system_calendar_seconds(); }

void host_set_clock(KC_HOST_CLOCK* clock) { installed_clock.store(clock); }

uint32_t host_clock_ms() {
  if (KC_HOST_CLOCK* clock = installed_clock.load()) return clock->now_ms();
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  // Truncation to 32 bits is the wrap-around the timers are built for.
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void host_sleep_ms(uint32_t ms) {
  if (KC_HOST_CLOCK* clock = installed_clock.load()) {
    clock->sleep_ms(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int64_t host_calendar_seconds() {
  if (KC_HOST_CLOCK* clock = installed_clock.load()) return clock->calendar_seconds();
  return system_calendar_seconds();
}

}  // namespace KOR
