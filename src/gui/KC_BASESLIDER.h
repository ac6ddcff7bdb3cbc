#pragma once

#include <memory>

#include "foundation/KS_VECTOR2.h"
#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

class KC_HIT_SHAPE;
struct KS_TRANSFORM3;

// A value in [min, max] shown as a knob on a straight track between two
// round step buttons; the track may lie at any angle. The start button
// lowers the value by one step, the end button raises it, and the knob is
// dragged along the track. The base keeps geometry, mapping, hit tests and
// the three parts' state machines; the strip classes draw.
class KC_BASESLIDER : public KC_GUI_OBJECT {
 public:
  enum PART_STATE { IDLE = 0, HOVERED = 1, PRESSED = 2 };

  // The points are in the parent's frame; the buttons stand at them inset
  // by one frame width, relative to the slider's centre at their midpoint.
  KC_BASESLIDER(unsigned int id, KS_VECTOR2 start, KS_VECTOR2 end, float frame_width, float radius,
                float button_distance, float min, float max, float step, float value);
  ~KC_BASESLIDER() override;
  KC_BASESLIDER(const KC_BASESLIDER&) = delete;
  KC_BASESLIDER& operator=(const KC_BASESLIDER&) = delete;

  KS_GUI_EVENT* update() override;
  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;

  float value() const { return value_; }
  float min() const { return min_; }
  float max() const { return max_; }
  // Clamps (max first, so min wins when min > max), places the knob and
  // fires the value-changed hook on every call; returns the hook's result.
  virtual int set_value(float v);
  int step_by(int n);
  void set_range(float min, float max);
  void set_button_radius(float radius);
  // Slider-local button positions.
  void place_buttons(KS_VECTOR2 start, KS_VECTOR2 end);
  // Moves both points inward by half the length each, puts the slider at
  // their midpoint and makes them relative to it.
  void inset_track(KS_VECTOR2& start, KS_VECTOR2& end, float length);
  float frame_width() const { return frame_width_; }
  void set_frame_width(int width);
  // The pointer lies in the thin ellipse whose foci are the track's ends.
  bool pointer_on_track() const;

  int start_state() const { return start_state_; }
  int end_state() const { return end_state_; }
  int knob_state() const { return knob_state_; }
  bool pressed() const { return pressed_ != 0; }
  KS_VECTOR2 start_button() const;
  KS_VECTOR2 end_button() const;
  KS_VECTOR2 knob() const;
  KS_VECTOR2 direction() const { return direction_; }
  KS_VECTOR2 knob_offset() const { return knob_offset_; }
  KS_VECTOR2 stored_start() const { return start_point_; }
  KS_VECTOR2 stored_end() const { return end_point_; }
  float button_distance() const { return button_distance_; }
  KS_TRANSFORM3* start_transform() const { return start_transform_.get(); }
  KS_TRANSFORM3* end_transform() const { return end_transform_.get(); }
  KS_TRANSFORM3* knob_transform() const { return knob_transform_.get(); }

  // Named by the builder, owned; fired by set_value with the slider as
  // argument.
  std::unique_ptr<KC_CALLBACK> hook_value_changed;

 protected:
  // The stored track points become relative to the slider's own centre
  // (the 13-frame strip's layout) instead of to its parent.
  void set_stored_points(KS_VECTOR2 start, KS_VECTOR2 end, bool slider_relative);

 private:
  void update_hover(int& state, const KC_HIT_SHAPE* shape);
  // The part goes down: DOWN, and the knob may be dragged.
  KS_GUI_EVENT* press_part(int& state);
  bool part_contains(const KC_HIT_SHAPE* shape) const;
  void drag_knob();
  KS_VECTOR2 pointer() const;
  KS_VECTOR2 to_screen(KS_VECTOR2 point) const;
  void set_knob(KS_VECTOR2 k);
  // One step button of the polling update: null to go on, else the answer.
  KS_GUI_EVENT* poll_button(int& state, const KC_HIT_SHAPE* shape, bool may_hover, int step);
  KS_GUI_EVENT* poll_knob();

  float button_distance_px_ = 0.0f;
  float min_ = 0.0f;
  float max_ = 0.0f;
  float step_ = 0.0f;
  float value_ = 0.0f;
  KS_VECTOR2 start_point_;
  KS_VECTOR2 end_point_;
  float frame_width_ = 0.0f;
  int start_state_ = IDLE;
  int end_state_ = IDLE;
  int knob_state_ = IDLE;
  unsigned char pressed_ = 0;
  KS_VECTOR2 step_vector_;
  KS_VECTOR2 knob_offset_;
  KS_VECTOR2 direction_;
  std::unique_ptr<KC_HIT_SHAPE> start_shape_;
  std::unique_ptr<KC_HIT_SHAPE> end_shape_;
  std::unique_ptr<KC_HIT_SHAPE> knob_shape_;
  std::unique_ptr<KS_TRANSFORM3> start_transform_;
  std::unique_ptr<KS_TRANSFORM3> end_transform_;
  std::unique_ptr<KS_TRANSFORM3> knob_transform_;
  float button_distance_ = 0.0f;
  bool points_slider_relative_ = false;
};

}  // namespace KOR
