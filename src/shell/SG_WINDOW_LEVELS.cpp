#include "shell/SG_WINDOW_LEVELS.h"

#include <algorithm>

#include "foundation/text_utilities.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "gui/gui_input.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"
#include "shell/star_images.h"

namespace game {

namespace {

constexpr int kLevelsPerWorld = gPlayer_Flumo::kLevelsPerWorld;
constexpr int kLevelsPerPack = 5;
constexpr int kPacksPerWorld = 3;
constexpr int kPacks = 9;
constexpr int kLeftButton = 1;

void show(KOR::KC_GUI_OBJECT* widget, bool visible) {
  if (widget != nullptr) widget->set_visible(visible ? 1 : 0);
}

}  // namespace

SG_WINDOW_LEVELS* levels_window() {
  return dynamic_cast<SG_WINDOW_LEVELS*>(windows().find("WINDOW_LEVELS"));
}

void SG_WINDOW_LEVELS::refresh() {
  chosen_button_ = 0;
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  const int world = current_world_number;
  const int unlocked = player->unlocked_level_count();
  const int open = std::clamp(unlocked - kLevelsPerWorld * (world - 1), 0, kLevelsPerWorld);
  const int packs_open = (unlocked + kLevelsPerPack - 1) / kLevelsPerPack;
  for (int pack = 1; pack <= kPacks; ++pack) {
    const bool in_world =
        kPacksPerWorld * world - kPacksPerWorld < pack && pack <= kPacksPerWorld * world;
    show(gui()->find(open_pack_picture(pack)), in_world && pack <= packs_open);
    show(gui()->find(locked_pack_picture(pack)), in_world && pack > packs_open);
  }
  for (int i = 1; i <= kLevelsPerWorld; ++i) {
    auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(gui()->find(level_button(i)));
    const bool is_open = i <= open;
    show(gui()->find(level_lock(i)), !is_open);
    if (button != nullptr) {
      if (is_open) {
        button->enable();
      } else {
        button->disable();
      }
      show(button, is_open);
    }
    const int level = kLevelsPerWorld * (world - 1) + i;
    if (auto* number = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui()->find(level_number_label(i)))) {
      number->set_text(KOR::wtext_from_int(level));
    }
    // A locked row shows no stars, not those of the world shown before.
    show_stars(*gui(), i, is_open ? player->level_stars(level) : 0);
  }
}

void SG_WINDOW_LEVELS::on_open_begin() {
  KOR_GF::play_once("sound_gui_window");
  refresh();
}

void SG_WINDOW_LEVELS::on_opened() {
  if (!comic_pending_) return;
  if (current_level_number == kLevelsPerWorld) windows().show("WINDOW_COMICS2");
  if (current_level_number == 2 * kLevelsPerWorld) windows().show("WINDOW_COMICS3");
}

KOR::KS_GUI_EVENT* SG_WINDOW_LEVELS::key_down(int code) {
  // The band itself, not every point as high as it: the main panel's
  // buttons above it must keep working.
  auto* band = dynamic_cast<KOR::KC_GUI_IMAGE*>(gui()->find(kComicBand));
  if (code == kLeftButton && band != nullptr && !story_comic_open() &&
      KOR::gui_pointer_in(*band, band->hit_area.get()) && current_world_number >= 1 &&
      current_world_number <= 3) {
    KOR_GF::play_once("sound_button_click");
    windows().show("WINDOW_COMICS" + KOR::text_from_int(current_world_number));
  }
  return G_WINDOW::key_down(code);
}

void SG_WINDOW_LEVELS::on_control(int widget_id) {
  if (story_comic_open() || widget_id < 1 || widget_id > kLevelsPerWorld) return;
  const int level = kLevelsPerWorld * current_world_number + widget_id - kLevelsPerWorld;
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr || player->is_level_locked(level)) return;
  KOR_GF::play_once("sound_button_click");
  current_level_number = level;
  chosen_button_ = widget_id;
  close();
  if (SG_MAIN_PANEL* panel = main_panel()) panel->close_for_level();
  KOR_GF::play_once("sound_gui_window");
}

void SG_WINDOW_LEVELS::on_closed() {
  if (chosen_button_ != 0) game_instance().start_level();
}

}  // namespace game
