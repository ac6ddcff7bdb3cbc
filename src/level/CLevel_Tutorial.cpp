#include "level/CLevel_Tutorial.h"

namespace game {

uint8_t level_tutorial_active = 0;

// The arrows that follow the board are placed by the tutorial's drawing,
// which is not built yet; with nothing shown there is nothing to move.
void CLevel_Tutorial::update(float, bool) {}

}  // namespace game
