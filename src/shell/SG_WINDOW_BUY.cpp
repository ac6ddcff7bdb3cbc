#include "shell/SG_WINDOW_BUY.h"

#include "framework/menu_sound.h"

namespace game {

void SG_WINDOW_BUY::on_control(int widget_id) {
  if (widget_id < kOkButton || widget_id > kCloseButton) return;
  KOR_GF::play_once("sound_button_click");
  close();
}

}  // namespace game
