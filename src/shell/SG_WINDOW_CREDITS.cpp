#include "shell/SG_WINDOW_CREDITS.h"

#include "framework/menu_sound.h"

namespace game {

void SG_WINDOW_CREDITS::on_control(int widget_id) {
  if (widget_id != kCloseButton || state() != KOR_GF::WINDOW_OPENED) return;
  KOR_GF::play_once("sound_button_click");
  KOR_GF::play_once("sound_gui_window");
  close();
}

}  // namespace game
