#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The credits page: its content is its description; the close button
// closes it once it stands open.
class SG_WINDOW_CREDITS : public KOR_GF::G_WINDOW {
 public:
  // The widget's id in the window's description.
  enum : int { kCloseButton = 1 };

  explicit SG_WINDOW_CREDITS(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int widget_id) override;
};

}  // namespace game
