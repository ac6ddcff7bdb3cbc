#include "shell/SG_WINDOW_PAUSE.h"

#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "shell/CGame_App.h"

namespace game {

namespace {

constexpr int kRestart = 1;
constexpr int kOptions = 2;
constexpr int kHelp = 3;
constexpr int kMenu = 4;
constexpr int kResume = 5;

}  // namespace

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
    case kRestart:
    case kMenu:
    case kResume:
      KOR_GF::play_once("sound_button_click");
      close();
      KOR_GF::play_once("sound_gui_window");
      break;
    case kOptions:
      KOR_GF::play_once("sound_button_click");
      if (windows != nullptr) windows->show("Options");
      break;
    case kHelp:
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
  if (chosen == kRestart) {
    app.resume_level();
    app.restart_level();
  } else if (chosen == kMenu) {
    app.leave_level_to_main_panel();
  } else if (chosen == kResume) {
    app.resume_level();
  }
}

}  // namespace game
