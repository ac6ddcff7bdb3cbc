#include "bots/KC_BOT_ZOOM_INTO.h"

#include <algorithm>
#include <cmath>

#include "foundation/KS_AUTO_POSITION.h"

namespace KOR {

namespace {

KS_VECTOR2 screen_size() {
  return {static_cast<float>(auto_position_screen_width),
          static_cast<float>(auto_position_screen_height)};
}

}  // namespace

KC_BOT_ZOOM_INTO::KC_BOT_ZOOM_INTO(KS_TRANSFORM3* target, KS_VECTOR2 point, float duration,
                                   KC_CALLBACK* completion, float delay)
    : KC_BOT_TIMED(delay, completion), duration_(duration), target_(target), point_(point) {
  begin_unless_delayed();
}

void KC_BOT_ZOOM_INTO::begin() {
  if (!target_) return;
  saved_ = *target_;
  const KS_VECTOR2 screen = screen_size();
  shift_x_ = screen.x / 2 - point_.x;
  shift_y_ = screen.y / 2 - point_.y;
  zoom_ = std::max(std::fabs(shift_x_) / screen.x, std::fabs(shift_y_) / screen.y);
  if (point_.x <= screen.x / 2) shift_x_ = 0.0f;
  if (point_.y <= screen.y / 2) shift_y_ = 0.0f;
}

void KC_BOT_ZOOM_INTO::apply(float elapsed) {
  if (!target_) return;
  const float s = zoom_ * elapsed / duration_ + 1.0f;
  target_->position.x = shift_x_ * elapsed / duration_ + saved_.position.x;
  target_->position.y = shift_y_ * elapsed / duration_ + saved_.position.y;
  target_->scale.set(s, s, 0.0f);
}

void KC_BOT_ZOOM_INTO::finish() {
  elapsed_ = duration_;
  apply(elapsed_);
  if (target_) {
    target_->pivot.x = saved_.pivot.x;
    target_->pivot.y = saved_.pivot.y;
    target_->position.x = saved_.position.x;
    target_->position.y = saved_.position.y;
    target_->scale.set(saved_.scale.x, saved_.scale.y, 0.0f);
  }
  bot_fire(completion_);
}

bool KC_BOT_ZOOM_INTO::step(float dt) {
  if (!(elapsed_ < duration_)) return false;
  apply(elapsed_);
  elapsed_ += dt;
  return true;
}

}  // namespace KOR
