#include "gui/KC_GUI_IMAGE.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"

namespace KOR {

KC_GUI_IMAGE::KC_GUI_IMAGE(unsigned int id, const std::string& texture_name_)
    : KC_GUI_OBJECT(id), texture_name(texture_name_) {
  kind = GUI_KIND_IMAGE;
}

KC_GUI_IMAGE::KC_GUI_IMAGE(unsigned int id, KC_TEXTURE* texture) : KC_GUI_OBJECT(id) {
  kind = GUI_KIND_IMAGE;
  build(texture);
}

KC_GUI_IMAGE::~KC_GUI_IMAGE() {}

KS_GUI_EVENT* KC_GUI_IMAGE::update() { return gui_answer(event); }

KS_GUI_EVENT* KC_GUI_IMAGE::hit_test(int code_inside) {
  if (!hit_area) return nullptr;
  if (gui_pointer_in(*this, hit_area.get())) {
    event.code = code_inside;
    return &event;
  }
  event.code = GUI_EVENT_NONE;
  return nullptr;
}

KS_GUI_EVENT* KC_GUI_IMAGE::on_release() { return hit_test(GUI_EVENT_UP); }

KS_GUI_EVENT* KC_GUI_IMAGE::on_press() { return hit_test(GUI_EVENT_DOWN); }

void KC_GUI_IMAGE::draw() {
  if (quad) quad->draw_in_world();
}

void KC_GUI_IMAGE::set_size(int w, int h) {
  if (quad) quad->set_size(w, h);
}

float KC_GUI_IMAGE::width() { return quad ? quad->width() : 0.0f; }

float KC_GUI_IMAGE::height() { return quad ? quad->height() : 0.0f; }

void KC_GUI_IMAGE::load_resources() {
  KC_TEXTURE* texture = gui_get_texture(texture_name);
  if (built && quad) {
    quad->KC_MESH::set_texture(texture);
  } else {
    build(texture);
  }
}

void KC_GUI_IMAGE::release_resources() { gui_release_mesh_texture(quad.get()); }

void KC_GUI_IMAGE::build(KC_TEXTURE* texture) {
  if (built || !texture) return;
  built = 1;
  quad = std::make_unique<KC_QUAD>(texture, transform);
  hit_area = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, transform, quad->width(),
                                            quad->height());
  quad->set_hot_spot(static_cast<unsigned>(hot_spot), 0.0f, 0.0f);
}

void KC_GUI_IMAGE::set_texture_name(const std::string& name) {
  if (!quad) {
    texture_name = name;
    return;
  }
  built = 0;
  release_resources();
  texture_name = name;
  load_resources();
}

void KC_GUI_IMAGE::set_texture(KC_TEXTURE* texture) {
  // Kept on the widget's transform, so the picture stays where the widget is.
  if (quad) quad->set_texture(texture, transform);
}

}  // namespace KOR
