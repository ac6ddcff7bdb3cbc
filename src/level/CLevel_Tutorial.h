#pragma once

#include <cstdint>
#include <map>

#include "bots/KC_BOT_LIST.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_VECTOR2.h"

namespace game {

// Set while the tutorial of the first two levels runs.
extern uint8_t level_tutorial_active;

class CLevel_Field;
class CScene_Level;
class HUD_PANEL_TUTORIAL;

// Where one arrow of a step points: at a board cell, or at a screen point;
// an arrow at (-500, -500) is off the screen.
struct TUTORIAL_ARROW {
  uint8_t at_cell = 0;
  int cell_x = 0;
  int cell_y = 0;
  float x = 0.0f;
  float y = 0.0f;
  float angle = 0.0f;  // degrees
};

// Where a step shows its text card and its two arrows.
struct TUTORIAL_LAYOUT {
  float text_x = 0.0f;
  float text_y = 0.0f;
  TUTORIAL_ARROW arrow[2];
};

// The tutorial of levels 1 and 2: numbered steps, each with a text on the
// card of "HUD_TUTORIAL" and one or two bouncing arrows at what it names.
// A step narrows what the tape deals and locks parts of the level; the
// scene reports what the player does and the tutorial moves on. Level 1
// runs 1, 2, 3, 4, 6 and, once the final pipe is in view, 7; level 2 runs
// 9, 5, 8 and 10.
class CLevel_Tutorial {
 public:
  static constexpr int kNoStep = 100;

  explicit CLevel_Tutorial(CScene_Level& scene);
  CLevel_Tutorial(const CLevel_Tutorial&) = delete;
  CLevel_Tutorial& operator=(const CLevel_Tutorial&) = delete;
  ~CLevel_Tutorial();

  // Level start: the arrows made, step 1, nothing done yet.
  void init(CLevel_Field* field);
  // Every tape switch off and step 1 shown afresh, the card with it.
  void restart();
  void enter_step(int n);
  // Fills the current step's layout for the screen width.
  void layout();
  // After a switch of the screen width the step is shown anew for the new
  // width; a card that had gone with the board since the step began stands
  // beside its cell again, not back where the step first put it.
  void relayout();
  // The current step is over: its tape switch off, then no step shown.
  void step_done();
  void clear_step() { enter_step(kNoStep); }
  // Nothing shown and every lock of the level off, until restart.
  void hide();
  bool is_step_done(int n) const;
  bool is_idle() const { return step == kNoStep; }
  // The arrow leaves the screen.
  void start_arrow_bot(int arrow);
  // The board moved by dy; `ended`: its scroll reached the target.
  void update(float dy, bool ended);
  void update_bots();
  void draw_arrows();

  // What the player did; each may end the step shown.
  void piece_taken();
  void piece_placed(int x, int y);
  void piece_pressed();
  void right_click();
  void any_key();
  void cell_cleared(int x, int y);
  void completion_filled();
  // What the current step lets the player do: a left click with a piece
  // in the hand, a piece laid on a cell, a bonus target chosen on a cell,
  // a completion piece on a cell.
  bool takes_left_click_holding() const;
  bool allows_piece_on(int x, int y) const;
  bool allows_target_on(int x, int y, bool destructible) const;
  bool allows_completion_on(int x, int y) const;

  const TUTORIAL_LAYOUT& current_layout() const;
  // Where arrow 1 or 2 stands now (its centre).
  KOR::KS_VECTOR2 arrow_position(int arrow) const;
  float arrow_rotation(int arrow) const;
  KOR::KS_VECTOR2 arrow_size() const { return {arrow_width_, arrow_height_}; }
  int arrow_loops() const { return bots_.count(); }

  int step = kNoStep;
  uint8_t finished = 0;
  uint8_t hidden = 0;

 private:
  bool listening() const { return level_tutorial_active != 0 && hidden == 0; }
  bool on_arrow_cell(int arrow, int x, int y) const;
  void set_tape_switch(int n);
  void set_locks(int n);
  // The arrow at its cell or screen point, turned by its angle.
  void place_arrow(int arrow);
  void place_arrow_at(int arrow, KOR::KS_VECTOR2 at);
  // A new bounce for the arrow, replacing the one it had.
  void bounce(int arrow);
  // The card of "HUD_TUTORIAL"; null without the window.
  HUD_PANEL_TUTORIAL* window() const;
  void follow_with_card(KOR::KS_VECTOR2 at);
  KOR::KS_VECTOR2 cell_point(int x, int y) const;
  KOR::KS_VECTOR2 screen_point(const TUTORIAL_ARROW& arrow) const;

  CScene_Level& scene_;
  CLevel_Field* field_ = nullptr;
  std::map<int, TUTORIAL_LAYOUT> layouts_;
  std::map<int, bool> done_;
  OWNED_SPRITE arrows_[2];
  float arrow_width_ = 0.0f;
  float arrow_height_ = 0.0f;
  bool card_follows_board_ = false;
  KOR::KC_BOT_LIST bots_;
};

}  // namespace game
