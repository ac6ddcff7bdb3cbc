#pragma once

#include <cstdint>

namespace game {

// Set while the tutorial of the first two levels runs.
extern uint8_t level_tutorial_active;

// The tutorial of the first levels: steps 1..10, 100 = no step shown.
class CLevel_Tutorial {
 public:
  // Follows a vertical scroll of the board by dy (force: re-place anyway).
  void update(float dy, bool force);

  int step = 100;
};

}  // namespace game
