#pragma once

#include <cstdint>

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"

namespace game {

class HUD_PANEL_WATER_INSCRIPTION;

// The semicircular water dial: it fills while the water timer runs to the
// three-star time and empties again over the same span once the water has
// started. Two fill pictures split at the angle of the two-star time draw
// the filled part, a hand points at the value.
class HUD_PANEL_WATER_INDICATOR : public KOR_GF::G_WINDOW {
 public:
  enum { FILLING = 1, EMPTYING = 2 };

  // The widgets' ids in the window's description.
  enum : unsigned int {
    kDial = 1,
    kSpentFace = 2,
    kLowerFill = 3,
    kUpperFill = 4,
    kHand = 6,
  };

  explicit HUD_PANEL_WATER_INDICATOR(const pugi::xml_node& element) : G_WINDOW(element) {}

  // Seconds; the dial starts empty and filling.
  void set_star_times(int32_t three_stars, int32_t two_stars);
  // The water timer in milliseconds; the inscription, when given, is told
  // the moment the two-star time runs out.
  void update_clock(int32_t elapsed, HUD_PANEL_WATER_INSCRIPTION* inscription);
  KOR::KS_VECTOR2 clock_position() const;
  // Cuts fill picture `id` to the half of its square on one side of the
  // diameter turned clockwise by `angle` from the horizontal.
  void wipe_quadrant(unsigned int id, float angle);
  void on_control(int) override {}

  int32_t two_star_time = 0;
  int32_t three_star_time = 1;
  float dial_size = 130.0f;
  int32_t phase = FILLING;
  float two_star_angle = 0.0f;
  float previous_angle = 0.0f;
  float angle = 0.0f;
};

}  // namespace game
