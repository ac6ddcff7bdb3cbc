#include "gui/KC_GUI_PROGRESS_BAR.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_resources.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

KC_GUI_PROGRESS_BAR::KC_GUI_PROGRESS_BAR(unsigned int id, const std::string& texture_name)
    : KC_BASEPROGRESS(id), texture_name(texture_name) {
  kind = GUI_KIND_PROGRESS_BAR;
}

// Here, where the quads it owns are complete.
KC_GUI_PROGRESS_BAR::~KC_GUI_PROGRESS_BAR() = default;

void KC_GUI_PROGRESS_BAR::draw() {
  if (background == nullptr) return;
  background->draw_in_world();
  fill->draw_in_world();
}

void KC_GUI_PROGRESS_BAR::set_size(int w, int h) {
  frame_width = w;
  frame_height = h;
  if (background == nullptr) return;
  background->set_size(w, h);
  background->set_hot_spot(HS_MID);
  on_value_changed();
}

void KC_GUI_PROGRESS_BAR::load_resources() {
  KC_TEXTURE* texture = gui_get_texture(texture_name);
  if (background == nullptr) {
    build(texture);
    return;
  }
  background->KC_MESH::set_texture(texture);
  fill->KC_MESH::set_texture(texture);
}

void KC_GUI_PROGRESS_BAR::release_resources() {
  if (background == nullptr) return;
  // One reference serves both quads.
  gui_release_mesh_texture(background.get());
  fill->KC_MESH::set_texture(gui_default_texture());
}

void KC_GUI_PROGRESS_BAR::build(KC_TEXTURE* texture) {
  frame_width = static_cast<int>(0.5f * static_cast<float>(texture->image_size.x));
  frame_height = texture->image_size.y;
  background = std::make_unique<KC_QUAD>(texture, transform);
  background->set_size(frame_width, static_cast<int>(background->height()));
  background->set_hot_spot(HS_MID);
  background->set_grid_frame(2, 1, 0, false);
  fill = std::make_unique<KC_QUAD>(texture, nullptr);
  fill->transform()->parent = transform;
  fill->set_size(0, frame_height);
  fill->set_uv_rect(0.5f, 0.0f, 1.0f, 1.0f);
}

void KC_GUI_PROGRESS_BAR::on_value_changed() {
  if (fill == nullptr) return;
  const float f = fraction();
  fill->set_size(static_cast<int>(static_cast<float>(frame_width) * f), frame_height);
  fill->set_uv_rect(0.5f, 0.0f, 0.5f + 0.5f * f, 1.0f);
  fill->set_hot_spot(HS_ML, 0.5f * static_cast<float>(frame_width), 0.0f);
  if (!complete()) {
    filled_armed = 1;
  } else if (filled_armed) {
    fire_hook(hook_filled);
    filled_armed = 0;
  }
}

}  // namespace KOR
