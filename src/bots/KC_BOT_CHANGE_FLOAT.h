#pragma once

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

// Adds to a float variable at a constant rate for a time: the amount over
// the duration, or at the rate until the amount is reached.
class KC_BOT_CHANGE_FLOAT : public KC_BOT_TIMED {
 public:
  KC_BOT_CHANGE_FLOAT(float* target, float amount, float duration, float rate, float delay);

 private:
  bool step(float dt) override;
  void finish() override;

  float* target_;
  float rate_;
  float time_left_;
};

}  // namespace KOR
