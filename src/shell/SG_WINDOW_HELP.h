#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The help window ("Help"), opened over the pause window: its content is
// its description; control 1 closes it and leaves the window behind as it
// was.
class SG_WINDOW_HELP : public KOR_GF::G_WINDOW {
 public:
  explicit SG_WINDOW_HELP(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int widget_id) override;
};

}  // namespace game
