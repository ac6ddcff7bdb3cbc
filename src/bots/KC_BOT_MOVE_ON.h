#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Moves a transform's x and y by an offset, adding the frame's share of it
// on every update; the position is never corrected at the end, so it may
// stop short by up to one frame's share. Keeps the base name, order key and
// draw group.
class KC_BOT_MOVE_ON : public KC_BOT_TIMED {
 public:
  // z is not used: the target's z never changes.
  KC_BOT_MOVE_ON(KS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                 float delay);

 private:
  bool step(float dt) override;
  void finish() override;

  KS_TRANSFORM3* target_;
  KS_VECTOR3 offset_;
  float time_left_;
  float duration_;
};

}  // namespace KOR
