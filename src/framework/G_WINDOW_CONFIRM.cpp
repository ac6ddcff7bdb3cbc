#include "framework/G_WINDOW_CONFIRM.h"

#include "framework/G_SOUND_MANAGER.h"

namespace KOR_GF {

void G_WINDOW_CONFIRM::on_control(int widget_id) {
  if ((widget_id != kYesButton && widget_id != kNoButton) || !is_open()) return;
  G_SOUND_MANAGER& sounds = sound_manager_instance();
  sounds.play("sound_button_click", false, 0.0f, 0.0f);
  if (callback_) callback_(callback_data_, widget_id == kYesButton ? 1 : 0);
  close();
  sounds.play("sound_gui_window", false, 0.0f, 0.0f);
}

}  // namespace KOR_GF
