#pragma once

namespace KOR {
class KC_GUI_ROOT;
}

namespace game {

// The three star pictures of row n (ids 100n + 12, + 14, + 16): the first
// `stars` of them shown, the others hidden; missing pictures are skipped.
void show_stars(KOR::KC_GUI_ROOT& gui, int row, int stars);

}  // namespace game
