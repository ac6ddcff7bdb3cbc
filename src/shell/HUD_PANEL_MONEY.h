#pragma once

#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"

namespace game {

// The player's money during a level.
class HUD_PANEL_MONEY : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kMoneyLabel = 2,
  };

  explicit HUD_PANEL_MONEY(const pugi::xml_node& element) : G_WINDOW(element) {}

  // Shows the current player's money, whatever amount is passed; the
  // amount only stands in while there is no player.
  void set_money(int amount);
  void on_enable() override;
  void on_control(int) override {}

 private:
  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
