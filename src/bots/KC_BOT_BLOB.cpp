#include "bots/KC_BOT_BLOB.h"

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/curves.h"

namespace KOR {

KC_BOT_BLOB::KC_BOT_BLOB(KS_TRANSFORM3* target, float duration, float amplitude, float frequency,
                         float damping, float base_scale, float rest_scale, float pause, bool loop)
    : KC_BOT_TIMED(pause),
      duration_(duration),
      frequency_(frequency),
      amplitude_(amplitude),
      damping_(damping),
      base_scale_(base_scale),
      rest_scale_(rest_scale),
      pause_(pause),
      loop_(loop),
      target_(target) {
  set_behaviour_defaults("bot_blob");
  set_scale(base_scale_);
}

void KC_BOT_BLOB::set_scale(float s) {
  if (target_) target_->scale.set(s, s, 0.0f);
}

void KC_BOT_BLOB::finish() {
  if (loop_) return;
  elapsed_ = duration_;
  set_scale(rest_scale_);
  bot_fire(completion_);
}

bool KC_BOT_BLOB::step(float dt) {
  // A run of no duration is over at once (its share would be 0 / 0).
  if (elapsed_ > duration_ || !(duration_ > 0.0f)) {
    if (!loop_) return false;
    settled_ = false;
    elapsed_ = 0.0f;
    delay_ = pause_;
    set_scale(base_scale_);
    return true;
  }
  const float t = elapsed_ / duration_;
  const float wobble = damped_sine(t, frequency_, amplitude_, damping_);
  float s;
  if (settled_) {
    s = rest_scale_ + wobble;
  } else {
    s = base_scale_ + (rest_scale_ - base_scale_) * elapsed_ / duration_ * frequency_;
    if (!(s < rest_scale_)) settled_ = true;
  }
  set_scale(s);
  elapsed_ += dt;
  return true;
}

}  // namespace KOR
