#pragma once

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"

namespace game {

// The pop-up buttons beside the cell chosen for a bonus: destroy its
// content, buy more bonuses, place the completion piece; with the counts of
// both bonuses. The level scene places, shows and hides the buttons, and
// parks hidden ones off the screen.
class HUD_BUTTON_DESTRUCTION : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kDestroyButton = 1,
    kBuyButton = 2,
    kPlaceButton = 3,
    kDestructionCountLabel = 12,
    kCompletionCountLabel = 32,
  };

  explicit HUD_BUTTON_DESTRUCTION(const pugi::xml_node& element) : G_WINDOW(element) {}

  // (width, height); (0, 0) without the button.
  KOR::KS_VECTOR2 destroy_button_size() const;
  KOR::KS_VECTOR2 buy_button_size() const;
  KOR::KS_VECTOR2 place_button_size() const;
  void move_destroy_button(float x, float y);
  void move_buy_button(float x, float y);
  void move_place_button(float x, float y);
  void show_destroy_button(bool visible);
  void show_buy_button(bool visible);
  void show_place_button(bool visible);
  // The screen point lies on one of the three buttons where they stand,
  // hidden or not (the window itself rests at the origin).
  bool hit_test(float x, float y) const;
  void set_destruction_count(int count);
  void set_completion_count(int count);
  void on_control(int widget_id) override;
};

}  // namespace game
