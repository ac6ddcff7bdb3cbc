#include <string>

#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CScene_Level.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/window_factory.h"

namespace game {

namespace {

constexpr const char* kCloseUpList = "xml/Game CloseUpWindows.xml";

// The HUD windows enabled while the level runs, and those that slide out
// of the way of the pack close-up with their offsets.
const char* const kHudEnabled[] = {"HUD_PAUSE", "HUD_COMPLETION",      "HUD_DESTRUCTION",
                                   "HUD_MONEY", "HUD_WATER_INDICATOR", "HUD_WATER_INSCRIPTION",
                                   "HUD_TROPHY"};
const char* const kBottomEnabled[] = {"HUD_BOTTOM_PANEL", "HUD_TAPE", "HUD_PRESS"};

struct SLIDE {
  const char* name;
  float offset;
};
const SLIDE kHudSlides[] = {{"HUD_PAUSE", -200.0f},
                            {"HUD_COMPLETION", 200.0f},
                            {"HUD_MONEY", 200.0f},
                            {"HUD_WATER_INDICATOR", -200.0f}};
const SLIDE kBottomSlides[] = {
    {"HUD_BOTTOM_PANEL", 200.0f}, {"HUD_TAPE", 200.0f}, {"HUD_PRESS", 200.0f}};

KOR_GF::G_WINDOW_MANAGER& app_windows() { return *game_instance().windows; }

}  // namespace

KOR_GF::G_WINDOW* CScene_Level::hud_window(const char* name) const {
  return hud_windows_->find(name);
}

KOR_GF::G_WINDOW* CScene_Level::bottom_window(const char* name) const {
  return bottom_windows_->find(name);
}

void CScene_Level::reset_inscription() const {
  auto* inscription =
      dynamic_cast<HUD_PANEL_WATER_INSCRIPTION*>(hud_window("HUD_WATER_INSCRIPTION"));
  if (inscription) inscription->reset();
}

void CScene_Level::set_star_times() const {
  auto* dial = dynamic_cast<HUD_PANEL_WATER_INDICATOR*>(hud_window("HUD_WATER_INDICATOR"));
  if (dial) dial->set_star_times(level->header()->timeFor3Stars, level->header()->timeFor2Stars);
}

void CScene_Level::load_resources() {
  for (const char* name : kHudEnabled) hud_windows_->enable(name);
  if (level_tutorial_active) hud_windows_->enable("HUD_TUTORIAL");
  for (const char* name : kBottomEnabled) bottom_windows_->enable(name);
}

void CScene_Level::release_resources() {
  hud_windows_->disable_all();
  bottom_windows_->disable_all();
  closeup_windows_->disable_all();
}

void CScene_Level::open_pause() {
  app_windows().show("WINDOW_PAUSE");
  pause();
}

void CScene_Level::open_shop() {
  app_windows().show("Back");
  app_windows().show("WINDOW_SHOP");
  pause();
  reset_destruction_target();
  hide_bonus_buttons();
}

void CScene_Level::close_shop() {
  app_windows().close("Back");
  app_windows().close("WINDOW_SHOP");
  game_instance().resume_level();
}

// The finish window keeps its own copy of the result: leaving for the
// menus deletes the scene while the window may still be closing.
void CScene_Level::finish_level() {
  reset_inscription();
  reset_destruction_target();
  hide_bonus_buttons();
  if (level_tutorial_active && tutorial) tutorial->hide();
  if (auto* finish = dynamic_cast<SG_FINISH_PANEL*>(app_windows().find("WINDOW_FINISH"))) {
    finish->set_result(result);
  }
  app_windows().show("WINDOW_FINISH");
  KOR_GF::sound_manager_instance().stop("sound_water_flow");
  KOR_GF::play_once("sound_level_finished");
}

std::string CScene_Level::closeup_name() {
  return "CLOSE_UP_PACK_" + std::to_string(current_level_number / 5);
}

// A pack whose close-up window is missing goes straight to the finish
// window, so the level still ends.
void CScene_Level::open_pack_closeup() {
  const std::string name = closeup_name();
  closeup_windows_ = std::make_unique<KOR_GF::G_WINDOW_MANAGER>(&level_closeup_window_factory);
  closeup_windows_->load_list(kCloseUpList);
  auto* closeup = dynamic_cast<CLOSE_UP_WINDOW*>(closeup_windows_->find(name));
  if (closeup == nullptr) {
    finish_level();
    return;
  }
  closeup_windows_->show(name);
  closeup_windows_->enable(name);
  closeup->pack = current_level_number / 5;
  state = STATE_PACK_CLOSEUP;
}

void CScene_Level::close_pack_closeup() {
  closeup_windows_->close(closeup_name());
  closeup_windows_->disable_all();
}

void CScene_Level::hide_interface() {
  const float seconds = CGame_Config::instance().get_float("interfaceHidingTime");
  for (const SLIDE& slide : kHudSlides) {
    if (KOR_GF::G_WINDOW* window = hud_window(slide.name)) {
      window->start_slide(slide.offset, seconds);
    }
  }
  for (const SLIDE& slide : kBottomSlides) {
    if (KOR_GF::G_WINDOW* window = bottom_window(slide.name)) {
      window->start_slide(slide.offset, seconds);
    }
  }
  tape->clear();
}

void CScene_Level::reset_hud_positions() {
  for (const SLIDE& slide : kHudSlides) {
    if (KOR_GF::G_WINDOW* window = hud_window(slide.name)) window->reset_position();
  }
  if (KOR_GF::G_WINDOW* window = hud_window("HUD_DESTRUCTION")) window->reset_position();
  for (const SLIDE& slide : kBottomSlides) {
    if (KOR_GF::G_WINDOW* window = bottom_window(slide.name)) window->reset_position();
  }
}

void CScene_Level::close_hud_windows() {
  hud_windows_->close_all();
  bottom_windows_->close_all();
}

void CScene_Level::relayout(int old_screen_width) {
  hud_windows_->relayout(old_screen_width);
  hud_windows_->refresh_all();
  bottom_windows_->relayout(old_screen_width);
  bottom_windows_->refresh_all();
  press->relayout();
  tape->relayout(old_screen_width);
  field->shift_for_screen_width(old_screen_width);
  if (level_tutorial_active && tutorial && !tutorial->is_idle()) tutorial->relayout();
}

}  // namespace game
