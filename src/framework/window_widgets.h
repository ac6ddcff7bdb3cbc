#pragma once

#include <initializer_list>
#include <map>
#include <string>

#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_GUI_IMAGE;
class KC_GUI_OBJECT;
}  // namespace KOR

namespace KOR_GF {

class G_WINDOW;

// The window's widget with the id, of any class; null without one.
KOR::KC_GUI_OBJECT* find_widget(const G_WINDOW& window, unsigned int id);

// The window's widget with the id when it is of the class asked for.
template <typename WIDGET>
WIDGET* widget_of(const G_WINDOW& window, unsigned int id) {
  return dynamic_cast<WIDGET*>(find_widget(window, id));
}

// A widget's transform position and its width and height; (0, 0) for none.
KOR::KS_VECTOR2 widget_position(const KOR::KC_GUI_OBJECT* widget);
KOR::KS_VECTOR2 widget_size(KOR::KC_GUI_OBJECT* widget);
// Nothing happens to a missing widget.
void move_widget(KOR::KC_GUI_OBJECT* widget, float x, float y);
void show_widget(KOR::KC_GUI_OBJECT* widget, bool visible);

// The point (x, y) lies in the w × h rectangle centred on (cx, cy); the
// edges count as inside.
bool hud_point_in_centred_rect(float x, float y, float cx, float cy, float w, float h);

// The picture is placed by its upper-left corner from now on; nothing
// happens to a missing image.
void place_by_upper_left(KOR::KC_GUI_IMAGE* image);

// A wide label's text as the decimal text of the number; a missing label,
// or a widget of another class, is left alone.
void show_number(const G_WINDOW& window, unsigned int id, int number);
void set_label_text(const G_WINDOW& window, unsigned int id, const std::wstring& text);

// The texts wide labels held when their window was first enabled, kept so
// the labels can be filled from them ("%i"/"%d", left to right) any number
// of times.
class LABEL_TEMPLATES {
 public:
  // Keeps the current text of each label not kept before.
  void take(const G_WINDOW& window, std::initializer_list<unsigned int> ids);
  // The label's kept text with the numbers put in (its current text when
  // none was kept yet).
  void fill(const G_WINDOW& window, unsigned int id, std::initializer_list<int> numbers);

 private:
  std::map<unsigned int, std::wstring> texts_;
};

}  // namespace KOR_GF
