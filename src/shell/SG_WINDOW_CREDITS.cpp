#include "shell/SG_WINDOW_CREDITS.h"

#include "framework/G_SOUND_MANAGER.h"

namespace game {

void SG_WINDOW_CREDITS::on_control(int widget_id) {
  if (widget_id != 1 || state() != KOR_GF::WINDOW_OPENED) return;
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  sounds.play("sound_button_click", false, 0.0f, 0.0f);
  sounds.play("sound_gui_window", false, 0.0f, 0.0f);
  close();
}

}  // namespace game
