#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The frame of the conveyor tape: the area of its call button and the belt,
// whose width the tape reads and which it lays out from the picture's
// upper-left corner. The tape draws itself.
class HUD_PANEL_TAPE : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kCallArea = 1,
    kBelt = 2,
  };

  explicit HUD_PANEL_TAPE(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_control(int) override {}
};

}  // namespace game
