#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The "Buy" window: its content is its description; each of its three
// buttons closes it.
class SG_WINDOW_BUY : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kOkButton = 4,
    kLaterButton = 5,
    kCloseButton = 6,
  };

  explicit SG_WINDOW_BUY(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int widget_id) override;
};

}  // namespace game
