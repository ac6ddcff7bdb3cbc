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

}  // namespace KOR
