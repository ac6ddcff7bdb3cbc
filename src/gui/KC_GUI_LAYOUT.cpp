#include "gui/KC_GUI_LAYOUT.h"

#include <algorithm>
#include <cmath>

#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

namespace {

bool is_one_of(int code, int a, int b, int c) { return code == a || code == b || code == c; }

}  // namespace

KC_GUI_LAYOUT::KC_GUI_LAYOUT(unsigned int id, float width, float height, uint8_t even_gaps_,
                             int direction)
    : KC_GUI_OBJECT(id),
      box_width(width),
      box_height(height),
      direction_code(direction),
      even_gaps(even_gaps_) {}

void KC_GUI_LAYOUT::turned_size(KC_GUI_OBJECT* widget, float& w, float& h) {
  const float r = widget->transform->rotation.z;
  const float c = std::cos(r);
  const float s = std::sin(r);
  const float width = widget->width();
  const float height = widget->height();
  w = c * width + s * height;
  h = c * height + s * width;
}

bool KC_GUI_LAYOUT::add(KC_GUI_OBJECT* widget, int cross_code, float gap) {
  return insert(widget, static_cast<unsigned int>(children.size()), cross_code, gap);
}

bool KC_GUI_LAYOUT::insert(KC_GUI_OBJECT* widget, unsigned int index, int cross_code, float gap) {
  if (!widget) return false;
  float w = 0.0f;
  float h = 0.0f;
  turned_size(widget, w, h);
  if (w > box_width || h > box_height) return false;
  // The three lists stay in step, also for an index past the end.
  const size_t at = std::min<size_t>(index, children.size());
  gaps.insert(gaps.begin() + static_cast<std::ptrdiff_t>(at), gap);
  cross_codes.insert(cross_codes.begin() + static_cast<std::ptrdiff_t>(at), cross_code);
  insert_child(widget, static_cast<unsigned int>(at));
  used_width += w;
  used_height += h;
  arrange(even_gaps, direction_code);
  return true;
}

void KC_GUI_LAYOUT::remove(KC_GUI_OBJECT* widget) {
  const unsigned int index = index_of(widget);
  if (index >= children.size()) return;
  float w = 0.0f;
  float h = 0.0f;
  turned_size(widget, w, h);
  gaps.erase(gaps.begin() + index);
  cross_codes.erase(cross_codes.begin() + index);
  used_width -= w;
  used_height -= h;
  remove_child(widget);
  arrange(even_gaps, direction_code);
}

void KC_GUI_LAYOUT::remove_at(unsigned int index) {
  if (index < children.size()) remove(children[index]);
}

unsigned int KC_GUI_LAYOUT::index_of(const KC_GUI_OBJECT* widget) const {
  return static_cast<unsigned int>(std::find(children.begin(), children.end(), widget) -
                                   children.begin());
}

void KC_GUI_LAYOUT::set_width(float value) {
  box_width = std::max(value, used_width);
  arrange(even_gaps, direction_code);
}

void KC_GUI_LAYOUT::set_height(float value) {
  box_height = std::max(value, used_height);
  arrange(even_gaps, direction_code);
}

void KC_GUI_LAYOUT::line_up(bool horizontal, uint8_t even, int direction) {
  // Along is x for the row, y for the column; across is the other one.
  const bool reversed = horizontal ? is_one_of(direction, 2, 4, 8) : is_one_of(direction, 3, 4, 6);
  const float sign = reversed ? -1.0f : 1.0f;
  const float length = horizontal ? box_width : box_height;
  const float breadth = horizontal ? box_height : box_width;
  const float used = horizontal ? used_width : used_height;
  const float even_gap = std::max(0.0f, (length - used) / static_cast<float>(children.size() + 1));
  float pen = -0.5f * length;
  for (size_t i = 0; i < children.size(); ++i) {
    KC_GUI_OBJECT* child = children[i];
    if (!child->visible) continue;
    float w = 0.0f;
    float h = 0.0f;
    turned_size(child, w, h);
    const float along_size = horizontal ? w : h;
    const float across_size = horizontal ? h : w;
    // Children added around the box's own lists have gap 0 and code 0.
    const int code = i < cross_codes.size() ? cross_codes[i] : 0;
    const float gap = even ? even_gap : (i < gaps.size() ? gaps[i] : 0.0f);
    float across = 0.0f;
    if (horizontal ? is_one_of(code, 1, 2, 5) : is_one_of(code, 1, 3, 7)) {
      across = 0.5f * across_size - 0.5f * breadth;
    }
    if (horizontal ? is_one_of(code, 3, 4, 6) : is_one_of(code, 2, 4, 8)) {
      across = 0.5f * breadth - 0.5f * across_size;
    }
    const float c = pen + gap + 0.5f * along_size;
    if (horizontal) {
      child->set_position(c * sign, across, 0.0f);
    } else {
      child->set_position(across, c * sign, 0.0f);
    }
    pen = c + 0.5f * along_size;
  }
}

void KC_GUI_HBOX_LAYOUT::arrange(uint8_t even, int direction) { line_up(true, even, direction); }

void KC_GUI_VBOX_LAYOUT::arrange(uint8_t even, int direction) { line_up(false, even, direction); }

}  // namespace KOR
