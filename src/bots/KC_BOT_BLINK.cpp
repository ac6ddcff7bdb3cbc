#include "bots/KC_BOT_BLINK.h"

#include <algorithm>

#include "foundation/KC_RANDOM.h"
#include "foundation/KS_VERTEX_LIST.h"
#include "foundation/float_math.h"

namespace KOR {

namespace {

uint32_t with_alpha(uint32_t argb, uint8_t alpha) {
  return (argb & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
}

}  // namespace

KC_BOT_BLINK::KC_BOT_BLINK(KS_VERTEX_LIST* target, int alpha_min, int alpha_max, float time_min,
                           float time_max, int count, float pause, bool forever, float lifetime,
                           float delay)
    : KC_BOT_TIMED(delay, nullptr, false),
      target_(target),
      alpha_min_(alpha_min),
      alpha_max_(alpha_max),
      time_min_(time_min),
      time_max_(time_max),
      count_(count),
      pause_(pause),
      lifetime_(lifetime),
      forever_(forever),
      pause_left_(pause) {}

uint32_t KC_BOT_BLINK::mesh_color() const { return target_ ? target_->color() : 0xFFFFFFFFu; }

void KC_BOT_BLINK::set_mesh_color(uint32_t argb) {
  if (target_) target_->set_color(argb);
}

bool KC_BOT_BLINK::step(float dt) {
  if (!(lifetime_ > 0.0f) && !forever_ && count_ != 0) return false;
  if (count_ != 0 && beats_ == count_) {
    if (pause_left_ > 0.0f) {
      pause_left_ -= dt;
      lifetime_ -= dt;
      return true;
    }
    beats_ = 0;
    pause_left_ = pause_;
  }
  beat(dt);
  lifetime_ -= dt;
  return true;
}

void KC_BOT_BLINK::finish() {
  work_color_ = with_alpha(work_color_, 255);
  set_mesh_color(work_color_);
  bot_fire(completion_);
}

KC_BOT_BLINK_ANALOG::KC_BOT_BLINK_ANALOG(KS_VERTEX_LIST* target, int alpha_min, int alpha_max,
                                         float time_min, float time_max, int count, float pause,
                                         bool forever, float lifetime, float delay)
    : KC_BOT_BLINK(target, alpha_min, alpha_max, time_min, time_max, count, pause, forever,
                   lifetime, delay) {
  set_behaviour_defaults("bot_blink_analog");
  ramp_from_ = ramp_to_ = alpha_ = static_cast<float>(mesh_color() >> 24);
}

void KC_BOT_BLINK_ANALOG::beat(float dt) {
  if (!(ramp_left_ > 0.0f)) {
    ramp_left_ = random_current->range_float(time_min_, time_max_);
    ramp_from_ = ramp_to_;
    ramp_to_ = static_cast<float>(random_current->range_int(alpha_min_, alpha_max_));
    ++beats_;
    if (ramp_left_ > 0.0f) {
      rate_ = (ramp_to_ - ramp_from_) / ramp_left_;
    } else {
      // A ramp of no time reaches its goal at once.
      rate_ = 0.0f;
      alpha_ = ramp_to_;
    }
  }
  alpha_ += rate_ * dt;
  // The last frame of a ramp overshoots its goal; the byte written stays in
  // range instead of wrapping round.
  const int byte = std::clamp(truncate_to_int(alpha_), 0, 255);
  work_color_ = with_alpha(mesh_color(), static_cast<uint8_t>(byte));
  set_mesh_color(work_color_);
  ramp_left_ -= dt;
}

KC_BOT_BLINK_PULSE::KC_BOT_BLINK_PULSE(KS_VERTEX_LIST* target, int alpha_min, int alpha_max,
                                       float time_min, float time_max, int count, float pause,
                                       bool forever, float lifetime, float delay)
    : KC_BOT_BLINK(target, alpha_min, alpha_max, time_min, time_max, count, pause, forever,
                   lifetime, delay),
      hold_left_(random_current->range_float(time_min, time_max)) {
  set_behaviour_defaults("bot_blink_pulse");
}

void KC_BOT_BLINK_PULSE::beat(float dt) {
  if (!(hold_left_ > 0.0f)) {
    hold_left_ = random_current->range_float(time_min_, time_max_);
    const int alpha = random_current->range_int(alpha_min_, alpha_max_);
    work_color_ = with_alpha(mesh_color(), static_cast<uint8_t>(alpha));
    set_mesh_color(work_color_);
    ++beats_;
  }
  hold_left_ -= dt;
}

}  // namespace KOR
