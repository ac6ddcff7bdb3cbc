#include "shell/SG_WINDOW_TITLE.h"

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"

namespace game {

namespace {

using KOR::KC_GUI_BUTTON5;

}  // namespace

void SG_WINDOW_TITLE::on_open_begin() {
  update_player_label();
  if (auto* buy = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kBuyButton))) {
    buy->disable();
    buy->set_visible(0);
  }
  if (auto* exit = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kExitButton))) {
    exit->enable();
    exit->set_visible(1);
  }
  if (KOR::KC_GUI_OBJECT* picture = gui()->find(kNamePlate)) picture->set_enabled(0);
  KOR_GF::play_once("sound_gui_window");
}

void SG_WINDOW_TITLE::on_close_started() { windows().close("Logo"); }

void SG_WINDOW_TITLE::update_player_label() {
  auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui()->find(kPlayerLabel));
  if (label == nullptr) return;
  const KOR_GF::gPlayer* player = KOR_GF::players_instance().current;
  label->set_text(player != nullptr ? player->name() : std::wstring());
}

void SG_WINDOW_TITLE::on_control(int widget_id) {
  const bool button = widget_id >= kPlayButton && widget_id <= kExitButton;
  if (!button || state() != KOR_GF::WINDOW_OPENED) return;
  // A missing options window does not lock the player out of the game.
  const KOR_GF::G_WINDOW* options = windows().find("Options");
  if (options != nullptr && options->state() != KOR_GF::WINDOW_IDLE) return;
  KOR_GF::play_once("sound_button_click");
  switch (widget_id) {
    case kPlayButton:
      start_play();
      break;
    case kOptionsButton:
      open_options();
      break;
    case kPlayersButton:
      leave_for("Players");
      break;
    case kBuyButton:
      windows().show("Buy");
      break;
    default:
      ask_exit();
      break;
  }
}

void SG_WINDOW_TITLE::start_play() {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr) {
    ask_player_name();
    return;
  }
  if (player->lastComicsShowed != 0) {
    SG_MAIN_PANEL* panel = main_panel();
    if (leave_for("WINDOW_MAIN_PANEL") && panel != nullptr) {
      panel->select_tab(SG_MAIN_PANEL::TAB_WORLDS);
    }
  } else {
    open_first_comic();
  }
}

void SG_WINDOW_TITLE::open_first_comic() {
  gPlayer_Flumo* player = current_player();
  if (!leave_for("WINDOW_COMICS1")) return;
  // After the showing, whose opening clears the mark.
  if (auto* comic = dynamic_cast<COMICS_WINDOW*>(windows().find("WINDOW_COMICS1"))) {
    comic->set_opened_from_title();
  }
  if (player != nullptr) player->lastComicsShowed = 1;
}

bool SG_WINDOW_TITLE::leave_for(const char* window) {
  if (windows().find(window) == nullptr) return false;
  close();
  windows().show(window);
  return true;
}

void SG_WINDOW_TITLE::open_options() { windows().show("Options"); }

void SG_WINDOW_TITLE::ask_exit() {
  KOR_GF::play_once("sound_gui_window");
  if (auto* question = dynamic_cast<KOR_GF::G_WINDOW_CONFIRM*>(windows().show("Confirm_Exit"))) {
    question->set_callback(&title_on_exit_answer, this);
  }
}

void SG_WINDOW_TITLE::require_player() {
  if (KOR_GF::players_instance().current == nullptr) ask_player_name();
}

void SG_WINDOW_TITLE::ask_player_name() {
  if (players_full() && leave_for("Players")) return;
  auto* box = dynamic_cast<KOR_GF::G_WINDOW_EDITBOX*>(windows().show("Players_EditBox"));
  if (box == nullptr) return;
  box->set_result_callback(&title_on_new_player_name, this);
  box->set_validator(&title_validate_player_name, this);
}

void title_on_exit_answer(void*, int yes) {
  if (yes && KOR::engine_game != nullptr) KOR::engine_game->running = 0;
}

void title_on_new_player_name(void* data, int ok, const std::wstring& name) {
  auto* title = static_cast<SG_WINDOW_TITLE*>(data);
  if (!ok || title == nullptr) return;
  KOR_GF::gPlayer* player = create_player(name);
  if (player == nullptr) return;
  // Made current before the save, so a game ended before its next save
  // starts with this player instead of asking for a name that is taken.
  apply_player_settings(player);
  game_instance().save_players();
  if (const gPlayer_Flumo* profile = current_player(); profile && profile->lastComicsShowed == 0) {
    title->open_first_comic();
  }
  title->update_player_label();
}

bool title_validate_player_name(void*, const std::wstring& name) { return player_name_free(name); }

}  // namespace game
