#include "level/CLevel_Tutorial.h"

#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "bots/KC_BASE.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Tape.h"
#include "level/CScene_Level.h"
#include "puzzle/CLevel_Data.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/HUD_PANEL_TUTORIAL.h"
#include "shell/gPlayer_Flumo.h"

namespace game {

uint8_t level_tutorial_active = 0;

namespace {

constexpr const char* kWindow = "HUD_TUTORIAL";
constexpr int kLastStep = 10;

void set_tutorial_completed(bool completed) {
  if (gPlayer_Flumo* player = current_player()) player->tutorialCompleted = completed ? 1 : 0;
}

}  // namespace

CLevel_Tutorial::CLevel_Tutorial(CScene_Level& scene) : scene_(scene) {}

CLevel_Tutorial::~CLevel_Tutorial() = default;

void CLevel_Tutorial::init(CLevel_Field* field) {
  field_ = field;
  finished = 0;
  step = 1;
  hidden = 0;
  for (int arrow = 0; arrow < 2; ++arrow) {
    arrows_[arrow].reset(texture_sprite("graphics/main/interface tutorial_arrow.png", KOR::HS_MID));
    // Without the picture the arrow still has a place, so the steps run.
    if (arrows_[arrow] == nullptr) {
      arrows_[arrow].reset(new KOR::KC_QUAD());
      arrows_[arrow]->copy_transform(KOR::KS_TRANSFORM3());
    }
  }
  arrow_width_ = arrows_[0]->width();
  arrow_height_ = arrows_[0]->height();
  done_.clear();
}

void CLevel_Tutorial::restart() {
  CLevel_Tape& tape = *scene_.tape;
  tape.set_restriction1(0);
  tape.set_restriction2(0);
  tape.reset_restrictions(0);
  tape.set_restriction4(0);
  tape.set_frozen(0);
  set_tutorial_completed(false);
  level_tutorial_active = 1;
  finished = 0;
  step = 1;
  hidden = 0;
  done_.clear();
  enter_step(1);
  scene_.hud_windows().show(kWindow);
}

void CLevel_Tutorial::set_tape_switch(int n) {
  CLevel_Tape& tape = *scene_.tape;
  switch (n) {
    case 1:
    case 9:
      tape.set_restriction1(1);
      break;
    case 2:
      tape.set_restriction2(1);
      break;
    case 4:
      tape.set_restriction4(1);
      break;
    case 6:
      tape.set_frozen(1);
      break;
    case 8:
      tape.reset_restrictions(1);
      break;
    default:
      break;
  }
}

void CLevel_Tutorial::set_locks(int n) {
  scene_.set_destruction_lock(n <= 3 || n == 6 || n == 8 || n == 9);
  scene_.set_completion_lock(n <= 4 || n == 8 || n == 9);
  scene_.set_press_lock(n <= 5 || n == 9);
  scene_.set_tape_lock(n == 5);
}

void CLevel_Tutorial::enter_step(int n) {
  set_tape_switch(n);
  step = n;
  card_follows_board_ = false;
  layout();
  if (HUD_PANEL_TUTORIAL* card = window()) {
    if (n != kNoStep) {
      card->show_text(
          KOR::string_table_instance().get_wide("tutorial_text_task_" + std::to_string(n)));
    }
    const TUTORIAL_LAYOUT& at = current_layout();
    if (card->move_card(at.text_x, at.text_y)) {
      place_arrow(1);
      place_arrow(0);
      bounce(0);
      bounce(1);
    }
  }
  set_locks(n);
}

void CLevel_Tutorial::relayout() {
  const bool following = card_follows_board_;
  layout();
  enter_step(step);
  if (following) update(0.0f, true);
}

void CLevel_Tutorial::step_done() {
  CLevel_Tape& tape = *scene_.tape;
  const int s = step;
  switch (s) {
    case 1:
      tape.set_restriction1(0);
      break;
    case 3:
      tape.set_restriction2(0);
      break;
    case 4:
      tape.set_restriction4(0);
      break;
    case 6:
      tape.set_frozen(0);
      break;
    case 8:
      tape.reset_restrictions(0);
      break;
    case 9:
      tape.set_restriction1(0);
      tape.set_restriction2(0);
      tape.set_restriction4(0);
      tape.set_frozen(0);
      break;
    default:
      break;
  }
  if (s == kLastStep && current_level_number == 2) {
    finished = 1;
    set_tutorial_completed(true);
    level_tutorial_active = 0;
  } else {
    done_[s] = true;
  }
  clear_step();
}

void CLevel_Tutorial::hide() {
  hidden = 1;
  enter_step(kNoStep);
  scene_.set_destruction_lock(false);
  scene_.set_completion_lock(false);
  scene_.set_press_lock(false);
  scene_.set_tape_lock(false);
}

HUD_PANEL_TUTORIAL* CLevel_Tutorial::window() const {
  return dynamic_cast<HUD_PANEL_TUTORIAL*>(scene_.hud_windows().find(kWindow));
}

const TUTORIAL_LAYOUT& CLevel_Tutorial::current_layout() const {
  static const TUTORIAL_LAYOUT kNone;
  const auto it = layouts_.find(step);
  return it != layouts_.end() ? it->second : kNone;
}

bool CLevel_Tutorial::is_step_done(int n) const {
  const auto it = done_.find(n);
  return it != done_.end() && it->second;
}

bool CLevel_Tutorial::on_arrow_cell(int arrow, int x, int y) const {
  const TUTORIAL_ARROW& a = current_layout().arrow[arrow];
  return a.cell_x == x && a.cell_y == y;
}

// Level 2's first step points at the tape's piece as level 1's does, and
// so lets its arrow go with the piece too.
void CLevel_Tutorial::piece_taken() {
  if (listening() && (step == 1 || step == 9)) start_arrow_bot(1);
}

void CLevel_Tutorial::piece_placed(int x, int y) {
  if (!listening()) return;
  switch (step) {
    case 1:
      if (!on_arrow_cell(1, x, y)) return;
      step_done();
      enter_step(2);
      break;
    case 9:
      if (!on_arrow_cell(1, x, y)) return;
      step_done();
      scene_.tape->set_frozen(1);
      enter_step(5);
      break;
    case 3:
      step_done();
      enter_step(4);
      break;
    case 4:
      step_done();
      enter_step(6);
      break;
    case 6:
      enter_step(6);
      break;
    case 7:
      step_done();
      break;
    default:
      break;
  }
}

void CLevel_Tutorial::piece_pressed() {
  if (!listening()) return;
  if (step == 3) {
    step_done();
    enter_step(4);
  } else if (step == 8) {
    step_done();
    placed_piece_count = 0;
    enter_step(kLastStep);
  } else if (step == 7) {
    step_done();
  }
}

void CLevel_Tutorial::right_click() {
  if (!listening() || step != 2) return;
  step_done();
  enter_step(3);
}

void CLevel_Tutorial::any_key() {
  if (listening() && step == kLastStep) step_done();
}

// Whatever the destruction bonus removed from the cell the step points at
// ends the step: a pipe there would otherwise keep the frozen tape locked
// for good.
void CLevel_Tutorial::cell_cleared(int x, int y) {
  if (!listening() || step != 5 || !on_arrow_cell(0, x, y)) return;
  step_done();
  enter_step(8);
}

void CLevel_Tutorial::completion_filled() {
  if (listening() && step == 6) step_done();
}

bool CLevel_Tutorial::takes_left_click_holding() const { return !listening() || step != 2; }

// Step 8 ends at the press; no cell of the board is meant for its piece.
bool CLevel_Tutorial::allows_piece_on(int x, int y) const {
  if (level_tutorial_active == 0) return true;
  switch (step) {
    case 1:
    case 4:
    case 9:
      return on_arrow_cell(1, x, y);
    case 3:
      return on_arrow_cell(0, x, y);
    case 8:
      return false;
    default:
      return true;
  }
}

bool CLevel_Tutorial::allows_target_on(int x, int y, bool destructible) const {
  if (level_tutorial_active == 0) return true;
  if (step == 4 || (step == 6 && !destructible)) return on_arrow_cell(1, x, y);
  if (step == 5 && destructible) return on_arrow_cell(0, x, y);
  return true;
}

bool CLevel_Tutorial::allows_completion_on(int x, int y) const {
  if (level_tutorial_active == 0) return true;
  return (step != 4 && step != 6) || on_arrow_cell(1, x, y);
}

}  // namespace game
