#include "gui/KC_GUI_PANEL.h"

namespace KOR {

KC_GUI_PANEL::KC_GUI_PANEL(unsigned int id, const std::string& texture_name)
    : KC_GUI_PANEL_BASE(id, 1), strip(1, KC_GUI_STRIP::HIT::EXACT, texture_name) {
  kind = GUI_KIND_PANEL;
}

void KC_GUI_PANEL::set_size(int w, int h) {
  panel_width = w;
  panel_height = h;
  strip.set_size(w, h);
}

void KC_GUI_PANEL::load_resources() {
  const bool first = !strip.built();
  strip.load(transform, 0);
  if (first) {
    panel_width = static_cast<int>(strip.width());
    panel_height = static_cast<int>(strip.height());
  }
}

}  // namespace KOR
