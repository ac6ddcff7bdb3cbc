#include "shell/window_paging.h"

#include <algorithm>

#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"

namespace game {

int turned_page(int page, int control, int count) {
  return std::clamp(page + (control == int(kNextPageButton) ? 1 : -1), 1, std::max(count, 1));
}

void refresh_page_buttons(const KOR_GF::G_WINDOW& window, int page, int count) {
  if (auto* previous = widget_of<KOR::KC_GUI_BUTTON5>(window, kPreviousPageButton)) {
    page > 1 ? previous->enable() : previous->disable();
  }
  if (auto* next = widget_of<KOR::KC_GUI_BUTTON5>(window, kNextPageButton)) {
    page < count ? next->enable() : next->disable();
  }
}

}  // namespace game
