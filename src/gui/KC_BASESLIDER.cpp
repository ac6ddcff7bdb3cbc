#include "gui/KC_BASESLIDER.h"

#include <algorithm>
#include <cmath>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_input.h"

namespace KOR {

namespace {

KS_VECTOR2 unit(KS_VECTOR2 v) {
  v.normalize();
  return v;
}

}  // namespace

KC_BASESLIDER::KC_BASESLIDER(unsigned int id, KS_VECTOR2 start, KS_VECTOR2 end, float frame_width,
                             float radius, float button_distance, float min, float max, float step,
                             float value)
    : KC_GUI_OBJECT(id),
      min_(min),
      max_(max),
      step_(step),
      value_(value),
      start_point_(start),
      end_point_(end),
      button_distance_(button_distance) {
  KS_VECTOR2 s = start;
  KS_VECTOR2 e = end;
  inset_track(s, e, frame_width);
  std::unique_ptr<KS_TRANSFORM3>* parts[] = {&start_transform_, &end_transform_, &knob_transform_};
  std::unique_ptr<KC_HIT_SHAPE>* shapes[] = {&start_shape_, &end_shape_, &knob_shape_};
  for (int i = 0; i < 3; ++i) {
    *parts[i] = std::make_unique<KS_TRANSFORM3>();
    (*parts[i])->parent = transform;
    *shapes[i] =
        std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kCircle, parts[i]->get(), radius, 0.0f);
  }
  frame_width_ = std::trunc(frame_width);
  button_distance_px_ = frame_width_ * button_distance_;
  place_buttons(s, e);
}

// Here, where the hit shapes and transforms it owns are complete.
KC_BASESLIDER::~KC_BASESLIDER() = default;

KS_VECTOR2 KC_BASESLIDER::start_button() const { return start_transform_->position_xy(); }
KS_VECTOR2 KC_BASESLIDER::end_button() const { return end_transform_->position_xy(); }
KS_VECTOR2 KC_BASESLIDER::knob() const { return knob_transform_->position_xy(); }

void KC_BASESLIDER::set_knob(KS_VECTOR2 k) { knob_transform_->set_position(k); }

int KC_BASESLIDER::set_value(float v) {
  value_ = v;
  if (value_ > max_) value_ = max_;
  if (value_ < min_) value_ = min_;
  set_knob(start_button() + knob_offset_ + step_vector_ * (value_ - min_));
  return hook_value_changed ? callback_invoke(hook_value_changed, nullptr) : 0;
}

int KC_BASESLIDER::step_by(int n) { return set_value(value_ + static_cast<float>(n) * step_); }

void KC_BASESLIDER::set_range(float min, float max) {
  min_ = min;
  max_ = max;
  const KS_VECTOR2 track = end_button() - start_button();
  const float per_unit =
      max == min ? 0.0f : (track.length() - 2.0f * button_distance_px_) / std::fabs(max - min);
  const KS_VECTOR2 u = unit(track);
  knob_offset_ = u * button_distance_px_;
  step_vector_ = u * per_unit;
  set_value(value_);
}

void KC_BASESLIDER::set_button_radius(float radius) {
  start_shape_->set_radius(radius);
  end_shape_->set_radius(radius);
  knob_shape_->set_radius(radius);
  set_range(min_, max_);
}

void KC_BASESLIDER::place_buttons(KS_VECTOR2 start, KS_VECTOR2 end) {
  start_transform_->set_position(start.x, start.y, 0.0f);
  end_transform_->set_position(end.x, end.y, 0.0f);
  direction_ = unit(end - start);
  set_range(min_, max_);
}

void KC_BASESLIDER::inset_track(KS_VECTOR2& start, KS_VECTOR2& end, float length) {
  const KS_VECTOR2 d = unit(end - start);
  start += d * length / 2.0f;
  end -= d * length / 2.0f;
  const KS_VECTOR2 centre = (start + end) / 2.0f;
  transform->set_position(centre);
  start -= centre;
  end -= centre;
}

void KC_BASESLIDER::set_frame_width(int width) {
  frame_width_ = static_cast<float>(width);
  button_distance_px_ = frame_width_ * button_distance_;
}

void KC_BASESLIDER::set_stored_points(KS_VECTOR2 start, KS_VECTOR2 end, bool slider_relative) {
  start_point_ = start;
  end_point_ = end;
  points_slider_relative_ = slider_relative;
}

KS_VECTOR2 KC_BASESLIDER::pointer() const {
  return {static_cast<float>(*pointer_x), static_cast<float>(*pointer_y)};
}

// The stored points live in the parent's frame until a strip moves them
// into the slider's own; either way the test must run where the track is
// drawn.
KS_VECTOR2 KC_BASESLIDER::to_screen(KS_VECTOR2 point) const {
  KS_TRANSFORM3 at;
  at.set_position(point.x, point.y, 0.0f);
  at.parent = points_slider_relative_ ? transform : transform->parent;
  return at.world().position_xy();
}

bool KC_BASESLIDER::pointer_on_track() const {
  const KS_VECTOR2 a = to_screen(start_point_);
  const KS_VECTOR2 b = to_screen(end_point_);
  const KS_VECTOR2 p = pointer();
  const float span = a.distance(b);
  return p.distance(a) + p.distance(b) - span <= 0.05f * span;
}

bool KC_BASESLIDER::part_contains(const KC_HIT_SHAPE* shape) const {
  return gui_pointer_in(*this, shape);
}

