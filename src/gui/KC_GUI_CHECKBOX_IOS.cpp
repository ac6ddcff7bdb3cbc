#include "gui/KC_GUI_CHECKBOX_IOS.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "bots/KC_BASE.h"
#include "bots/KC_BOT_MOVE.h"
#include "bots/bot_creators.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"

namespace KOR {

namespace {
constexpr float kSlideSeconds = 0.3f;
}

KC_GUI_CHECKBOX_IOS::KC_GUI_CHECKBOX_IOS(unsigned int id, const std::string& panel_texture_name,
                                         const std::string& knob_texture_name)
    : KC_GUI_CHECKBOX_INTERFACE(id),
      panel_texture_name(panel_texture_name),
      knob_texture_name(knob_texture_name),
      slide_done(&KC_GUI_CHECKBOX_IOS::on_move_done, "", this) {
  kind = GUI_KIND_CHECKBOX_IOS;
}

KC_GUI_CHECKBOX_IOS::~KC_GUI_CHECKBOX_IOS() {
  // A running slide moves the knob's transform: it goes first.
  behaviours.delete_all();
}

int KC_GUI_CHECKBOX_IOS::on_move_done(void* widget) {
  if (widget == nullptr) return 0;
  static_cast<KC_GUI_CHECKBOX_IOS*>(widget)->knob_at_rest = 1;
  return 1;
}

KS_GUI_EVENT* KC_GUI_CHECKBOX_IOS::update() {
  behaviours.update();
  return nullptr;
}

KS_GUI_EVENT* KC_GUI_CHECKBOX_IOS::on_press() {
  event.code = GUI_EVENT_NONE;
  if (!gui_pointer_in(*this, hit_area.get())) return nullptr;
  set_checked(!checked, false);
  event.code = GUI_EVENT_UP;
  return &event;
}

void KC_GUI_CHECKBOX_IOS::draw() {
  if (!built_) return;
  panel->draw_in_world();
  knob->draw_in_world();
}

float KC_GUI_CHECKBOX_IOS::width() { return panel != nullptr ? panel->width() : 0.0f; }

float KC_GUI_CHECKBOX_IOS::height() { return panel != nullptr ? panel->height() : 0.0f; }

void KC_GUI_CHECKBOX_IOS::load_resources() {
  KC_TEXTURE* panel_texture = gui_get_texture(panel_texture_name);
  KC_TEXTURE* knob_texture = gui_get_texture(knob_texture_name);
  if (built_) {
    panel->KC_MESH::set_texture(panel_texture);
    knob->KC_MESH::set_texture(knob_texture);
  } else {
    build(panel_texture, knob_texture);
  }
}

void KC_GUI_CHECKBOX_IOS::release_resources() {
  gui_release_mesh_texture(panel.get());
  gui_release_mesh_texture(knob.get());
}

void KC_GUI_CHECKBOX_IOS::build(KC_TEXTURE* panel_texture, KC_TEXTURE* knob_texture) {
  panel = std::make_unique<KC_QUAD>(panel_texture, transform);
  knob = std::make_unique<KC_QUAD>(knob_texture, nullptr);
  knob->transform()->parent = transform;
  hit_area = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, transform, panel->width(),
                                            panel->height());
  const int g = static_cast<int>(panel->width() * 0.5f + knob->width() * -0.5f);
  unchecked_x = g;
  checked_x = -g;
  knob->set_position(static_cast<float>(checked_x), 0.0f, 0.0f);
  panel->set_hot_spot(HS_MID);
  knob->set_hot_spot(HS_MID);
  built_ = 1;
}

void KC_GUI_CHECKBOX_IOS::set_checked(bool value, bool immediately) {
  if (value == (checked != 0) || !knob_at_rest || knob == nullptr) return;
  checked = value ? 1 : 0;
  const float x = static_cast<float>(value ? checked_x : unchecked_x);
  if (immediately) {
    knob_at_rest = 1;
    knob->set_position(x, 0.0f, 0.0f);
    return;
  }
  knob_at_rest = 0;
  KC_BASE* slide = bot_create_move(knob->transform(), kSlideSeconds, 0.0f, x, 0.0f, 0.0f, 0.0f);
  slide->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, bot_word(&slide_done));
  behaviours.add(slide);
}

}  // namespace KOR
