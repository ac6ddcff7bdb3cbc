#pragma once

#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

// An on/off widget, read and set the same way whatever it looks like.
class KC_GUI_CHECKBOX_INTERFACE : public KC_GUI_OBJECT {
 public:
  using KC_GUI_OBJECT::KC_GUI_OBJECT;

  virtual bool is_checked() = 0;
  // Immediately skips an animated change, where the widget has one.
  virtual void set_checked(bool checked, bool immediately) = 0;
};

}  // namespace KOR
