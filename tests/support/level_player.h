#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "foundation/KS_VECTOR2.h"
#include "support/level_solution.h"
#include "support/scripted_player.h"

namespace game {
class CScene_Level;
class CPipe_Sprite;
}  // namespace game

namespace test_support {

// Plays the running level as a person would, with the pointer and the two
// buttons only: it takes the tape's pieces, turns them with the right
// button, lays each where the stored solution needs it and crushes in the
// press what the solution does not want yet; it spends a destruction bonus
// where the solution says, waits out the scroll and resumes a paused level.
// On levels 1 and 2 it follows the tutorial: the gap the completion step
// points at is filled with the bonus.
// It reads the game's state only to decide where to point.
class LEVEL_PLAYER {
 public:
  explicit LEVEL_PLAYER(SCRIPTED_PLAYER& player) : p_(player) {}

  // Level n started as the level operations start it; false (and a test
  // failure) when no level scene runs then.
  bool start(int level);
  // Plays the running level's stored solution to the finish window.
  bool win(int level);
  // The first `count` actions of the level's stored solution.
  bool lay_solution(int level, size_t count);
  // Its actions `first` .. `end` - 1, counted from 0.
  bool lay_actions(int level, size_t first, size_t end);
  // The water run to the end and the finish window open.
  bool wait_finish();
  // The completion bonus spent on the gap (x, y): the gap chosen
  // empty-handed shows the preview, chosen again once the board rests it
  // is filled.
  bool fill_gap(int x, int y);
  // The intro over and the board at rest.
  bool wait_board_still();
  // Takes a piece of `type` from the tape; `wanted` is what the solution
  // needs next, in order, so a piece in the way goes to the press first.
  bool take(int type, const std::vector<LEVEL_ACTION>& wanted = {});
  // The piece in the hand turned with the right button to `angle`.
  bool turn_to(int angle);
  // The piece in the hand laid with its part 0 on cell (x, y).
  bool lay(int x, int y);
  // The piece in the hand crushed in the press once it is ready.
  bool crush();
  // The piece in the hand put back on the tape.
  bool put_back();
  // A destruction bonus spent on cell (x, y): the cell chosen, then chosen
  // again.
  bool destroy(int x, int y);
  // A control of one of the level's own windows (HUD or bottom panel),
  // once the window stands open.
  bool click_hud(const std::string& window, unsigned id);
  // The level's pause window answered with "resume" when it stands open.
  void resume_if_paused();

  // Screen points of the board and the bottom panel.
  KOR::KS_VECTOR2 cell_point(int x, int y) const;
  bool cell_in_view(int x, int y) const;
  // Where the pointer lays the piece in the hand with its part 0 on (x, y).
  KOR::KS_VECTOR2 lay_point(int x, int y) const;
  KOR::KS_VECTOR2 call_button_point() const;
  KOR::KS_VECTOR2 press_point() const;

  static game::CScene_Level* scene();
  static const game::CPipe_Sprite* held();
  // The slot of the leftmost piece of `type` on the tape; -1 when none.
  static int slot_of(int type);
  // The running level's tutorial points at gap (x, y) for the completion
  // bonus.
  static bool tutorial_asks_completion(int x, int y);
  // The tape's pieces as text, for failure messages.
  static std::string tape_contents();

 private:
  bool take_slot(int slot);
  bool discard_unwanted(int sought, const std::vector<LEVEL_ACTION>& wanted);
  bool play(const LEVEL_ACTION& action, const std::vector<LEVEL_ACTION>& after);
  void point_at(KOR::KS_VECTOR2 at);

  SCRIPTED_PLAYER& p_;
};

}  // namespace test_support
