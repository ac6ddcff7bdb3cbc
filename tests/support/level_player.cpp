#include "support/level_player.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/HUD_PANEL_TAPE.h"
#include "shell/SG_WINDOW_PAUSE.h"

namespace test_support {

namespace {

using game::CScene_Level;

// "HUD_TAPE"'s call area; its button is the strip at the area's right end.
constexpr unsigned kCallArea = game::HUD_PANEL_TAPE::kCallArea;
// Everything above this row is board.
constexpr float kBoardBottom = 650.0f;
// Frames a piece may take to come onto the tape: the longest wait between
// two deals, should the call button not answer.
constexpr int kDealPatience = 300;
// Calls (or crushes, on a full tape) before the player gives up on a type:
// an end cap comes about once in thirty deals, and these rounds give it
// almost surely.
constexpr int kDealRounds = 160;
// How far from a cell's middle the pointer lays a two-cell piece, toward
// the piece's other part.
constexpr float kTowardOtherPart = 7.0f;

std::string cell_name(int x, int y) { return std::to_string(x) + ", " + std::to_string(y); }

}  // namespace

CScene_Level* LEVEL_PLAYER::scene() { return game::game_instance().current_level_scene(); }

const game::CPipe_Sprite* LEVEL_PLAYER::held() {
  const CScene_Level* level = scene();
  return level != nullptr && level->holding ? level->held_piece.get() : nullptr;
}

int LEVEL_PLAYER::slot_of(int type) {
  const CScene_Level* level = scene();
  if (level == nullptr || !level->tape) return -1;
  int found = -1;
  float left = 0.0f;
  for (const auto& [slot, piece] : level->tape->slots()) {
    if (piece == nullptr || piece->type() != type || !piece->is_visible()) continue;
    if (found == -1 || piece->position().x < left) {
      found = slot;
      left = piece->position().x;
    }
  }
  return found;
}

KOR::KS_VECTOR2 LEVEL_PLAYER::cell_point(int x, int y) const {
  return scene()->field->cell_center(x, y);
}

// A two-cell piece takes the neighbour on the side of its cell the pointer
// is in; the exact middle of a board scrolled by a fraction of a pixel
// falls on either side, so the pointer leans toward the piece's other part.
KOR::KS_VECTOR2 LEVEL_PLAYER::lay_point(int x, int y) const {
  KOR::KS_VECTOR2 at = cell_point(x, y);
  const game::CPipe_Sprite* piece = held();
  if (piece == nullptr || game::pipe_span_code(piece->type()) != 2) return at;
  const KOR::KS_VECTOR2 other =
      game::pipe_part_cell(piece->type(), piece->angle_degrees(), 0, x, y, 1);
  at.x += kTowardOtherPart * (other.x - float(x));
  at.y += kTowardOtherPart * (other.y - float(y));
  return at;
}

bool LEVEL_PLAYER::cell_in_view(int x, int y) const {
  const KOR::KS_VECTOR2 at = cell_point(x, y);
  const float width = float(scene()->field->screen_width);
  return at.x > 0.0f && at.x < width && at.y > 0.0f && at.y < kBoardBottom;
}

KOR::KS_VECTOR2 LEVEL_PLAYER::call_button_point() const {
  const KOR_GF::G_WINDOW* tape = scene()->bottom_windows().find("HUD_TAPE");
  KOR::KC_GUI_OBJECT* area =
      tape != nullptr && tape->gui() != nullptr ? tape->gui()->find(kCallArea) : nullptr;
  if (area == nullptr) return KOR::KS_VECTOR2{-1.0f, -1.0f};
  const KOR::KS_VECTOR3 at = area->transform->world().position;
  return KOR::KS_VECTOR2{at.x + area->width() / 2.0f - 24.0f, at.y};
}

KOR::KS_VECTOR2 LEVEL_PLAYER::press_point() const {
  const game::CLevel_Press& press = *scene()->press;
  return KOR::KS_VECTOR2{press.area_position.x + press.area_size.x / 2.0f,
                         press.area_position.y + press.area_size.y / 2.0f};
}

void LEVEL_PLAYER::point_at(KOR::KS_VECTOR2 at) { p_.move_pointer(int(at.x), int(at.y)); }

void LEVEL_PLAYER::resume_if_paused() {
  const CScene_Level* level = scene();
  if (level == nullptr || !level->paused || level->state != CScene_Level::STATE_PLAY) return;
  if (p_.is_open("WINDOW_PAUSE")) {
    p_.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kResumeButton);
    p_.wait_until([] { return scene() == nullptr || !scene()->paused; }, "the level resumed");
  }
}

