#include "shell/SG_WINDOW_HELP.h"

#include "shell/menu_sound.h"

namespace game {

void SG_WINDOW_HELP::on_control(int widget_id) {
  if (widget_id != 1) return;
  play_once("sound_button_click");
  play_once("sound_gui_window");
  close();
}

}  // namespace game
