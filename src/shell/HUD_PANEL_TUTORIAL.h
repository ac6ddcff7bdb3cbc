#pragma once

#include <string>

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"

namespace game {

// The card of the first two levels' tutorial: the step's text, which the
// tutorial moves beside what it points at, and a button that ends the
// tutorial.
class HUD_PANEL_TUTORIAL : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kEndButton = 1,
    kTextLabel = 3,
    kCard = 2000,
  };

  explicit HUD_PANEL_TUTORIAL(const pugi::xml_node& element) : G_WINDOW(element) {}

  // Nothing happens without the text label.
  void show_text(const std::wstring& text);
  // The card moved to the screen point; false when the window has no card.
  bool move_card(float x, float y);
  // (0, 0) without a card.
  KOR::KS_VECTOR2 card_size() const;
  void on_control(int widget_id) override;
};

}  // namespace game
