#include <algorithm>
#include <string>

#include "fieldview/CEffect_ExplosionList.h"
#include "framework/menu_sound.h"
#include "level/CLevel_Scoring.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "level/CTrophy.h"
#include "platform/runtime_random.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/HUD_BUTTON_COMPLETION.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_PANEL_MONEY.h"
#include "shell/gPlayer_Flumo.h"

namespace game {

namespace {

// A hidden bonus button waits off the screen.
constexpr float kParked = -200.0f;
// Above this screen row a button goes below its cell instead of above it.
constexpr float kNearTop = 100.0f;
constexpr int kObstacle = 1;
// The pieces of a broken block start as this one-cell obstacle.
constexpr int kBrokenBlockPart = 2;

int random_quarter() { return (KOR::runtime_rand() % 4) * 90; }

}  // namespace

int CScene_Level::max_completion_bonuses() const {
  return CLevel_Scoring::completion_bonus_limit(shop_level(SHOP_BONUS_LIMIT));
}

int CScene_Level::max_destruction_bonuses() const {
  return CLevel_Scoring::destruction_bonus_limit(shop_level(SHOP_BONUS_LIMIT));
}

void CScene_Level::set_bonus_mode(int mode) {
  if (holding) return;
  const gPlayer_Flumo* player = current_player();
  if (mode == BONUS_COMPLETION && (player == nullptr || player->completionBonuses <= 0)) return;
  if (mode == BONUS_DESTRUCTION && (player == nullptr || player->destructionBonuses <= 0)) return;
  if (bonus_mode == BONUS_COMPLETION) held_piece.reset();
  bonus_mode = mode;
  if (mode == BONUS_COMPLETION) {
    held_piece = std::make_unique<CPipe_Sprite>();
    held_piece->load_sprite(1);
    field->rebuild_open_connections();
  }
}

// A destruction needs a cell on the board and a bonus to spend: the target
// of a player who had none is no cell at all.
void CScene_Level::bonus_command(int command) {
  if (command == BONUS_COMPLETION) {
    set_bonus_mode(bonus_mode == BONUS_COMPLETION ? BONUS_NONE : BONUS_COMPLETION);
    reset_destruction_target();
    field->update_scroll_target();
    return;
  }
  const int x = destruction_target.x;
  const int y = destruction_target.y;
  const gPlayer_Flumo* player = current_player();
  if (!field->is_inside(x, y) || player == nullptr || player->destructionBonuses <= 0) return;
  KOR_GF::play_once("sound_bonus_destroy");
  ++result.bonus_uses;
  bonus_mode = BONUS_DESTRUCTION;
  if (field->content_type_at(x, y) == kObstacle) {
    CLevel_Cell& cell = *level->header()->cell_at(x, y);
    const int type = cell.obstacleType;
    if (obstacle_strength(type) <= 1) {
      field->clear_cell(x, y, true);
      add_trophy_progress(TROPHY_OBSTACLES_REMOVED, 1);
      if (tutorial) tutorial->cell_cleared(x, y);
    } else if (obstacle_class(type) == 1) {
      ++cell.obstacleType;
      effect_at_cell(2, field->cell_center(x, y).x, field->cell_center(x, y).y);
    } else if (obstacle_class(type) == 4) {
      for (int part = 0; part < 4; ++part) {
        if (part == cell.obstaclePartNumber) continue;
        const KOR::KS_VECTOR2 at =
            obstacle_part_cell(type, cell.obstacleAngle, cell.obstaclePartNumber, x, y, part);
        if (CLevel_Cell* other = level->header()->cell_at(int(at.x), int(at.y))) {
          other->obstacleType = kBrokenBlockPart;
          other->obstacleAngle = random_quarter();
          const KOR::KS_VECTOR2 centre = field->cell_center(int(at.x), int(at.y));
          effect_at_cell(2, centre.x, centre.y);
        }
      }
      cell.obstacleType = kBrokenBlockPart;
      cell.obstacleAngle = random_quarter();
      effect_at_cell(2, field->cell_center(x, y).x, field->cell_center(x, y).y);
    }
  } else {
    field->clear_cell(x, y, true);
    if (tutorial) tutorial->cell_cleared(x, y);
  }
  ++destruction_uses;
  change_bonus_count(true);
  refresh_hud_counts();
  set_bonus_mode(BONUS_NONE);
  reset_destruction_target();
  field->update_scroll_target();
}

// The place button's fill: only in completion mode, where a bonus is
// there to spend.
void CScene_Level::apply_completion_bonus() {
  if (!held_piece || bonus_mode != BONUS_COMPLETION) return;
  field->fit_piece_preview(completion_target.x, completion_target.y, held_piece.get());
  const KOR::KS_VECTOR2 centre = field->cell_center(completion_target.x, completion_target.y);
  if (held_piece->is_visible()) {
    if (tutorial && !tutorial->allows_completion_on(completion_target.x, completion_target.y)) {
      return;
    }
    if (field->drop_piece(held_piece.get(), centre.x, centre.y))
      fill_completion(centre.x, centre.y, true);
  }
  if (completion_target_chosen) hide_bonus_buttons();
}

// Spending the last bonus leaves completion mode and so frees the preview:
// nothing here reads it after the spend.
void CScene_Level::fill_completion(float x, float y, bool by_button) {
  if (tutorial) tutorial->completion_filled();
  held_piece->hide();
  const int type = held_piece->type();
  connect_equipment(by_button);
  KOR_GF::play_once("sound_bonus_fill");
  pay_points(CGame_Config::instance().get_int_w(L"pipe_" + std::to_wstring(type)), x, y);
  change_bonus_count(true);
  add_trophy_progress(TROPHY_PIECES_PLACED, 1);
  ++result.bonus_uses;
  ++completion_uses;
  if (completion_target_chosen) hide_bonus_buttons();
  if (field->is_pipeline_complete()) level_won(true);
  set_bonus_mode(BONUS_NONE);
}

void CScene_Level::choose_target(int x, int y) {
  const bool destructible = field->is_destructible_at(x, y);
  if (tutorial && !tutorial->allows_target_on(x, y, destructible)) return;
  if (destructible) {
    if (destruction_lock) return;
    if (completion_target_chosen) hide_bonus_buttons();
    set_bonus_mode(BONUS_NONE);
    choose_destruction_target(x, y);
    return;
  }
  if (completion_lock) return;
  if (destruction_target_chosen) reset_destruction_target();
  if (bonus_mode == BONUS_COMPLETION) return;
  field->rebuild_open_connections();
  const int key = field->find_open_connection(x, y);
  if (key != 0 && !field->open_connection_flag(key)) choose_completion_target(x, y);
}

void CScene_Level::choose_destruction_target(int x, int y) {
  if (destruction_lock || state == STATE_INTRO) return;
  hide_bonus_buttons();
  KOR_GF::play_once("sound_button_click");
  destruction_target_chosen = 1;
  const KOR::KS_VECTOR2 centre = field->cell_center(x, y);
  auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"));
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr || player->destructionBonuses <= 0) {
    if (buttons) {
      const KOR::KS_VECTOR2 size = buttons->buy_button_size();
      buttons->move_buy_button(centre.x + size.x * 0.5f + 15.0f, centre.y + size.y * 0.5f - 30.0f);
      buttons->show_buy_button(true);
    }
    return;
  }
  if (buttons) {
    const KOR::KS_VECTOR2 size = buttons->destroy_button_size();
    const float offset = centre.y <= kNearTop ? size.y * 0.5f + 60.0f : -size.y * 0.5f;
    buttons->move_destroy_button(centre.x + 15.0f, centre.y + offset - 30.0f);
    buttons->show_destroy_button(true);
  }
  destruction_target = KOR::KS_IVECTOR2{x, y};
}

