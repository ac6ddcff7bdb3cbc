#pragma once

#include <cstdint>
#include <memory>

#include "foundation/KC_CALLBACK.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;
struct KS_TRANSFORM3;

// Result of a controller update that completed a click.
constexpr int kControllerClick = -102;

// What the push and the toggle controller share: a five-frame strip picture
// (normal, hovered, pressed, selected or on, disabled), its hit area, the
// pointer and the hooks. Hooks are invoked without an argument; the holder
// sets them, which the controller then owns, and the state, by writing the
// members.
class KC_CONTROLLER_BASE {
 public:
  KC_CONTROLLER_BASE(const KC_CONTROLLER_BASE&) = delete;
  KC_CONTROLLER_BASE& operator=(const KC_CONTROLLER_BASE&) = delete;

  KC_TEXTURE* texture() const;
  void set_frame(int frame);

  uint8_t left_held = 0;
  uint8_t right_held = 0;
  int state = 0;
  std::unique_ptr<KC_QUAD> quad;
  std::unique_ptr<KC_HIT_SHAPE> hit_area;
  KS_TRANSFORM3* transform = nullptr;  // the given one or owned_transform_
  const int* pointer_x;
  const int* pointer_y;
  std::unique_ptr<KC_CALLBACK> hook_enter;
  std::unique_ptr<KC_CALLBACK> hook_leave;
  std::unique_ptr<KC_CALLBACK> hook_down;
  std::unique_ptr<KC_CALLBACK> hook_left_click;
  std::unique_ptr<KC_CALLBACK> hook_right_click;

 protected:
  // The picture and hit area on the transform (made and owned when null).
  // A zero width is a fifth of the texture's, a zero height the texture's;
  // a circle's zero height is its width, and its radius half of that.
  KC_CONTROLLER_BASE(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int hit_type, float width,
                     float height);
  ~KC_CONTROLLER_BASE();

  bool inside() const;
  static bool pressed(int key);
  static bool released(int key);
  // Pointer gone: back to state 0 with nothing held. Over the control: a
  // button going down holds it and shows the pressed state.
  void hover_step();
  // A held button going up: state `next`, the click hook unless the other
  // button is still held; kControllerClick, or 0 when nothing went up.
  int release_step(int next);

 private:
  std::unique_ptr<KS_TRANSFORM3> owned_transform_;  // when none was given
};

// A push button: state 0 normal, 1 hovered, 2 pressed, 3 selected,
// 4 disabled; its holder draws the quad.
class KC_BUTTON_CONTROLLER : public KC_CONTROLLER_BASE {
 public:
  KC_BUTTON_CONTROLLER(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int hit_type, float width,
                       float height);
  void reset();
  // 0, 1 or 2 from state 0 (outside, entered, entered and pressed), else 0
  // or kControllerClick.
  int update();
};

// A button that turns on and off with each click: state 0 off, 1 off and
// hovered, 2 off and pressed, 3 on, 4 disabled.
class KC_TOGGLE_CONTROLLER : public KC_CONTROLLER_BASE {
 public:
  explicit KC_TOGGLE_CONTROLLER(KC_TEXTURE* texture);
  int update();
  // A control that is on shows its on frame over its hover frame.
  void draw();

  uint8_t hovered = 0;

 private:
  int update_on();
};

}  // namespace KOR
