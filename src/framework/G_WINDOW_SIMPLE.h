#pragma once

#include "framework/G_WINDOW.h"

namespace KOR_GF {

// A window that reacts to no widget: it opens and closes only through its
// manager.
class G_WINDOW_SIMPLE : public G_WINDOW {
 public:
  explicit G_WINDOW_SIMPLE(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_control(int) override {}
};

}  // namespace KOR_GF
