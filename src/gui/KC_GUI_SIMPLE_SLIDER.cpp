#include "gui/KC_GUI_SIMPLE_SLIDER.h"

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"

namespace KOR {

KC_GUI_SIMPLE_SLIDER::KC_GUI_SIMPLE_SLIDER(unsigned int id, const std::string& bar_texture,
                                           const std::string& knob_texture)
    : KC_GUI_OBJECT(id), bar(id, bar_texture), knob_texture_(knob_texture) {
  bar.transform->parent = transform;
}

KC_GUI_SIMPLE_SLIDER::~KC_GUI_SIMPLE_SLIDER() {}

void KC_GUI_SIMPLE_SLIDER::move_knob_to(int x) {
  const float centre = bar.transform->world().position.x;
  const int left = static_cast<int>(centre - bar_size_.x / 2.0f + knob_size_.x / 2.0f);
  const int right = static_cast<int>(centre + bar_size_.x / 2.0f - knob_size_.x / 2.0f);
  x = std::min(std::max(x, left), right);
  float percent = static_cast<float>(x - left) / bar_size_.x * 100.0f;
  if (x == left) percent = 0.0f;
  if (x == right) percent = 100.0f;
  bar.set_percent(percent);
  if (knob_) knob_->transform()->position.x = static_cast<float>(x) - centre;
}

void KC_GUI_SIMPLE_SLIDER::set_knob_percent(float percent) {
  const float left = bar.transform->world().position.x - bar_size_.x / 2.0f + knob_size_.x / 2.0f;
  move_knob_to(static_cast<int>(bar_size_.x * percent / 100.0f +
                                static_cast<float>(static_cast<int>(left))));
}

KS_GUI_EVENT* KC_GUI_SIMPLE_SLIDER::on_press() {
  event.code = GUI_EVENT_NONE;
  if (gui_pointer_in(*this, knob_shape_.get())) {
    pressed_ = true;
    event.code = GUI_EVENT_DOWN;
  }
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_SIMPLE_SLIDER::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  if (!pressed_) return nullptr;
  move_knob_to(*pointer_x);
  event.code = GUI_EVENT_GRAB;
  return &event;
}

KS_GUI_EVENT* KC_GUI_SIMPLE_SLIDER::on_release() {
  event.code = GUI_EVENT_NONE;
  if (!pressed_) return nullptr;
  pressed_ = false;
  event.code = GUI_EVENT_UP;
  return &event;
}

void KC_GUI_SIMPLE_SLIDER::draw() {
  bar.draw_tree();
  if (knob_) knob_->draw_in_world();
}

void KC_GUI_SIMPLE_SLIDER::load_resources() {
  bar.load_resources_tree();
  KC_TEXTURE* texture = gui_get_texture(knob_texture_);
  if (knob_ && knob_shape_) {
    knob_->KC_MESH::set_texture(texture);
    return;
  }
  knob_ = std::make_unique<KC_QUAD>(texture, nullptr);
  knob_->transform()->parent = bar.transform;
  knob_->set_hot_spot(HS_MID);
  knob_size_.set(knob_->width(), knob_->height());
  knob_shape_ = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, knob_->transform(),
                                               knob_size_.x, knob_size_.y);
  bar_size_.set(static_cast<float>(bar.frame_width), static_cast<float>(bar.frame_height));
  set_knob_percent(start_percent_);
}

void KC_GUI_SIMPLE_SLIDER::release_resources() {
  bar.release_resources_tree();
  gui_release_mesh_texture(knob_.get());
}

}  // namespace KOR
