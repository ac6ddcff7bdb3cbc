#pragma once

#include <cstdint>
#include <vector>

#include "platform/host.h"

namespace test_support {

// A clock the test moves by hand; sleeping moves it too. Installed for the
// engine while it lives.
class FAKE_CLOCK : public KOR::KC_HOST_CLOCK {
 public:
  FAKE_CLOCK() { KOR::host_set_clock(this); }
  ~FAKE_CLOCK() override { KOR::host_set_clock(nullptr); }
  FAKE_CLOCK(const FAKE_CLOCK&) = delete;
  FAKE_CLOCK& operator=(const FAKE_CLOCK&) = delete;

  uint32_t now_ms() override { return now; }
  void sleep_ms(uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
  }

  int64_t calendar_seconds() override { return calendar; }

  uint32_t now = 0;
  int64_t calendar = 0;
  std::vector<uint32_t> sleeps;
};

}  // namespace test_support
