#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Changes a transform's scale towards an end scale, over a duration or at a
// speed, from the scale it has when the delay runs out; ends exactly on the
// end scale.
class KC_BOT_SCALE : public KC_BOT_TIMED {
 public:
  KC_BOT_SCALE(KS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
               float delay);

 private:
  void begin() override;
  bool step(float dt) override;
  void finish() override;

  KS_TRANSFORM3* target_;
  KS_VECTOR3 change_;
  float time_left_;
  float speed_;
  KS_VECTOR3 end_scale_;
};

}  // namespace KOR
