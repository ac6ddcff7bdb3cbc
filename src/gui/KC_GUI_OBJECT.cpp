#include "gui/KC_GUI_OBJECT.h"

#include <algorithm>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/screen_layout.h"
#include "foundation/value_text.h"
#include "platform/KC_INPUT.h"

namespace KOR {

KC_GUI_OBJECT::KC_GUI_OBJECT(unsigned int id)
    : pointer_x(gui_pointer_coordinate(0)), pointer_y(gui_pointer_coordinate(1)) {
  event.id = id;
}

KC_GUI_OBJECT::~KC_GUI_OBJECT() {
  // Children first: their transforms point at ours.
  delete_children();
}

void KC_GUI_OBJECT::set_position(float x, float y, float z) { transform->set_position(x, y, z); }

void KC_GUI_OBJECT::set_size(int, int) {}

void KC_GUI_OBJECT::set_focus_tree(uint8_t value) {
  focused = value;
  for (KC_GUI_OBJECT* child : children) child->set_focus_tree(value);
}

void KC_GUI_OBJECT::add_child(KC_GUI_OBJECT* child) {
  insert_child(child, static_cast<unsigned int>(children.size()));
}

void KC_GUI_OBJECT::insert_child(KC_GUI_OBJECT* child, unsigned int index) {
  if (!child) return;
  child->parent = this;
  child->transform->parent = transform;
  const size_t at = std::min<size_t>(index, children.size());
  children.insert(children.begin() + static_cast<std::ptrdiff_t>(at), child);
}

void KC_GUI_OBJECT::draw_tree() {
  if (!visible) return;
  draw();
  for (KC_GUI_OBJECT* child : children) child->draw_tree();
}

KS_GUI_EVENT* KC_GUI_OBJECT::dispatch(DISPATCH how) {
  if (!enabled) return nullptr;
  // The first LEAVE of a move: the walk goes on to what the pointer came onto.
  KS_GUI_EVENT* left = nullptr;
  for (size_t i = 0; i < children.size(); ++i) {
    KC_GUI_OBJECT* child = children[i];
    KS_GUI_EVENT* answer = child->dispatch(how);
    if (!answer) continue;
    if (gui_is_focus_code(answer->code)) {
      focused = 1;
      // The update pass has not asked the later children yet and leaves them be.
      const size_t end = how == DISPATCH::UPDATE ? i : children.size();
      for (size_t j = 0; j < end; ++j) {
        if (j != i) children[j]->set_focus_tree(0);
      }
    }
    if (how == DISPATCH::MOVE && !gui_takes_pointer(answer)) {
      if (!left) left = answer;
      continue;
    }
    if (how != DISPATCH::PRESS || child->pass_through) return answer;
  }
  switch (how) {
    case DISPATCH::MOVE: {
      KS_GUI_EVENT* own = on_pointer_move();
      return gui_takes_pointer(own) || !left ? own : left;
    }
    case DISPATCH::PRESS:
      return on_press();
    case DISPATCH::RELEASE:
      return on_release();
    case DISPATCH::UPDATE:
      break;
  }
  return update();
}

KS_GUI_EVENT* KC_GUI_OBJECT::dispatch_move() { return dispatch(DISPATCH::MOVE); }
KS_GUI_EVENT* KC_GUI_OBJECT::dispatch_press() { return dispatch(DISPATCH::PRESS); }
KS_GUI_EVENT* KC_GUI_OBJECT::dispatch_release() { return dispatch(DISPATCH::RELEASE); }
KS_GUI_EVENT* KC_GUI_OBJECT::dispatch_update() { return dispatch(DISPATCH::UPDATE); }

void KC_GUI_OBJECT::load_resources_tree() {
  load_resources();
  for (KC_GUI_OBJECT* child : children) child->load_resources_tree();
}

void KC_GUI_OBJECT::release_resources_tree() {
  release_resources();
  for (KC_GUI_OBJECT* child : children) child->release_resources_tree();
}

KC_GUI_OBJECT* KC_GUI_OBJECT::find_by_id(unsigned int id) {
  for (KC_GUI_OBJECT* child : children) {
    if (child->id() == id) return child;
    if (KC_GUI_OBJECT* found = child->find_by_id(id)) return found;
  }
  return nullptr;
}

int KC_GUI_OBJECT::event_code_of(unsigned int id) {
  const KC_GUI_OBJECT* found = find_by_id(id);
  return found ? found->code() : 0;
}

void KC_GUI_OBJECT::delete_children() {
  // Taken out of the list before deletion, so nothing reaches a freed child.
  std::vector<KC_GUI_OBJECT*> doomed;
  doomed.swap(children);
  for (KC_GUI_OBJECT* child : doomed) delete child;
}

template <typename MATCH>
bool KC_GUI_OBJECT::remove_first(MATCH matches) {
  for (auto it = children.begin(); it != children.end(); ++it) {
    KC_GUI_OBJECT* child = *it;
    if (matches(child)) {
      children.erase(it);
      delete child;
      return true;
    }
    if (child->remove_first(matches)) return true;
  }
  return false;
}

bool KC_GUI_OBJECT::remove_child(KC_GUI_OBJECT* widget) {
  return remove_first([widget](const KC_GUI_OBJECT* child) { return child == widget; });
}

bool KC_GUI_OBJECT::remove_child_by_id(unsigned int id) {
  return remove_first([id](const KC_GUI_OBJECT* child) { return child->id() == id; });
}

void KC_GUI_OBJECT::apply_layout(int screen_width) {
  if (screen_width == kNarrowScreenWidth) {
    gui_apply_transform_list(*transform, transform_list);
  } else if (screen_width == kWideScreenWidth) {
    gui_apply_transform_list(*transform, transform_1366_list);
  }
  const KS_VECTOR3 p = transform->position;
  set_position(p.x, p.y, p.z);
}

KS_VECTOR2 KC_GUI_OBJECT::layout_position(uint8_t which) const {
  const std::vector<std::string>& list = which == 1 ? transform_list : transform_1366_list;
  KS_VECTOR2 out;
  if (!list.empty()) out.x = value_text_float(list[0]);
  if (list.size() > 1) out.y = value_text_float(list[1]);
  return out;
}

void KC_GUI_OBJECT::fire_hook(const std::unique_ptr<KC_CALLBACK>& hook) {
  if (hook) callback_invoke(hook, this);
}

const int* gui_pointer_coordinate(int axis) {
  static const int resting[2] = {0, 0};
  if (!KC_INPUT::instance) return &resting[axis != 0];
  return axis == 0 ? &KC_INPUT::instance->pointer.x : &KC_INPUT::instance->pointer.y;
}

bool gui_apply_transform_list(KS_TRANSFORM3& transform, const std::vector<std::string>& list) {
  if (list.size() < 12) return false;
  float v[12];
  for (int i = 0; i < 12; ++i) v[i] = value_text_float(list[static_cast<size_t>(i)]);
  transform.set_position(v[0], v[1], v[2]);
  transform.set_pivot(transform.pivot.x + v[3], transform.pivot.y + v[4], transform.pivot.z + v[5]);
  transform.set_rotation(v[6], v[7], v[8]);
  transform.set_scale(v[9], v[10], v[11]);
  return true;
}

}  // namespace KOR
