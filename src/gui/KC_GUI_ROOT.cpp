#include "gui/KC_GUI_ROOT.h"

#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

// After delete_root every operation is a no-op (or null, 0), so a window torn
// down early cannot reach a freed tree.

KC_GUI_ROOT::KC_GUI_ROOT() : root(new KC_GUI_OBJECT(0)) {}

KC_GUI_ROOT::~KC_GUI_ROOT() { delete_root(); }

void KC_GUI_ROOT::delete_root() {
  delete root;
  root = nullptr;
  last_event = nullptr;
}

void KC_GUI_ROOT::add(KC_GUI_OBJECT* widget) {
  if (root) root->add_child(widget);
}

void KC_GUI_ROOT::clear() {
  if (!root) return;
  root->delete_children();
  last_event = nullptr;
}

void KC_GUI_ROOT::draw() {
  if (root) root->draw_tree();
}

KS_GUI_EVENT* KC_GUI_ROOT::on_pointer_move() {
  return last_event = root ? root->dispatch_move() : nullptr;
}

KS_GUI_EVENT* KC_GUI_ROOT::on_press() {
  return last_event = root ? root->dispatch_press() : nullptr;
}

KS_GUI_EVENT* KC_GUI_ROOT::on_release() {
  return last_event = root ? root->dispatch_release() : nullptr;
}

KS_GUI_EVENT* KC_GUI_ROOT::update() {
  return last_event = root ? root->dispatch_update() : nullptr;
}

void KC_GUI_ROOT::load_resources() {
  if (root) root->load_resources_tree();
}

void KC_GUI_ROOT::release_resources() {
  if (root) root->release_resources_tree();
}

KC_GUI_OBJECT* KC_GUI_ROOT::find(unsigned int id) { return root ? root->find_by_id(id) : nullptr; }

void KC_GUI_ROOT::set_position(float x, float y, float z) {
  if (root) root->set_position(x, y, z);
}

void KC_GUI_ROOT::set_size(int w, int h) {
  if (root) root->set_size(w, h);
}

uint8_t KC_GUI_ROOT::is_enabled() const { return root ? root->enabled : 0; }

void KC_GUI_ROOT::set_enabled(uint8_t value) {
  if (root) root->set_enabled(value);
}

void KC_GUI_ROOT::set_visible(uint8_t value) {
  if (root) root->set_visible(value);
}

KS_VECTOR2 KC_GUI_ROOT::position() const {
  return root ? root->transform->position_xy() : KS_VECTOR2();
}

void KC_GUI_ROOT::move_by(float dx, float dy) {
  if (root) root->transform->move_by(dx, dy);
}

int KC_GUI_ROOT::event_code_of(unsigned int id) { return root ? root->event_code_of(id) : 0; }

void KC_GUI_ROOT::remove_child(KC_GUI_OBJECT* widget) {
  if (!root) return;
  // The last answer may be the record of the widget going away.
  last_event = nullptr;
  root->remove_child(widget);
}

void KC_GUI_ROOT::remove_child_by_id(unsigned int id) {
  if (!root) return;
  last_event = nullptr;
  root->remove_child_by_id(id);
}

int KC_GUI_ROOT::last_event_id() const { return last_event ? static_cast<int>(last_event->id) : 0; }

int KC_GUI_ROOT::last_event_code() const { return last_event ? last_event->code : 0; }

}  // namespace KOR
