#include "shell/HUD_PANEL_TAPE.h"

#include "framework/window_widgets.h"
#include "gui/KC_GUI_IMAGE.h"

namespace game {

void HUD_PANEL_TAPE::on_open_begin() {
  KOR_GF::place_by_upper_left(widget_of<KOR::KC_GUI_IMAGE>(*this, kBelt));
}

}  // namespace game
