#include <algorithm>
#include <string>

#include "fieldview/CEffect_BonusList.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "level/CTrophy.h"
#include "platform/KC_INPUT.h"
#include "platform/runtime_random.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "shell/gPlayer_Flumo.h"

namespace game {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
// Everything above this screen row is board; below it lie tape and press.
constexpr float kBoardBottom = 650.0f;
constexpr float kTapeTop = 654.0f;
constexpr float kTapeBottom = 768.0f;
constexpr float kTapeWidth = 760.0f;

KOR::KS_VECTOR2 pointer() {
  if (KOR::input_mouse_position == nullptr) return KOR::KS_VECTOR2{};
  return KOR::KS_VECTOR2{float(KOR::input_mouse_position->x), float(KOR::input_mouse_position->y)};
}

int config_int(const std::wstring& key) { return CGame_Config::instance().get_int_w(key); }

}  // namespace

void CScene_Level::mouse_move() {
  if (paused) return;
  if (holding) follow_pointer();
  if (bonus_mode == BONUS_DESTRUCTION) {
    const KOR::KS_VECTOR2 at = pointer();
    const KOR::KS_VECTOR2 cell = field->cell_at_point(int(at.x), int(at.y));
    KOR::KS_VECTOR2 hovered{-1.0f, -1.0f};
    if (field->is_destructible_at(int(cell.x), int(cell.y))) {
      hovered = field->part0_cell(int(cell.x), int(cell.y));
    }
    field->set_hovered_cell(int(hovered.x), int(hovered.y));
  }
  hud_windows_->mouse_move();
  bottom_windows_->mouse_move();
}

void CScene_Level::follow_pointer() {
  if (!held_piece) return;
  const KOR::KS_VECTOR2 at = pointer();
  held_piece->set_position(at.x, at.y);
  // Refused where a click would refuse it: a piece that a click turns to
  // fit shows as it is, so red never sends a player away from the cell.
  const KOR::KS_VECTOR2 cell = field->cell_at_point(int(at.x), int(at.y));
  const bool refused = fitting_angle(held_piece.get(), at.x, at.y) < 0 ||
                       (tutorial && !tutorial->allows_piece_on(int(cell.x), int(cell.y)));
  if (at.y <= kBoardBottom && refused) {
    held_piece->tint_refused();
  } else {
    held_piece->tint_normal();
  }
}

void CScene_Level::key_up(int code) {
  if (paused) return;
  hud_windows_->key_up(code);
  bottom_windows_->key_up(code);
}

void CScene_Level::key_down(int code) {
  if (paused) return;
  if (tutorial) {
    tutorial->any_key();
    if (code == kLeftButton && holding && !tutorial->takes_left_click_holding()) return;
  }
  hud_windows_->key_down(code);
  bottom_windows_->mouse_move();
  if (code == kLeftButton) {
    const KOR::KS_VECTOR2 at = pointer();
    click(at.x, at.y);
  } else if (code == kRightButton) {
    if (tutorial) tutorial->right_click();
    if (holding && held_piece) {
      held_piece->rotate_90();
      follow_pointer();
    }
    set_bonus_mode(BONUS_NONE);
    if (destruction_target_chosen) reset_destruction_target();
    if (completion_target_chosen) hide_bonus_buttons();
  } else if (game_instance().developer_mode) {
    developer_key(code);
  }
}

void CScene_Level::developer_key(int code) {
  gPlayer_Flumo* player = current_player();
  switch (code) {
    case 'F':
    case 'W':
      result.score = code == 'F' ? 111 : 500;
      water_timer = code == 'F' ? 10000000 : 1000;
      field->update_scroll_target();
      level_won(true);
      return;
    case 'S':
      if (player) player->score += 5000;
      result.score += 5000;
      break;
    case 'N':
      if (player) {
        player->destructionBonuses =
            std::min(player->destructionBonuses + 10, max_destruction_bonuses());
      }
      break;
    case 'B':
      if (player) {
        player->completionBonuses =
            std::min(player->completionBonuses + 10, max_completion_bonuses());
      }
      break;
    default:
      return;
  }
  refresh_hud_counts();
}

