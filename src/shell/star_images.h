#pragma once

namespace KOR {
class KC_GUI_ROOT;
}

namespace game {

// The id of star k (1 to 3) of row n in the worlds' and levels' tabs.
constexpr unsigned int star_picture(int row, int k) {
  return static_cast<unsigned int>(100 * row + 10 + 2 * k);
}

// The three star pictures of row n: the first `stars` of them shown, the
// others hidden; missing pictures are skipped.
void show_stars(KOR::KC_GUI_ROOT& gui, int row, int stars);

}  // namespace game
