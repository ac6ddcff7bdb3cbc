#pragma once

#include "bots/KC_BASE.h"

namespace KOR {

// Swings a float variable `amplitude` either side of its centre for ever,
// after a delay that ends with a push; a delay of 0 starts at once without
// the push.
class KC_BOT_SWING : public KC_BASE {
 public:
  // time_scale: seconds per radian of the swing.
  KC_BOT_SWING(float* target, float amplitude, float phase, float time_scale, float delay);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 private:
  float* target_;
  float amplitude_;
  float phase_;
  float time_scale_;
  float time_;  // negative while the delay runs
  float rate_;
};

}  // namespace KOR
