#pragma once

#include <cstdint>

#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

// What both panels do with input: ENTER and LEAVE as the pointer crosses
// the panel, DOWN on a left press over it, UP on a left release over it
// after such a press, and while a movable panel is held, every pointer move
// drags it (GRAB). A release away from the panel is not accepted, so the
// drag goes on until a release over it.
class KC_GUI_PANEL_BASE : public KC_GUI_OBJECT {
 public:
  KC_GUI_PANEL_BASE(unsigned int id, uint8_t movable);

  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;

  uint8_t movable;
  std::unique_ptr<KC_CALLBACK> hook_grab;  // set by the builder, owned
  uint8_t hovered = 0;
  uint8_t dragging = 0;
  int grab_x = 0;
  int grab_y = 0;

 protected:
  virtual bool pointer_inside() const = 0;
};

}  // namespace KOR
