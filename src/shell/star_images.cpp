#include "shell/star_images.h"

#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"

namespace game {

void show_stars(KOR::KC_GUI_ROOT& gui, int row, int stars) {
  for (int k = 1; k <= 3; ++k) {
    KOR::KC_GUI_OBJECT* star = gui.find(star_picture(row, k));
    if (star != nullptr) star->set_visible(stars >= k ? 1 : 0);
  }
}

}  // namespace game