void CScene_Level::choose_completion_target(int x, int y) {
  reset_destruction_target();
  KOR_GF::play_once("sound_button_click");
  completion_target_chosen = 1;
  bonus_command(BONUS_COMPLETION);
  const KOR::KS_VECTOR2 centre = field->cell_center(x, y);
  auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"));
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr || player->completionBonuses <= 0) {
    if (buttons) {
      const KOR::KS_VECTOR2 size = buttons->buy_button_size();
      buttons->move_buy_button(centre.x + size.x * 0.5f, centre.y + size.y * 0.5f - 30.0f);
      buttons->show_buy_button(true);
    }
    return;
  }
  if (buttons) {
    const KOR::KS_VECTOR2 size = buttons->place_button_size();
    const float offset = centre.y > kNearTop ? -size.y * 0.5f : size.y * 0.5f + 60.0f;
    buttons->move_place_button(centre.x, centre.y + offset - 30.0f);
    buttons->show_place_button(true);
  }
  completion_target = KOR::KS_IVECTOR2{x, y};
}

// A count never goes below zero.
void CScene_Level::change_bonus_count(bool spend) {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  if (spend) {
    if (bonus_mode == BONUS_COMPLETION) {
      player->completionBonuses = std::max(0, player->completionBonuses - 1);
      if (player->completionBonuses == 0) set_bonus_mode(BONUS_NONE);
      add_trophy_progress(TROPHY_COMPLETION_BONUSES, 1);
    } else if (bonus_mode == BONUS_DESTRUCTION) {
      player->destructionBonuses = std::max(0, player->destructionBonuses - 1);
      if (player->destructionBonuses == 0) set_bonus_mode(BONUS_NONE);
      add_trophy_progress(TROPHY_DESTRUCTION_BONUSES, 1);
    }
  } else if (bonus_mode == BONUS_COMPLETION) {
    if (player->completionBonuses < max_completion_bonuses()) ++player->completionBonuses;
  } else if (bonus_mode == BONUS_DESTRUCTION) {
    if (player->destructionBonuses < max_destruction_bonuses()) ++player->destructionBonuses;
  }
  refresh_hud_counts();
}

