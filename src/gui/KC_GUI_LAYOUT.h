#pragma once

#include <cstdint>
#include <vector>

#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

// An invisible box of fixed size that lines its shown children up along one
// axis, about its own centre, and aligns each across the axis by a hot-spot
// code. The children are ordinary tree children; the box draws nothing.
class KC_GUI_LAYOUT : public KC_GUI_OBJECT {
 public:
  KC_GUI_LAYOUT(unsigned int id, float width, float height, uint8_t even_gaps, int direction);

  float width() override { return box_width; }
  float height() override { return box_height; }

  // False, and the widget stays its caller's, when it is null or wider or
  // taller than the box on its own; otherwise the box owns it.
  bool add(KC_GUI_OBJECT* widget, int cross_code, float gap);
  bool insert(KC_GUI_OBJECT* widget, unsigned int index, int cross_code, float gap);
  // Deletes the child with its subtree; anything else is left alone.
  void remove(KC_GUI_OBJECT* widget);
  void remove_at(unsigned int index);
  // The child count when the widget is no child.
  unsigned int index_of(const KC_GUI_OBJECT* widget) const;
  void set_width(float value);
  void set_height(float value);

  virtual void arrange(uint8_t even, int direction) = 0;

  float box_width;
  float box_height;
  std::vector<float> gaps;
  std::vector<int> cross_codes;
  float used_width = 0.0f;
  float used_height = 0.0f;
  int direction_code;
  uint8_t even_gaps;

 protected:
  // Width and height of the widget as turned by its rotation z.
  static void turned_size(KC_GUI_OBJECT* widget, float& w, float& h);
  // Places the shown children along x (horizontal) or y.
  void line_up(bool horizontal, uint8_t even, int direction);
};

// Left to right, or right to left for direction codes 2, 4 and 8.
class KC_GUI_HBOX_LAYOUT : public KC_GUI_LAYOUT {
 public:
  using KC_GUI_LAYOUT::KC_GUI_LAYOUT;
  void arrange(uint8_t even, int direction) override;
};

// Top to bottom, or bottom to top for direction codes 3, 4 and 6.
class KC_GUI_VBOX_LAYOUT : public KC_GUI_LAYOUT {
 public:
  using KC_GUI_LAYOUT::KC_GUI_LAYOUT;
  void arrange(uint8_t even, int direction) override;
};

}  // namespace KOR