void CScene_Level::click(float x, float y) {
  auto* pause_button = dynamic_cast<HUD_BUTTON_PAUSE*>(hud_window("HUD_PAUSE"));
  if (pause_button && pause_button->hit_test(x, y)) return;
  if (destruction_target_chosen || completion_target_chosen) {
    auto* buttons = dynamic_cast<HUD_BUTTON_DESTRUCTION*>(hud_window("HUD_DESTRUCTION"));
    if (buttons && buttons->hit_test(x, y)) return;
  }
  const KOR::KS_VECTOR2 cell = field->cell_at_point(int(x), int(y));
  if (destruction_target_chosen && int(cell.x) == destruction_target.x &&
      int(cell.y) == destruction_target.y) {
    bonus_command(BONUS_DESTRUCTION);
    return;
  }
  if (holding) {
    click_holding(x, y);
  } else {
    click_empty_handed(x, y);
  }
}

// Taking a piece always leaves completion mode first: the preview and the
// piece in the hand share the hand.
void CScene_Level::click_empty_handed(float x, float y) {
  tape->call_next_piece(level_clock);
  const int slot = tape->piece_at_pointer();
  if (slot != -1) {
    set_bonus_mode(BONUS_NONE);
    if (!tape_lock) {
      held_piece = tape->take_piece(slot, false);
      holding = 1;
      KOR_GF::play_once("sound_button_click");
      reset_destruction_target();
      hide_bonus_buttons();
      if (tutorial) tutorial->piece_taken();
    }
  }
  const KOR::KS_VECTOR2 cell = field->cell_at_point(int(x), int(y));
  const int cx = int(cell.x);
  const int cy = int(cell.y);
  if (!holding && bonus_mode != BONUS_DESTRUCTION && y <= kBoardBottom &&
      field->is_inside(cx, cy)) {
    choose_target(cx, cy);
  }
  if (!holding && bonus_mode == BONUS_COMPLETION && field->scroll_state == 0 && y <= kBoardBottom &&
      held_piece) {
    const int key = field->find_open_connection(cx, cy);
    if (key != 0 && !field->open_connection_flag(key)) {
      field->fit_piece_preview(cx, cy, held_piece.get());
      const KOR::KS_VECTOR2 centre = field->cell_center(cx, cy);
      const bool allowed = !tutorial || tutorial->allows_completion_on(cx, cy);
      if (allowed && held_piece->is_visible() && field->drop_piece(held_piece.get(), x, y)) {
        fill_completion(centre.x, centre.y, false);
      }
    }
  }
  refresh_hud_counts();
}

bool CScene_Level::in_tape_area(float x, float y) const {
  const float left = float(tape->origin_x());
  return x >= left && x <= left + kTapeWidth && y >= kTapeTop && y <= kTapeBottom;
}

// A press the HUD never measured has no area, and takes nothing.
bool CScene_Level::in_press_area(float x, float y) const {
  const KOR::KS_VECTOR2 at = press->area_position;
  const KOR::KS_VECTOR2 size = press->area_size;
  if (size.x <= 0.0f || size.y <= 0.0f) return false;
  return x >= at.x && x <= at.x + size.x && y >= at.y && y <= at.y + size.y;
}

void CScene_Level::click_holding(float x, float y) {
  if (in_tape_area(x, y) && !tape_lock) {
    if (held_piece && tape->put_back(held_piece)) {
      holding = 0;
      KOR_GF::play_once("sound_tube_place");
    } else {
      KOR_GF::play_once("sound_tube_wrong");
    }
  }
  if (holding && held_piece && in_press_area(x, y) && !press_lock &&
      press->state() == CLevel_Press::READY) {
    press->take_piece(std::move(held_piece));
    holding = 0;
    add_trophy_progress(TROPHY_PRESS_USES, 1);
    ++result.press_uses;
    if (tutorial) tutorial->piece_pressed();
  }
  if (y > kBoardBottom) {
    refresh_hud_counts();
    return;
  }
  place_held_piece(x, y);
  refresh_hud_counts();
}

