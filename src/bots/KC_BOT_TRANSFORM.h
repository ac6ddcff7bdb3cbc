#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

// Interpolates a transform's position, scale and rotation to those of a
// goal (taken in its world form) over a duration; the pivot, the reserved
// word and the parent are never touched. The end writes the goal's values
// and lets go of the target.
class KC_BOT_TRANSFORM : public KC_BOT_TIMED {
 public:
  KC_BOT_TRANSFORM(KS_TRANSFORM3* target, const KS_TRANSFORM3& goal, float duration, float delay);

 private:
  // Takes the start from the target.
  void begin() override;
  bool step(float dt) override;
  void finish() override;

  KS_TRANSFORM3* target_;
  KS_TRANSFORM3 start_;
  KS_TRANSFORM3 goal_;
  float elapsed_ = 0.0f;
  float duration_;
};

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
