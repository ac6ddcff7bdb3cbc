#pragma once

#include "bots/KC_BASE.h"

namespace KOR {

// Adds to a float variable at a constant rate for a time: the amount over
// the duration, or at the rate until the amount is reached.
class KC_BOT_CHANGE_FLOAT : public KC_BASE {
 public:
  KC_BOT_CHANGE_FLOAT(float* target, float amount, float duration, float rate, float delay);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 private:
  void finish();

  float* target_;
  float rate_;
  float time_left_;
  float delay_;
  KC_CALLBACK* completion_ = nullptr;
};

}  // namespace KOR
