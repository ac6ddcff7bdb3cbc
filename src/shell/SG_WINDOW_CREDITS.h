#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The credits page: its content is its description; button 1 closes it
// once it stands open.
class SG_WINDOW_CREDITS : public KOR_GF::G_WINDOW {
 public:
  explicit SG_WINDOW_CREDITS(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int widget_id) override;
};

}  // namespace game
