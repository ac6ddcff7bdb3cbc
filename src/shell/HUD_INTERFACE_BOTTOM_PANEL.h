#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The background behind the tape and the press.
class HUD_INTERFACE_BOTTOM_PANEL : public KOR_GF::G_WINDOW {
 public:
  explicit HUD_INTERFACE_BOTTOM_PANEL(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int) override {}
};

}  // namespace game
