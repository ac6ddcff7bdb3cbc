#pragma once

#include "bots/KC_BASE.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

// Holds two transforms and, each time it is told to, interpolates its target
// to one of them; idle between switches. Its update group is its running
// flag, so a list with the default filter skips it while idle.
class KC_BOT_SWITCH : public KC_BASE {
 public:
  KC_BOT_SWITCH(KS_TRANSFORM3* target, float duration, const KS_TRANSFORM3& a,
                const KS_TRANSFORM3& b, float delay);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

  void switch_to(bool to_b);
  void toggle();

 private:
  // A switch started while one runs goes back taking as long as it had run.
  void start_switch();

  KS_TRANSFORM3* target_;
  KS_TRANSFORM3 state_a_;
  KS_TRANSFORM3 state_b_;
  KS_TRANSFORM3 from_;
  const KS_TRANSFORM3* goal_;
  float duration_;
  float elapsed_ = 0.0f;
  float run_time_;
  float delay_;
  float delay_left_;
};

}  // namespace KOR
