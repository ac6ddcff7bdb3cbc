#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {

// Zooms a transform towards a point of the screen over a duration, then
// puts the transform back as it was and invokes its completion. Keeps every
// base setting, so it takes part in draw passes.
class KC_BOT_ZOOM_INTO : public KC_BOT_TIMED {
 public:
  KC_BOT_ZOOM_INTO(KS_TRANSFORM3* target, KS_VECTOR2 point, float duration, KC_CALLBACK* completion,
                   float delay);

 private:
  // Saves the target and works out the zoom and the shift.
  void begin() override;
  void apply(float elapsed);
  bool step(float dt) override;
  void finish() override;

  float duration_;
  float elapsed_ = 0.0f;
  float zoom_ = 0.0f;
  float shift_x_ = 0.0f;
  float shift_y_ = 0.0f;
  KS_TRANSFORM3* target_;
  KS_TRANSFORM3 saved_;
  KS_VECTOR2 point_;
};

}  // namespace KOR
