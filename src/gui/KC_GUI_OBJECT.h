#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"
#include "gui/KS_GUI_EVENT.h"

namespace KOR {

// Class codes held in KC_GUI_OBJECT::kind.
enum : int {
  GUI_KIND_OBJECT = 0,
  GUI_KIND_BUTTON = 1,
  GUI_KIND_CHECKBOX5 = 2,
  GUI_KIND_TEXTBOX = 3,
  GUI_KIND_LINEBOX = 4,
  GUI_KIND_PROGRESS_BAR = 5,
  GUI_KIND_PANEL = 7,
  GUI_KIND_LABEL = 8,
  GUI_KIND_IMAGE = 9,
  GUI_KIND_SLIDER13 = 11,
  GUI_KIND_WLABEL = 13,
  GUI_KIND_LISTBOX = 14,
  GUI_KIND_PANEL9 = 15,
  GUI_KIND_CHECKBOX_IOS = 16,
};

// A node of a widget tree. Children are asked for input before their parent
// and drawn after it; the tree walks are here, what a widget does on its own
// is in the virtual operations its class overrides.
class KC_GUI_OBJECT {
 public:
  explicit KC_GUI_OBJECT(unsigned int id);
  virtual ~KC_GUI_OBJECT();
  KC_GUI_OBJECT(const KC_GUI_OBJECT&) = delete;
  KC_GUI_OBJECT& operator=(const KC_GUI_OBJECT&) = delete;

  virtual KS_GUI_EVENT* update() { return nullptr; }
  virtual KS_GUI_EVENT* on_release() { return nullptr; }
  virtual KS_GUI_EVENT* on_press() { return nullptr; }
  virtual KS_GUI_EVENT* on_pointer_move() { return nullptr; }
  virtual void draw() {}
  virtual void set_position(float x, float y, float z);
  virtual void set_size(int w, int h);
  virtual float width() { return 0.0f; }
  virtual float height() { return 0.0f; }
  virtual void load_resources() {}
  virtual void release_resources() {}

  void set_visible(uint8_t value) { visible = value; }
  void set_enabled(uint8_t value) { enabled = value; }
  void set_id(unsigned int id) { event.id = id; }
  unsigned int id() const { return event.id; }
  int code() const { return event.code; }
  void set_focus_tree(uint8_t value);

  void add_child(KC_GUI_OBJECT* child);
  // An index past the end appends.
  void insert_child(KC_GUI_OBJECT* child, unsigned int index);

  void draw_tree();
  KS_GUI_EVENT* dispatch_move();
  KS_GUI_EVENT* dispatch_press();
  KS_GUI_EVENT* dispatch_release();
  KS_GUI_EVENT* dispatch_update();
  void load_resources_tree();
  void release_resources_tree();

  // First descendant in pre-order with the id; never this node itself.
  KC_GUI_OBJECT* find_by_id(unsigned int id);
  int event_code_of(unsigned int id);
  void delete_children();
  // Delete the first matching descendant with its subtree; true when found.
  bool remove_child(KC_GUI_OBJECT* widget);
  bool remove_child_by_id(unsigned int id);

  void apply_layout(int screen_width);
  // (x, y) of the 1024 list when which is 1, of the 1366 list when 0;
  // missing entries read as 0.
  KS_VECTOR2 layout_position(uint8_t which) const;

  // The hook invoked with this widget as argument; a missing one does nothing.
  void fire_hook(const std::unique_ptr<KC_CALLBACK>& hook);

  int kind = GUI_KIND_OBJECT;
  uint8_t visible = 1;
  uint8_t enabled = 1;
  uint8_t focused = 0;
  // The widget's own placement; children hang theirs from it.
  KS_TRANSFORM3* const transform = &placement_;
  const int* pointer_x;
  const int* pointer_y;
  uint8_t pass_through = 0;
  KS_GUI_EVENT event;
  KC_GUI_OBJECT* parent = nullptr;
  // Owned: deleted with this node or by the removals below. Plain pointers,
  // as builders and windows hand widgets in and walk the tree.
  std::vector<KC_GUI_OBJECT*> children;
  std::vector<std::string> transform_list;
  std::vector<std::string> transform_1366_list;
  // Set by whoever builds the widget; the widget owns them.
  std::unique_ptr<KC_CALLBACK> hook_enter;
  std::unique_ptr<KC_CALLBACK> hook_leave;
  std::unique_ptr<KC_CALLBACK> hook_down;
  std::unique_ptr<KC_CALLBACK> hook_up;

 private:
  KS_TRANSFORM3 placement_;
  enum class DISPATCH { MOVE, PRESS, RELEASE, UPDATE };
  KS_GUI_EVENT* dispatch(DISPATCH kind);
  template <typename MATCH>
  bool remove_first(MATCH matches);
};

// Applies a layout list of twelve or more numbers to the transform:
// position, pivot added to the current one, rotation, scale. A shorter list
// changes nothing; true when applied.
// Where widgets and controllers read the pointer: the input object's x
// (axis 0) or y (axis 1), or a pointer resting at the origin while no input
// object exists, so a hit test never reads through null.
const int* gui_pointer_coordinate(int axis);

bool gui_apply_transform_list(KS_TRANSFORM3& transform, const std::vector<std::string>& list);

}  // namespace KOR
