#include "gui/KC_GUI_STRIP.h"

#include <utility>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"

namespace KOR {

KC_GUI_STRIP::KC_GUI_STRIP(int frames, HIT hit, std::string texture_name)
    : frames_(frames), hit_mode_(hit), texture_name_(std::move(texture_name)) {}

KC_GUI_STRIP::~KC_GUI_STRIP() {}

void KC_GUI_STRIP::build(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int frame) {
  if (built_) return;
  built_ = 1;
  quad_ = std::make_unique<KC_QUAD>(texture, transform);
  const float fraction = 1.0f / static_cast<float>(frames_);
  const float frame_width = fraction * quad_->width();
  const float frame_height = quad_->height();
  quad_->set_size(static_cast<int>(frame_width), static_cast<int>(frame_height));
  quad_->set_hot_spot(HS_MID);
  const float hit_width = hit_mode_ == HIT::EXACT ? frame_width : quad_->width();
  hit_ = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, transform, hit_width,
                                        quad_->height());
  show(frame);
}

void KC_GUI_STRIP::load(KS_TRANSFORM3* transform, int frame) {
  KC_TEXTURE* texture = gui_get_texture(texture_name_);
  if (built_) {
    quad_->KC_MESH::set_texture(texture);
  } else {
    build(texture, transform, frame);
  }
}

void KC_GUI_STRIP::release() { gui_release_mesh_texture(quad_.get()); }

void KC_GUI_STRIP::show(int frame) {
  if (quad_ != nullptr) quad_->set_grid_frame(frames_, 1, frame, false);
}

void KC_GUI_STRIP::draw() {
  if (quad_ != nullptr) quad_->draw_in_world();
}

void KC_GUI_STRIP::set_size(int width, int height) {
  if (quad_ == nullptr) return;
  quad_->set_size(width, height);
  quad_->set_hot_spot(HS_MID);
  hit_->set_width(static_cast<float>(width));
  hit_->set_height(static_cast<float>(height));
}

float KC_GUI_STRIP::width() const { return quad_ != nullptr ? quad_->width() : 0.0f; }

float KC_GUI_STRIP::height() const { return quad_ != nullptr ? quad_->height() : 0.0f; }

bool KC_GUI_STRIP::contains_pointer(const KC_GUI_OBJECT& widget) const {
  return gui_pointer_in(widget, hit_.get());
}

}  // namespace KOR
