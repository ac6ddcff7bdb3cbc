#include "gui/KC_BUTTON_CONTROLLER.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_OBJECT.h"
#include "platform/KC_INPUT.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kFrames = 5;

}  // namespace

KC_CONTROLLER_BASE::KC_CONTROLLER_BASE(KC_TEXTURE* texture, KS_TRANSFORM3* transform_, int hit_type,
                                       float width, float height)
    : transform(transform_),
      pointer_x(gui_pointer_coordinate(0)),
      pointer_y(gui_pointer_coordinate(1)) {
  if (!transform) {
    owned_transform_ = std::make_unique<KS_TRANSFORM3>();
    transform = owned_transform_.get();
  }
  quad = std::make_unique<KC_QUAD>(texture, transform);
  // Without a texture the quad is still placed, only empty.
  if (!texture) quad->use_transform(transform);
  if (hit_type == KC_HIT_SHAPE::kCircle && height == 0.0f) height = width;
  if (texture && width == 0.0f) width = 0.2f * static_cast<float>(texture->image_size.x);
  if (texture && height == 0.0f) height = static_cast<float>(texture->image_size.y);
  hit_area = std::make_unique<KC_HIT_SHAPE>(hit_type, transform, width, height);
  if (hit_type == KC_HIT_SHAPE::kCircle) hit_area->set_radius(width / 2.0f);
  quad->set_size(static_cast<int>(width), static_cast<int>(height));
  quad->set_hot_spot(HS_MID);
  set_frame(0);
}

KC_CONTROLLER_BASE::~KC_CONTROLLER_BASE() = default;

KC_TEXTURE* KC_CONTROLLER_BASE::texture() const { return quad->texture(); }

void KC_CONTROLLER_BASE::set_frame(int frame) { quad->set_grid_frame(kFrames, 1, frame, false); }

bool KC_CONTROLLER_BASE::inside() const {
  return hit_area->contains(static_cast<float>(*pointer_x), static_cast<float>(*pointer_y));
}

bool KC_CONTROLLER_BASE::pressed(int key) {
  return KC_INPUT::instance && KC_INPUT::instance->key_pressed(key);
}

bool KC_CONTROLLER_BASE::released(int key) {
  return KC_INPUT::instance && KC_INPUT::instance->key_released(key);
}

void KC_CONTROLLER_BASE::hover_step() {
  if (!inside()) {
    state = 0;
    left_held = right_held = 0;
    callback_invoke(hook_leave, nullptr);
  } else {
    for (int key : {kLeft, kRight}) {
      if (!pressed(key)) continue;
      (key == kLeft ? left_held : right_held) = 1;
      state = 2;
      callback_invoke(hook_down, nullptr);
    }
  }
  set_frame(state);
}

int KC_CONTROLLER_BASE::release_step(int next) {
  for (int key : {kLeft, kRight}) {
    uint8_t& held = key == kLeft ? left_held : right_held;
    if (!held || !released(key)) continue;
    held = 0;
    state = next;
    set_frame(next);
    const uint8_t other_held = key == kLeft ? right_held : left_held;
    if (!other_held) callback_invoke(key == kLeft ? hook_left_click : hook_right_click, nullptr);
    return kControllerClick;
  }
  return 0;
}

KC_BUTTON_CONTROLLER::KC_BUTTON_CONTROLLER(KC_TEXTURE* texture, KS_TRANSFORM3* transform,
                                           int hit_type, float width, float height)
    : KC_CONTROLLER_BASE(texture, transform, hit_type, width, height) {}

void KC_BUTTON_CONTROLLER::reset() {
  state = 0;
  set_frame(0);
}

int KC_BUTTON_CONTROLLER::update() {
  switch (state) {
    case 0:
      if (!inside()) return 0;
      state = 1;
      callback_invoke(hook_enter, nullptr);
      if (!pressed(kLeft)) return 1;
      state = 2;
      left_held = 1;
      callback_invoke(hook_down, nullptr);
      return 2;
    case 1:
      hover_step();
      return 0;
    case 2:
      if (!inside()) {
        state = 0;
        left_held = right_held = 0;
        callback_invoke(hook_leave, nullptr);
      }
      if (release_step(1) == kControllerClick) return kControllerClick;
      set_frame(state);
      return 0;
    case 3:
    case 4:
      return 0;
    default:
      set_frame(state);
      return 0;
  }
}

KC_TOGGLE_CONTROLLER::KC_TOGGLE_CONTROLLER(KC_TEXTURE* texture)
    : KC_CONTROLLER_BASE(texture, nullptr, KC_HIT_SHAPE::kRectangle, 0.0f, 0.0f) {}

int KC_TOGGLE_CONTROLLER::update() {
  switch (state) {
    case 0:
      if (inside()) {
        state = 1;
        callback_invoke(hook_enter, nullptr);
        set_frame(1);
      }
      return 0;
    case 1:
      hover_step();
      return 0;
    case 2:
      if (release_step(3) == kControllerClick) return kControllerClick;
      hover_step();
      return 0;
    case 3:
      return update_on();
    default:
      return 0;
  }
}

int KC_TOGGLE_CONTROLLER::update_on() {
  for (int key : {kLeft, kRight}) {
    uint8_t& held = key == kLeft ? left_held : right_held;
    if (!held || !released(key)) continue;
    held = 0;
    // With the other button still down the control stays on, silently.
    if (!(key == kLeft ? right_held : left_held)) {
      state = 1;
      set_frame(1);
      callback_invoke(key == kLeft ? hook_left_click : hook_right_click, nullptr);
    }
    return kControllerClick;
  }
  if (inside()) {
    hovered = 1;
    for (int key : {kLeft, kRight}) {
      if (!pressed(key)) continue;
      (key == kLeft ? left_held : right_held) = 1;
      callback_invoke(hook_down, nullptr);
    }
  } else {
    hovered = left_held = right_held = 0;
  }
  return 0;
}

void KC_TOGGLE_CONTROLLER::draw() {
  if (state == 3) {
    set_frame(!hovered ? 0 : (left_held || right_held) ? 2 : 1);
    quad->draw();
    set_frame(3);
  }
  quad->draw();
}

}  // namespace KOR
