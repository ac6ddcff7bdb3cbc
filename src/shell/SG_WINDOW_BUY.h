#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The "Buy" window: its content is its description; buttons 4, 5 and 6
// close it.
class SG_WINDOW_BUY : public KOR_GF::G_WINDOW {
 public:
  explicit SG_WINDOW_BUY(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int widget_id) override;
};

}  // namespace game
