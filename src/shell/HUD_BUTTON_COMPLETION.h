#pragma once

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"

namespace game {

// The completion-bonus button of a level with the bonuses left beside it.
class HUD_BUTTON_COMPLETION : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kCompletionButton = 1,
    kCountLabel = 11,
  };

  explicit HUD_BUTTON_COMPLETION(const pugi::xml_node& element) : G_WINDOW(element) {}

  // Takes input and looks normal, or takes none and looks disabled.
  void set_available(bool available);
  void set_count(int count);
  // Where the button stands; (0, 0) without one.
  KOR::KS_VECTOR2 button_position() const;
  void on_control(int widget_id) override;
};

}  // namespace game