bool LEVEL_PLAYER::click_hud(const std::string& name, unsigned id) {
  const auto find = [&name]() -> KOR_GF::G_WINDOW* {
    if (scene() == nullptr) return nullptr;
    KOR_GF::G_WINDOW* window = scene()->hud_windows().find(name);
    return window != nullptr ? window : scene()->bottom_windows().find(name);
  };
  if (!p_.wait_until([&] { return find() != nullptr && find()->state() == KOR_GF::WINDOW_OPENED; },
                     "level window \"" + name + "\" open")) {
    return false;
  }
  KOR::KC_GUI_OBJECT* target = find()->gui() != nullptr ? find()->gui()->find(id) : nullptr;
  if (target == nullptr) {
    ADD_FAILURE() << "level window \"" << name << "\" has no widget " << id;
    return false;
  }
  p_.click_widget(*target);
  return true;
}

bool LEVEL_PLAYER::start(int level) {
  game::current_level_number = level;
  game::game_instance().start_level();
  if (scene() == nullptr) {
    ADD_FAILURE() << "level " << level << " did not start";
    return false;
  }
  return true;
}

bool LEVEL_PLAYER::wait_board_still() {
  return p_.wait_until(
      [this] {
        resume_if_paused();
        const CScene_Level* level = scene();
        return level != nullptr && level->state == CScene_Level::STATE_PLAY &&
               level->field->scroll_state == 0;
      },
      "the board at rest in play");
}

// A piece travelling along the tape may slip from under the pointer
// between the move and the press; the player then tries again.
bool LEVEL_PLAYER::take_slot(int slot) {
  for (int attempt = 0; attempt < 5 && held() == nullptr; ++attempt) {
    const auto& slots = scene()->tape->slots();
    const auto it = slots.find(slot);
    if (it == slots.end()) return false;
    const KOR::KS_VECTOR2 at = it->second->position();
    p_.press_button(int(at.x), int(at.y));
    resume_if_paused();
  }
  return held() != nullptr;
}

bool LEVEL_PLAYER::take(int type, const std::vector<LEVEL_ACTION>& wanted) {
  if (!wait_board_still()) return false;
  for (int round = 0; round < kDealRounds; ++round) {
    const int slot = slot_of(type);
    if (slot != -1) {
      if (take_slot(slot) && held()->type() == type) return true;
      if (held() != nullptr) put_back();
      continue;
    }
    const size_t before = scene()->tape->slots().size();
    const KOR::KS_VECTOR2 call = call_button_point();
    p_.press_button(int(call.x), int(call.y));
    // A full tape deals nothing: that is no failure, it calls for the press.
    bool dealt = false;
    for (int frame = 0; frame < kDealPatience && !dealt; ++frame) {
      p_.frames(1);
      dealt = slot_of(type) != -1 || scene()->tape->slots().size() > before;
    }
    if (!dealt || slot_of(type) == -1) {
      if (!discard_unwanted(type, wanted)) return false;
    }
  }
  ADD_FAILURE() << "the tape never dealt a piece of type " << type
                << "; on the tape now:" << tape_contents();
  return false;
}

// Each piece on the tape as slot: type at x, and whether it shows, for a
// failure message.
std::string LEVEL_PLAYER::tape_contents() {
  std::string text;
  for (const auto& [slot, piece] : scene()->tape->slots()) {
    text += " " + std::to_string(slot) + ": " + std::to_string(piece->type()) + " at " +
            std::to_string(int(piece->position().x)) + (piece->is_visible() ? "" : " (hidden)");
  }
  return text.empty() ? " nothing" : text;
}

// The piece the solution needs last (or never) goes to the press, so the
// tape has room for what it needs now. The tape deals while the press cools
// down: a piece of the type sought that came meanwhile stays, and the next
// round takes it (a type not needed later would otherwise be the first to
// go, on a tape full of pieces the solution wants).
bool LEVEL_PLAYER::discard_unwanted(int sought, const std::vector<LEVEL_ACTION>& wanted) {
  if (!p_.wait_until([] { return scene()->press->state() == game::CLevel_Press::READY; },
                     "the press ready")) {
    return false;
  }
  if (slot_of(sought) != -1) return true;
  const auto next_use = [&](int type) {
    for (size_t i = 0; i < wanted.size(); ++i) {
      if (!wanted[i].destroy && wanted[i].type == type) return i;
    }
    return wanted.size();
  };
  int chosen = -1;
  size_t latest = 0;
  for (const auto& [slot, piece] : scene()->tape->slots()) {
    const size_t use = piece->type() == sought ? 0 : next_use(piece->type());
    if (chosen == -1 || use > latest) {
      chosen = slot;
      latest = use;
    }
  }
  if (chosen == -1) return true;
  return take_slot(chosen) && crush();
}

bool LEVEL_PLAYER::turn_to(int angle) {
  for (int turn = 0; turn < 4 && held() != nullptr && held()->angle_degrees() != angle; ++turn) {
    p_.press_right();
  }
  if (held() == nullptr || held()->angle_degrees() != angle) {
    ADD_FAILURE() << "the piece in the hand does not turn to " << angle;
    return false;
  }
  return true;
}

