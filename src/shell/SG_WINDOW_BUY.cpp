#include "shell/SG_WINDOW_BUY.h"

#include "framework/G_SOUND_MANAGER.h"

namespace game {

void SG_WINDOW_BUY::on_control(int widget_id) {
  if (widget_id < 4 || widget_id > 6) return;
  KOR_GF::sound_manager_instance().play("sound_button_click", false, 0.0f, 0.0f);
  close();
}

}  // namespace game
