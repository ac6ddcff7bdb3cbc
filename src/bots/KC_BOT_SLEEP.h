#pragma once

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

// Waits a number of seconds of frame time, then writes its value into the
// target (when there is one), invokes its completion and ends.
class KC_BOT_SLEEP : public KC_BOT_TIMED {
 public:
  KC_BOT_SLEEP(int* target, KC_CALLBACK* completion, float seconds, int value);

 private:
  bool step(float dt) override;
  void finish() override;

  int* target_;
  int value_;
  float time_left_;
};

}  // namespace KOR
