#pragma once

#include <cstdint>

#include "foundation/KS_VECTOR2.h"

namespace KOR {

class KC_GUI_OBJECT;
struct KS_GUI_EVENT;

// The widget tree of one window: a plain root node (id 0) and the answer of
// the last dispatch through it.
class KC_GUI_ROOT {
 public:
  KC_GUI_ROOT();
  ~KC_GUI_ROOT();
  KC_GUI_ROOT(const KC_GUI_ROOT&) = delete;
  KC_GUI_ROOT& operator=(const KC_GUI_ROOT&) = delete;

  void delete_root();
  void add(KC_GUI_OBJECT* widget);
  void clear();
  void draw();
  KS_GUI_EVENT* on_pointer_move();
  KS_GUI_EVENT* on_press();
  KS_GUI_EVENT* on_release();
  KS_GUI_EVENT* update();
  void load_resources();
  void release_resources();
  KC_GUI_OBJECT* find(unsigned int id);
  void set_position(float x, float y, float z);
  void set_size(int w, int h);
  uint8_t is_enabled() const;
  void set_enabled(uint8_t value);
  void set_visible(uint8_t value);
  KS_VECTOR2 position() const;
  void move_by(float dx, float dy);
  int event_code_of(unsigned int id);
  void remove_child(KC_GUI_OBJECT* widget);
  void remove_child_by_id(unsigned int id);
  int last_event_id() const;
  int last_event_code() const;

  KS_GUI_EVENT* last_event = nullptr;
  // The tree's top, owned and freed by delete_root; a plain pointer, as the
  // windows built on the root read it.
  KC_GUI_OBJECT* root;
};

}  // namespace KOR
