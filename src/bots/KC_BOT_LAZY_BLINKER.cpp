#include "bots/KC_BOT_LAZY_BLINKER.h"

#include "SERVICE/engine_globals.h"
#include "foundation/KS_VERTEX_LIST.h"

namespace KOR {

KC_BOT_LAZY_BLINKER::KC_BOT_LAZY_BLINKER(KS_VERTEX_LIST* target, int shown, float fade_time,
                                         float pause)
    : target_(target),
      fade_time_(fade_time),
      pause_(pause),
      shown_(shown),
      fade_left_(fade_time),
      pause_left_(pause) {
  set_behaviour_defaults("bot_lazy_blinker");
}

void KC_BOT_LAZY_BLINKER::begin_fade() {
  from_color_ = KS_COLORF(target_ ? target_->color() : 0xFFFFFFFFu);
  KS_COLORF goal = from_color_;
  goal.a = shown_ ? 0.0f : 1.0f;
  delta_color_ = goal - from_color_;
}

void KC_BOT_LAZY_BLINKER::start(int count, float delay) {
  count_ = count;
  delay_ = delay;
  forever_ = count == 0;
  if (delay == 0.0f) begin_fade();
}

void KC_BOT_LAZY_BLINKER::blink_from(int shown, float delay) {
  shown_ = shown;
  start(1, delay);
}

void KC_BOT_LAZY_BLINKER::toggle_blink(float delay) {
  shown_ = !shown_;
  start(1, delay);
}

void KC_BOT_LAZY_BLINKER::blink(float delay) { start(1, delay); }

int KC_BOT_LAZY_BLINKER::process(int message, intptr_t, intptr_t, intptr_t, intptr_t) {
  if (message != BOT_MSG_UPDATE) return 0;
  const float dt = frame_dt;
  if (delay_ > 0.0f) {
    delay_ -= dt;
    if (delay_ <= 0.0f) begin_fade();
    return BOT_RESULT_CONTINUE;
  }
  if (count_ > 0 || forever_) {
    if (fade_left_ > 0.0f) {
      const float t = (fade_time_ - fade_left_) / fade_time_;
      if (target_) target_->set_color((from_color_ + delta_color_ * t).argb());
      fade_left_ -= dt;
    } else if (pause_left_ > 0.0f) {
      pause_left_ -= dt;
    } else {
      shown_ = !shown_;
      begin_fade();
      fade_left_ = fade_time_;
      pause_left_ = pause_;
      --count_;
    }
  }
  return BOT_RESULT_CONTINUE;
}

}  // namespace KOR
