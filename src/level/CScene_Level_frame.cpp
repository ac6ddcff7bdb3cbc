#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "level/CTrophy.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_PANEL_TROPHY.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"

namespace game {

// The sum is truncated, so the fraction of each frame's milliseconds is
// dropped.
void CScene_Level::advance_level_clock() {
  level_clock = int32_t(float(level_clock) + KOR::frame_dt.load() * 1000.0f);
}

void CScene_Level::update() {
  hud_windows_->update();
  bottom_windows_->update();
  if (state == STATE_WON && field->water_started) {
    advance_level_clock();
    field->update(level_clock);
  }
  if (state == STATE_PACK_CLOSEUP) {
    advance_level_clock();
    closeup_windows_->update();
    auto* closeup = dynamic_cast<CLOSE_UP_WINDOW*>(closeup_windows_->find(closeup_name()));
    if (closeup) closeup->update_animation(level_clock);
  }
  explosions->update(game_clock_ms);
  bonuses->update(game_clock_ms);
  if (paused) {
    // A won level is paused while its water and close-up run on the level
    // clock: a pop-up of the winning move closes then as it would in play.
    time_trophy_popup();
    return;
  }
  const float elapsed_ms = KOR::frame_dt.load() * 1000.0f;
  advance_level_clock();
  if (state == STATE_PLAY) count_down_water(elapsed_ms);
  auto* inscription =
      dynamic_cast<HUD_PANEL_WATER_INSCRIPTION*>(hud_window("HUD_WATER_INSCRIPTION"));
  if (inscription && inscription->state != 0) inscription->update(level_clock);
  if (state == STATE_INTRO && field->intro_scroll_step() == 0) end_intro();
  field->update(level_clock);
  time_trophy_popup();
  field->update(level_clock);
  if (field->scroll_state == 2 && completion_target_chosen) {
    if (auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"))) {
      const KOR::KS_VECTOR2 centre = field->cell_center(completion_target.x, completion_target.y);
      const KOR::KS_VECTOR2 size = buttons->place_button_size();
      buttons->move_place_button(centre.x + size.x * 0.5f + 15.0f,
                                 centre.y + size.y * 0.5f + 15.0f);
    }
  }
  tape->update(level_clock);
  if (press->update()) {
    ++press_crushes;
    add_trophy_progress(TROPHY_PRESS_USES, 1);
  }
}

// The clock stands still in the pause window, so the pop-up waits there.
void CScene_Level::time_trophy_popup() {
  auto* popup = dynamic_cast<HUD_PANEL_TROPHY*>(hud_window("HUD_TROPHY"));
  if (popup && popup->state() == KOR_GF::WINDOW_OPENED) popup->update_timeout(level_clock);
}

// The shop's water item slows the countdown by its percentage; a value of
// 100 or more stops it rather than running it backwards.
void CScene_Level::count_down_water(float elapsed_ms) {
  const CLevel_Header& header = *level->header();
  int step = int(elapsed_ms * header.stepOfWaterFlowingOut);
  const int slowdown = shop_upgrade_value(SHOP_WATER_COUNTDOWN, shop_level(SHOP_WATER_COUNTDOWN));
  if (slowdown != 0) step = int(float(step) + float(step) * (float(slowdown) / -100.0f));
  if (step < 0) step = 0;
  water_timer += step;
  auto* inscription =
      dynamic_cast<HUD_PANEL_WATER_INSCRIPTION*>(hud_window("HUD_WATER_INSCRIPTION"));
  if (water_timer <= 2 * header.timeFor3Stars * 1000) {
    if (auto* dial = dynamic_cast<HUD_PANEL_WATER_INDICATOR*>(hud_window("HUD_WATER_INDICATOR"))) {
      dial->update_clock(water_timer, inscription);
    }
  }
  guide_tutorial();
  if (header.timeFor3Stars != 0 && water_timer / 1000 >= header.timeFor3Stars &&
      !field->water_started) {
    if (inscription) inscription->show_water_started();
    field->start_water();
  }
}

// Step 7 shows the final pipe once the board has brought it into view
// and a few pieces lie on the board.
void CScene_Level::guide_tutorial() {
  if (!level_tutorial_active || !tutorial || tutorial->hidden) return;
  tutorial->update_bots();
  if (tutorial->is_idle() && field->final_below_top() && placed_piece_count > 2 &&
      !tutorial->is_step_done(7)) {
    tutorial->enter_step(7);
  }
}

// The tutorial starts with the play; the first arrow of either level
// waits for the tape's first piece, which level 2 needs as much as level 1.
void CScene_Level::end_intro() {
  if (level_tutorial_active && tutorial && tutorial->hidden) {
    tutorial->restart();
    if (current_level_number == 2) tutorial->enter_step(9);
  }
  state = STATE_PLAY;
  tape->start();
  if (level_tutorial_active && tutorial && (tutorial->step == 1 || tutorial->step == 9)) {
    tutorial->enter_step(tutorial->step);
  }
}

void CScene_Level::draw() {
  field->draw(level_clock, destruction_target.x, destruction_target.y);
  if (bonus_mode == BONUS_COMPLETION && held_piece) {
    for (int n = 1;; ++n) {
      const KOR::KS_IVECTOR2 cell = field->open_connection_cell(n);
      if (cell.x == -1) break;
      if (field->open_connection_flag(n)) continue;
      field->fit_piece_preview(cell.x, cell.y, held_piece.get());
      held_piece->draw();
    }
  }
  explosions->draw();
  bonuses->draw();
  bottom_windows_->draw();
  tape->draw();
  press->draw();
  if (holding && held_piece) held_piece->draw();
  hud_windows_->draw();
  closeup_windows_->draw();
  if (level_tutorial_active && tutorial) tutorial->draw_arrows();
}

}  // namespace game
