#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Moves a transform's position in a straight line from where it is when the
// delay runs out to an end point, over a duration (0: distance / speed;
// both 0: 1 s). The end puts the position exactly on the end point, lets go
// of the target and invokes the completion once.
class KC_BOT_MOVE : public KC_BOT_TIMED {
 public:
  KC_BOT_MOVE(KS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
              float delay);

 private:
  // Takes the start from the target.
  void begin() override;
  bool step(float dt) override;
  void finish() override;

  KS_TRANSFORM3* target_;
  KS_VECTOR3 start_;
  KS_VECTOR3 end_;
  float elapsed_ = 0.0f;
  float duration_;
  float inv_duration_ = 0.0f;
  // Non-zero while the duration still waits for the start to be known.
  float pending_speed_ = 0.0f;
};

}  // namespace KOR
