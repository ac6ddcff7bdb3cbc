#include "bots/KC_BOT_SWING.h"

#include <cmath>

#include "SERVICE/engine_globals.h"

namespace KOR {

KC_BOT_SWING::KC_BOT_SWING(float* target, float amplitude, float phase, float time_scale,
                           float delay)
    : target_(target),
      amplitude_(amplitude),
      phase_(phase),
      time_scale_(time_scale),
      time_(-delay),
      rate_(amplitude / time_scale) {
  set_behaviour_defaults("bot_swing");
}

int KC_BOT_SWING::process(int message, intptr_t, intptr_t, intptr_t, intptr_t) {
  if (message != BOT_MSG_UPDATE) return 0;
  const float dt = frame_dt;
  if (time_ < 0.0f) {
    time_ += dt;
    if (time_ < 0.0f) return BOT_RESULT_CONTINUE;
    time_ = phase_;
    if (target_) *target_ += phase_ / time_scale_ * amplitude_ * 0.85f;
    return BOT_RESULT_CONTINUE;
  }
  time_ += dt;
  if (target_) *target_ += std::cos(time_ / time_scale_) * rate_ * dt;
  return BOT_RESULT_CONTINUE;
}

}  // namespace KOR
