#include "shell/SG_WINDOW_PAUSE.h"

#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "shell/CGame_App.h"

namespace game {

// A choice made before the last opening is forgotten.
void SG_WINDOW_PAUSE::on_open_begin() {
  last_id = 0;
  KOR_GF::play_once("sound_gui_window");
}

// Only an open pause answers, so a second click while it closes cannot turn
// a restart into a leave.
void SG_WINDOW_PAUSE::on_control(int widget_id) {
  if (state() != KOR_GF::WINDOW_OPENED) return;
  last_id = widget_id;
  KOR_GF::G_WINDOW_MANAGER* windows = game_instance().windows;
  switch (widget_id) {
    case kRestartButton:
    case kMenuButton:
    case kResumeButton:
      KOR_GF::play_once("sound_button_click");
      close();
      KOR_GF::play_once("sound_gui_window");
      break;
    case kOptionsButton:
      KOR_GF::play_once("sound_button_click");
      if (windows != nullptr) windows->show("Options");
      break;
    case kHelpButton:
      KOR_GF::play_once("sound_button_click");
      if (windows != nullptr && windows->show("Help") != nullptr)
        KOR_GF::play_once("sound_gui_window");
      break;
    default:
      break;
  }
}

void SG_WINDOW_PAUSE::on_closed() {
  const int chosen = last_id;
  last_id = 0;
  CGame_App& app = game_instance();
  if (chosen == kRestartButton) {
    app.resume_level();
    app.restart_level();
  } else if (chosen == kMenuButton) {
    app.leave_level_to_main_panel();
  } else if (chosen == kResumeButton) {
    app.resume_level();
  }
}

}  // namespace game
