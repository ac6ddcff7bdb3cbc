#pragma once

#include <cstdint>
#include <string>

#include "framework/G_WINDOW.h"

namespace game {

// One line of text that flies in from beyond the left edge to the middle of
// the screen, rests there and flies out beyond the right edge: the water has
// started, a piece of equipment holds it back, or time is running short.
class HUD_PANEL_WATER_INSCRIPTION : public KOR_GF::G_WINDOW {
 public:
  enum { IDLE = 0, FLYING_IN = 1, WAITING = 2, FLYING_OUT = 3 };

  // The flight's times come from the configuration, in whole seconds.
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kTextLabel = 1,
  };

  explicit HUD_PANEL_WATER_INSCRIPTION(const pugi::xml_node& element);

  void show_water_started();
  // The equipment's hold time in milliseconds, shown in whole seconds.
  void show_equipment_bonus(int32_t ms);
  void show_hurry_warning();
  // One step of the flight at the level clock's milliseconds; a clock below
  // 0 is no time and changes nothing.
  void update(int32_t clock);
  void reset();
  void on_control(int) override {}

  int32_t state = IDLE;
  float total_fly_time;
  float centre_delay;
  float start_x = -150.0f;
  float end_x = 0.0f;
  int32_t screen_width = 0;
  int32_t start_time = -1;

 private:
  void show_message(const std::wstring& text);
};

}  // namespace game
