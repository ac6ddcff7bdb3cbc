#pragma once

#include "framework/G_WINDOW.h"

namespace game {

// The worlds tab ("WINDOW_WORLDS"): a button per world with up to three
// stars. Choosing an open world starts its music and leads to its levels.
class SG_WINDOW_WORLDS : public KOR_GF::G_WINDOW {
 public:
  // The id of world n's button in the window's description.
  static constexpr unsigned int world_button(int world) { return static_cast<unsigned int>(world); }

  explicit SG_WINDOW_WORLDS(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_closed() override;
  // Only the button of an open world chooses it; any other widget's event
  // is no world.
  void on_control(int widget_id) override;

  // Open worlds with their rating in stars, locked ones disabled and
  // starless.
  void refresh();
};

}  // namespace game