void KC_BASESLIDER::drag_knob() {
  event.code = GUI_EVENT_CHANGED;
  const KS_VECTOR2 d = pointer() - start_transform_->world().position_xy();
  const KS_VECTOR2 s = start_button();
  const KS_VECTOR2 track = end_button() - s;
  const float along = std::max(0.0f, d.length() * std::cos(track.angle_between(d)));
  KS_VECTOR2 k = s + direction_ * along;
  const float per_unit = step_vector_.length();
  // An empty range has no pixels per unit: the stops below put it at min.
  float raw = per_unit == 0.0f ? min_ : ((k - s).length() - button_distance_px_) / per_unit + min_;
  const float margin = std::fabs(step_) + 1.0f;
  raw = std::clamp(raw, std::min(min_, max_) - margin, std::max(min_, max_) + margin);
  const float v = std::floor(raw);
  // A step below 1 has no whole-number grid; the drag then snaps to 1.
  const float grid = std::trunc(step_) == 0.0f ? 1.0f : std::trunc(step_);
  value_ = v - std::fmod(v, grid);
  if (value_ > max_ - step_) {
    value_ = max_;
    k = end_button() - knob_offset_;
  }
  if (value_ < min_ + step_) {
    value_ = min_;
    k = s + knob_offset_;
  }
  set_knob(k);
}

void KC_BASESLIDER::update_hover(int& state, const KC_HIT_SHAPE* shape) {
  if (event.code != GUI_EVENT_NONE) return;
  if (state == IDLE && part_contains(shape)) {
    event.code = GUI_EVENT_ENTER;
    state = HOVERED;
  } else if (state == HOVERED && !part_contains(shape)) {
    event.code = GUI_EVENT_LEAVE;
    state = IDLE;
    pressed_ = 0;
  }
}

KS_GUI_EVENT* KC_BASESLIDER::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  focused = pointer_on_track() ? 1 : 0;
  if (!focused) {
    if (knob_state_ != PRESSED) return nullptr;
    pressed_ = 0;
    knob_state_ = HOVERED;
    set_value(value_);
    event.code = GUI_EVENT_CHANGED;
    return &event;
  }
  update_hover(start_state_, start_shape_.get());
  update_hover(end_state_, end_shape_.get());
  update_hover(knob_state_, knob_shape_.get());
  if (event.code != GUI_EVENT_NONE) return &event;
  if (knob_state_ == PRESSED && pressed_) drag_knob();
  return gui_answer(event);
}

KS_GUI_EVENT* KC_BASESLIDER::press_part(int& state) {
  state = PRESSED;
  pressed_ = 1;
  event.code = GUI_EVENT_DOWN;
  return &event;
}

KS_GUI_EVENT* KC_BASESLIDER::on_press() {
  event.code = GUI_EVENT_NONE;
  if (focused && gui_left_went_down()) {
    for (int* state : {&start_state_, &end_state_, &knob_state_}) {
      if (*state != HOVERED) continue;
      press_part(*state);
      break;
    }
  }
  fire_hook(hook_down);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_BASESLIDER::on_release() {
  event.code = GUI_EVENT_NONE;
  if (gui_left_went_up()) {
    int* released = nullptr;
    if (start_state_ == PRESSED) {
      released = &start_state_;
      step_by(-1);
    } else if (end_state_ == PRESSED) {
      released = &end_state_;
      step_by(1);
    } else if (knob_state_ == PRESSED) {
      released = &knob_state_;
      set_value(value_);
    }
    if (released) {
      event.code = GUI_EVENT_CHANGED;
      pressed_ = 0;
      *released = HOVERED;
    }
  }
  fire_hook(hook_up);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_BASESLIDER::poll_button(int& state, const KC_HIT_SHAPE* shape, bool may_hover,
                                         int step) {
  const bool inside = part_contains(shape);
  if (state == HOVERED) {
    if (inside && gui_left_went_down()) return press_part(state);
    if (!inside) {
      event.code = GUI_EVENT_LEAVE;
      state = IDLE;
      pressed_ = 0;
    }
  } else if (state == PRESSED) {
    event.code = GUI_EVENT_NONE;
    if (gui_left_went_up()) {
      pressed_ = 0;
      state = HOVERED;
      if (inside) {
        step_by(step);
        event.code = GUI_EVENT_CHANGED;
      }
    }
    // Held: an answer with code 0 keeps the later parts from being asked.
    return &event;
  } else if (inside && may_hover) {
    event.code = GUI_EVENT_ENTER;
    state = HOVERED;
  }
  return nullptr;
}

KS_GUI_EVENT* KC_BASESLIDER::poll_knob() {
  const bool inside = part_contains(knob_shape_.get());
  if (knob_state_ == HOVERED) {
    if (inside && gui_left_went_down()) return press_part(knob_state_);
    if (inside) return gui_answer(event);
    event.code = GUI_EVENT_LEAVE;
    knob_state_ = IDLE;
    pressed_ = 0;
    return &event;
  }
  if (knob_state_ == PRESSED) {
    if (pressed_) drag_knob();
    if (gui_left_went_up()) {
      pressed_ = 0;
      knob_state_ = HOVERED;
      set_value(value_);
      event.code = GUI_EVENT_CHANGED;
    }
    return &event;
  }
  if (inside) {
    event.code = GUI_EVENT_ENTER;
    knob_state_ = HOVERED;
    return &event;
  }
  return gui_answer(event);
}

KS_GUI_EVENT* KC_BASESLIDER::update() {
  event.code = GUI_EVENT_NONE;
  if (!pointer_on_track()) return nullptr;
  if (KS_GUI_EVENT* e = poll_button(start_state_, start_shape_.get(),
                                    end_state_ == IDLE && knob_state_ == IDLE, -1)) {
    return e;
  }
  if (KS_GUI_EVENT* e = poll_button(end_state_, end_shape_.get(), knob_state_ == IDLE, 1)) return e;
  return poll_knob();
}

}  // namespace KOR
