#pragma once

#include <cstdint>

#include "framework/G_WINDOW.h"

namespace game {

// The pause menu of a level: restart, options, help, back to the menu,
// resume. The level stays paused while it is open, under options and help
// too; restart and resume take the pause away once it has closed.
class SG_WINDOW_PAUSE : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kRestartButton = 1,
    kOptionsButton = 2,
    kHelpButton = 3,
    kMenuButton = 4,
    kResumeButton = 5,
  };

  explicit SG_WINDOW_PAUSE(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_closed() override;
  void on_control(int widget_id) override;

  int32_t last_id = 0;
};

}  // namespace game