bool LEVEL_PLAYER::lay(int x, int y) {
  if (!p_.wait_until([&] { return scene()->field->scroll_state == 0 && cell_in_view(x, y); },
                     "cell " + cell_name(x, y) + " in view")) {
    return false;
  }
  point_at(lay_point(x, y));
  if (held() == nullptr) return false;
  if (held()->color() == game::CPipe_Sprite::kRefused) {
    ADD_FAILURE() << "type " << held()->type() << " at " << held()->angle_degrees()
                  << " is shown refused over " << cell_name(x, y);
    return false;
  }
  p_.press_left();
  if (held() != nullptr || scene()->field->content_type_at(x, y) != game::CONTENT_PIPE) {
    ADD_FAILURE() << "the piece was not laid on " << cell_name(x, y);
    return false;
  }
  return true;
}

bool LEVEL_PLAYER::crush() {
  if (!p_.wait_until([] { return scene()->press->state() == game::CLevel_Press::READY; },
                     "the press ready")) {
    return false;
  }
  const KOR::KS_VECTOR2 at = press_point();
  p_.press_button(int(at.x), int(at.y));
  if (held() != nullptr) {
    ADD_FAILURE() << "the press did not take the piece";
    return false;
  }
  return true;
}

bool LEVEL_PLAYER::put_back() {
  const game::CLevel_Tape& tape = *scene()->tape;
  float right = float(tape.origin_x()) + 40.0f;
  for (const auto& [slot, piece] : tape.slots())
    right = std::max(right, piece->position().x + 60.0f);
  p_.press_button(int(right), 711);
  if (held() != nullptr) {
    ADD_FAILURE() << "the tape did not take the piece back";
    return false;
  }
  return true;
}

bool LEVEL_PLAYER::destroy(int x, int y) {
  if (!wait_board_still()) return false;
  const KOR::KS_VECTOR2 at = cell_point(x, y);
  p_.press_button(int(at.x), int(at.y));
  p_.press_button(int(at.x), int(at.y));
  if (scene()->field->content_type_at(x, y) != game::CONTENT_EMPTY) {
    ADD_FAILURE() << "the destruction bonus did not clear " << cell_name(x, y);
    return false;
  }
  return true;
}

// The tutorial's step 6 stops the tape and points at a gap for the
// completion bonus: the piece of the solution there is laid that way.
bool LEVEL_PLAYER::tutorial_asks_completion(int x, int y) {
  const CScene_Level* level = scene();
  if (level == nullptr || !level->tutorial || !game::level_tutorial_active) return false;
  const game::TUTORIAL_ARROW& gap = level->tutorial->current_layout().arrow[1];
  return level->tutorial->step == 6 && gap.at_cell && gap.cell_x == x && gap.cell_y == y;
}

bool LEVEL_PLAYER::play(const LEVEL_ACTION& action, const std::vector<LEVEL_ACTION>& after) {
  if (action.destroy) return destroy(action.x, action.y);
  if (tutorial_asks_completion(action.x, action.y)) return fill_gap(action.x, action.y);
  return take(action.type, after) && turn_to(action.angle) && lay(action.x, action.y);
}

bool LEVEL_PLAYER::lay_solution(int level, size_t count) { return lay_actions(level, 0, count); }

bool LEVEL_PLAYER::lay_actions(int level, size_t first, size_t end) {
  const std::vector<LEVEL_ACTION> actions = stored_solution(level);
  if (actions.size() < end || actions.empty()) {
    ADD_FAILURE() << "level " << level << " has no stored solution of " << end << " actions";
    return false;
  }
  for (size_t i = first; i < end; ++i) {
    SCOPED_TRACE("level " + std::to_string(level) + ", action " + std::to_string(i + 1));
    const std::vector<LEVEL_ACTION> after(actions.begin() + long(i) + 1, actions.end());
    if (!play(actions[i], after)) return false;
  }
  return true;
}

bool LEVEL_PLAYER::wait_finish() {
  return p_.wait_until([] { return scene()->field->finished != 0; }, "the water at the end",
                       4 * SCRIPTED_PLAYER::kPatience) &&
         p_.wait_open("WINDOW_FINISH");
}

bool LEVEL_PLAYER::win(int level) {
  return lay_solution(level, stored_solution(level).size()) && wait_finish();
}

bool LEVEL_PLAYER::fill_gap(int x, int y) {
  if (!wait_board_still()) return false;
  const KOR::KS_VECTOR2 at = cell_point(x, y);
  p_.press_button(int(at.x), int(at.y));
  if (scene()->bonus_mode != CScene_Level::BONUS_COMPLETION || !scene()->held_piece) {
    ADD_FAILURE() << "no completion preview after choosing " << cell_name(x, y);
    return false;
  }
  // Choosing the gap scrolls the board to the gaps.
  if (!wait_board_still()) return false;
  const KOR::KS_VECTOR2 again = cell_point(x, y);
  p_.press_button(int(again.x), int(again.y));
  if (scene()->field->content_type_at(x, y) != game::CONTENT_PIPE) {
    ADD_FAILURE() << "the completion bonus did not fill " << cell_name(x, y);
    return false;
  }
  return true;
}

}  // namespace test_support
