#include "shell/SG_MAIN_PANEL.h"

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/text_utilities.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"
#include "shell/world_music.h"

namespace game {

namespace {

using KOR::KC_GUI_BUTTON5;

// Three stars a level.
constexpr int kStarsPerWorld = 3 * gPlayer_Flumo::kLevelsPerWorld;
constexpr unsigned kHotSpotUpperLeft = 1;

// The window of each tab, by tab number.
const char* const kTabWindows[] = {nullptr, "WINDOW_WORLDS", "WINDOW_LEVELS", "WINDOW_SHOP",
                                   "WINDOW_TROPHIES"};
// The button marked while its tab is current (the levels tab has none).
const unsigned int kTabButtons[] = {0, SG_MAIN_PANEL::kWorldsTab, 0, SG_MAIN_PANEL::kShopTab,
                                    SG_MAIN_PANEL::kTrophiesTab};

const char* tab_window(int tab) {
  return tab >= SG_MAIN_PANEL::TAB_WORLDS && tab <= SG_MAIN_PANEL::TAB_TROPHIES ? kTabWindows[tab]
                                                                                : nullptr;
}

}  // namespace

SG_MAIN_PANEL* main_panel() {
  return dynamic_cast<SG_MAIN_PANEL*>(windows().find("WINDOW_MAIN_PANEL"));
}

bool story_comic_open() {
  for (const char* comic : {"WINDOW_COMICS1", "WINDOW_COMICS2", "WINDOW_COMICS3"}) {
    const KOR_GF::G_WINDOW* window = windows().find_open(comic);
    if (window != nullptr && window->is_open()) return true;
  }
  return false;
}

void SG_MAIN_PANEL::on_open_begin() {
  if (stars_bar_width_ == 0) {
    if (auto* bar = dynamic_cast<KOR::KC_GUI_IMAGE*>(gui()->find(kStarsBar))) {
      stars_bar_width_ = static_cast<int>(bar->width());
    }
  }
  refresh_money();
  refresh_stars();
  const gPlayer_Flumo* player = current_player();
  if (player != nullptr && player->has_new_trophy()) {
    show_trophy_marker();
  } else {
    hide_trophy_marker();
  }
}

void SG_MAIN_PANEL::fill_label(unsigned int id, std::wstring& kept,
                               std::initializer_list<int> numbers) {
  auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui()->find(id));
  if (label == nullptr) return;
  if (kept.empty()) kept = label->text;
  label->set_text(KOR::wtext_format(kept, numbers));
}

void SG_MAIN_PANEL::refresh_money() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  fill_label(kMoneyLabel, money_template_, {player->money});
}

void SG_MAIN_PANEL::refresh_stars() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr || (tab_ != TAB_WORLDS && tab_ != TAB_LEVELS)) return;
  int earned = 0;
  int possible = 0;
  if (gui()->find(kStarsLabel) != nullptr) {
    if (tab_ == TAB_WORLDS) {
      earned = player->total_stars();
      possible = kStarsPerWorld * player->world_count();
    } else {
      earned = player->world_stars(current_world_number);
      possible = kStarsPerWorld;
    }
  }
  fill_label(kStarsLabel, stars_template_, {earned, possible});
  auto* bar = dynamic_cast<KOR::KC_GUI_IMAGE*>(gui()->find(kStarsBar));
  if (bar == nullptr || bar->quad == nullptr || possible == 0) return;
  // A hand-edited file may claim more stars than there are.
  const float share =
      std::clamp(static_cast<float>(earned) / static_cast<float>(possible), 0.0f, 1.0f);
  bar->quad->set_uv_rect(0.0f, 0.0f, share, 1.0f);
  bar->set_size(static_cast<int>(share * static_cast<float>(stars_bar_width_)),
                static_cast<int>(bar->height()));
  bar->quad->set_hot_spot(kHotSpotUpperLeft);
}

void SG_MAIN_PANEL::select_tab(int tab) {
  KOR_GF::play_once("sound_gui_window");
  tab_ = tab;
  for (unsigned int id : {kWorldsTab, kTrophiesTab, kShopTab}) {
    if (auto* button = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(id))) button->enable();
  }
  if (tab_window(tab) == nullptr) return;
  if (auto* button = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kTabButtons[tab]))) {
    button->select();
  }
  windows().show(kTabWindows[tab]);
  refresh_stars();
}

void SG_MAIN_PANEL::show_trophy_marker() {
  trophy_marker_ = 1;
  if (KOR::KC_GUI_OBJECT* marker = gui()->find(kTrophyBadge)) marker->set_visible(1);
}

void SG_MAIN_PANEL::hide_trophy_marker() {
  trophy_marker_ = 0;
  if (KOR::KC_GUI_OBJECT* marker = gui()->find(kTrophyBadge)) marker->set_visible(0);
}

bool SG_MAIN_PANEL::tab_window_busy() const {
  const char* name = tab_window(tab_);
  const KOR_GF::G_WINDOW* window = name != nullptr ? windows().find(name) : nullptr;
  return window != nullptr && window->state() != KOR_GF::WINDOW_OPENED;
}

void SG_MAIN_PANEL::close_for_level() {
  last_control_ = 0;
  close();
  KOR_GF::play_once("sound_gui_window");
}

void SG_MAIN_PANEL::on_closed() {
  if (last_control_ == kBackButton) game_instance().show_title();
  last_control_ = 0;
}

bool SG_MAIN_PANEL::switch_tab(int tab) {
  if (windows().find(kTabWindows[tab]) == nullptr) return false;
  KOR_GF::play_once("sound_button_click");
  if (tab_ != tab) {
    if (const char* current = tab_window(tab_)) windows().close(current);
    select_tab(tab);
  }
  return true;
}

void SG_MAIN_PANEL::on_control(int widget_id) {
  if (story_comic_open() || tab_window_busy()) return;
  last_control_ = widget_id;
  switch (widget_id) {
    case kWorldsTab:
      if (switch_tab(TAB_WORLDS)) return_to_title_music();
      break;
    case kTrophiesTab:
      if (windows().find(kTabWindows[TAB_TROPHIES]) == nullptr) break;
      hide_trophy_marker();
      switch_tab(TAB_TROPHIES);
      break;
    case kShopTab:
      switch_tab(TAB_SHOP);
      break;
    case kBackButton:
      if (!is_open()) break;
      KOR_GF::play_once("sound_button_click");
      if (const char* current = tab_window(tab_)) windows().close(current);
      close();
      return_to_title_music();
      break;
    default:
      break;
  }
}

}  // namespace game