void CScene_Level::reset_destruction_target() {
  destruction_target_chosen = 0;
  destruction_target = KOR::KS_IVECTOR2{-1, -1};
  if (auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"))) {
    buttons->move_destroy_button(kParked, kParked);
    buttons->move_buy_button(kParked, kParked);
    buttons->show_destroy_button(false);
    buttons->show_buy_button(false);
  }
}

void CScene_Level::hide_bonus_buttons() {
  completion_target_chosen = 0;
  if (auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"))) {
    buttons->move_destroy_button(kParked, kParked);
    buttons->move_buy_button(kParked, kParked);
    buttons->move_place_button(kParked, kParked);
    buttons->show_destroy_button(false);
    buttons->show_buy_button(false);
    buttons->show_place_button(false);
  }
}

void CScene_Level::refresh_hud_counts() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  if (auto* money = dynamic_cast<HUD_PANEL_MONEY*>(hud_window("HUD_MONEY"))) {
    money->set_money(player->money);
  }
  if (auto* completion = dynamic_cast<HUD_BUTTON_COMPLETION*>(hud_window("HUD_COMPLETION"))) {
    completion->set_count(player->completionBonuses);
  }
  if (auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"))) {
    buttons->set_destruction_count(player->destructionBonuses);
    buttons->set_completion_count(player->completionBonuses);
  }
}

void CScene_Level::set_completion_lock(bool on) {
  completion_lock = on;
  if (auto* completion = dynamic_cast<HUD_BUTTON_COMPLETION*>(hud_window("HUD_COMPLETION"))) {
    completion->set_available(!on);
  }
}

}  // namespace game
