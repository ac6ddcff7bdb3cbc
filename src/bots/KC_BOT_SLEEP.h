#pragma once

#include "bots/KC_BASE.h"

namespace KOR {

// Waits a number of seconds of frame time, then writes its value into the
// target (when there is one), invokes its completion and ends.
class KC_BOT_SLEEP : public KC_BASE {
 public:
  KC_BOT_SLEEP(int* target, KC_CALLBACK* completion, float seconds, int value);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 private:
  void finish();

  int* target_;
  int value_;
  float time_left_;
  KC_CALLBACK* completion_;
};

}  // namespace KOR