int CScene_Level::fitting_angle(CPipe_Sprite* piece, float x, float y) {
  const int own = piece->angle_degrees();
  int found = -1;
  for (int turn = 0; turn < 4 && found < 0; ++turn) {
    const int angle = (own + 90 * turn) % 360;
    piece->set_angle_degrees(float(angle));
    if (field->can_place_piece(piece, x, y)) found = angle;
  }
  piece->set_angle_degrees(float(own));
  return found;
}

// A piece that does not fit as it stands is turned a quarter at a time
// until it does; when no turn fits it keeps its angle.
void CScene_Level::place_held_piece(float x, float y) {
  CPipe_Sprite* piece = holding ? held_piece.get() : nullptr;
  if (piece) {
    const int angle = fitting_angle(piece, x, y);
    if (angle >= 0) piece->set_angle_degrees(float(angle));
  }
  const KOR::KS_VECTOR2 cell = field->cell_at_point(int(x), int(y));
  const int cx = int(cell.x);
  const int cy = int(cell.y);
  const KOR::KS_VECTOR2 centre = field->cell_center(cx, cy);
  if (piece == nullptr || !field->can_place_piece(piece, x, y) ||
      (tutorial && !tutorial->allows_piece_on(cx, cy)) || !field->drop_piece(piece, x, y)) {
    KOR_GF::play_once("sound_tube_wrong");
    return;
  }
  ++placed_piece_count;
  if (tutorial) tutorial->piece_placed(cx, cy);
  connect_equipment(false);
  reward_piece(*piece, centre.x, centre.y);
  KOR_GF::play_once("sound_tube_place");
  held_piece.reset();
  holding = 0;
  add_trophy_progress(TROPHY_PIECES_PLACED, 1);
  if (field->is_pipeline_complete()) level_won(true);
}

// Equipment joined to the start's pipes sets the water countdown back by
// its seconds: on its first join, or on every join when `every_join` (the
// place button's fill, which pays also for a block joined again after its
// pipe was broken).
void CScene_Level::connect_equipment(bool every_join) {
  const int equipment = field->check_equipment_connection();
  if (equipment == 0) return;
  KOR_GF::play_once("sound_equip_connect");
  const int seconds = config_int(L"equipment_type" + std::to_wstring(equipment));
  auto* inscription =
      dynamic_cast<HUD_PANEL_WATER_INSCRIPTION*>(hud_window("HUD_WATER_INSCRIPTION"));
  if (inscription) inscription->show_equipment_bonus(seconds * 1000);
  if (every_join || field->equipment_newly_connected()) {
    water_timer = std::max(0, water_timer - seconds * 1000);
  }
}

void CScene_Level::pay_points(int points, float x, float y) {
  if (gPlayer_Flumo* player = current_player()) player->score += points;
  result.score += points;
  bonuses->add(0, x, y, points);
}

void CScene_Level::reward_piece(const CPipe_Sprite& piece, float x, float y) {
  if (!piece.is_bonus()) {
    pay_points(config_int(L"pipe_" + std::to_wstring(piece.type())), x, y);
    return;
  }
  const int roll = KOR::runtime_rand() % 100;
  const int for_points = config_int(L"specialPipe_getScoreProbability");
  const int for_completion = config_int(L"specialPipe_getCompletionBonusProbability");
  gPlayer_Flumo* player = current_player();
  if (roll < for_points) {
    pay_points(config_int(L"specialPipe_getScoreProbability_scoreValue"), x, y);
  } else if (roll < for_points + for_completion) {
    if (player && player->completionBonuses < max_completion_bonuses()) {
      ++player->completionBonuses;
    }
    bonuses->add(2, x, y, 0);
  } else {
    if (player && player->destructionBonuses < max_destruction_bonuses()) {
      ++player->destructionBonuses;
    }
    bonuses->add(1, x, y, 0);
  }
  add_trophy_progress(TROPHY_BONUS_PIECES, 1);
  KOR_GF::play_once("sound_receive_bonus_reward");
}

}  // namespace game
