#include "shell/SG_WINDOW_WORLDS.h"

#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_ROOT.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"
#include "shell/star_images.h"
#include "shell/world_music.h"

namespace game {

namespace {

constexpr int kMostWorldButtons = 9;

}  // namespace

void SG_WINDOW_WORLDS::refresh() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  for (int world = 1; world <= kMostWorldButtons; ++world) {
    auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(gui()->find(world_button(world)));
    if (button == nullptr) continue;
    if (player->is_world_open(world)) {
      button->enable();
      show_stars(*gui(), world, player->world_rating(world));
    } else {
      button->disable();
      show_stars(*gui(), world, 0);
    }
  }
}

void SG_WINDOW_WORLDS::on_open_begin() {
  stop_world_music(current_world_number);
  KOR_GF::play_once("sound_gui_window");
  current_world_number = 0;
  refresh();
}

void SG_WINDOW_WORLDS::on_control(int widget_id) {
  const gPlayer_Flumo* player = current_player();
  const int world = widget_id;
  if (player == nullptr || world < 1 || world > player->world_count() ||
      !player->is_world_open(world) ||
      dynamic_cast<KOR::KC_GUI_BUTTON5*>(gui()->find(world_button(world))) == nullptr) {
    return;
  }
  KOR_GF::play_once("sound_button_click");
  current_world_number = world;
  close();
  KOR_GF::play_once("sound_gui_window");
  play_world_music(world);
}

void SG_WINDOW_WORLDS::on_closed() {
  if (current_world_number == 0) return;
  if (SG_MAIN_PANEL* panel = main_panel()) panel->select_tab(SG_MAIN_PANEL::TAB_LEVELS);
}

}  // namespace game
