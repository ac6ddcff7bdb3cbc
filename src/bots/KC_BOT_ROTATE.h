#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Turns a transform's three rotation angles by an amount (radians), over a
// duration or at a speed, after a delay. No exact final angle is written:
// the turn may pass the amount by up to one frame's share.
class KC_BOT_ROTATE_ON : public KC_BOT_TIMED {
 public:
  KC_BOT_ROTATE_ON(KS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                   float delay);

 protected:
  KC_BOT_ROTATE_ON(KS_TRANSFORM3* target, float duration, float speed, const KS_VECTOR3& amount,
                   float delay);

 private:
  bool step(float dt) override;
  void finish() override;

  KS_TRANSFORM3* target_;
  KS_VECTOR3 amount_;
  float time_left_;
  float speed_;
};

// Turns towards given angles: the amount is the difference to the target's
// rotation at construction, so a turn made by someone else during the delay
// is not corrected.
class KC_BOT_ROTATE_TO : public KC_BOT_ROTATE_ON {
 public:
  KC_BOT_ROTATE_TO(KS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                   float delay);
};

}  // namespace KOR
