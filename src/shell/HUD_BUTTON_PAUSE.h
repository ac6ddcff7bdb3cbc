#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The pause button of a level: it pauses the level and opens the pause
// window. The level scene asks it first about every left press.
class HUD_BUTTON_PAUSE : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kPauseButton = 1,
  };

  explicit HUD_BUTTON_PAUSE(const pugi::xml_node& element) : G_WINDOW(element) {}

  // The screen point lies on the button where the window shows it; never
  // without a button.
  bool hit_test(float x, float y) const;
  void on_open_begin() override;
  void on_control(int widget_id) override;
};

}  // namespace game
