#pragma once

namespace game {

// What the board tells the one who owns it, the level scene, each at the
// point of the rule that makes it. A field without an owner tells nobody,
// and its water then never ends a level.
class CLevel_FieldOwner {
 public:
  // The board moved by (dx, dy) pixels: what is drawn over it moves along.
  virtual void board_scrolled(float dx, float dy) = 0;
  // The tutorial of the first levels runs: it follows the board.
  virtual bool tutorial_running() const = 0;
  // While the tutorial runs: the board moved by dy, or (ended) a vertical
  // scroll has reached its target.
  virtual void tutorial_scrolled(float dy, bool ended) = 0;
  // An explosion effect of `kind` at a cell's centre on screen.
  virtual void effect_at_cell(unsigned kind, float x, float y) = 0;
  // The special cell (x, y) paid `amount` coins.
  virtual void money_taken(int x, int y, int amount) = 0;
  // Full water ends the level only once it is won.
  virtual bool level_won() const = 0;
  // The water has filled a won level's network; a fifth level instead
  // scrolls to its pack picture first.
  virtual void level_finished() = 0;
  // A fifth level's end scroll has reached the pack picture.
  virtual void pack_closeup_due() = 0;

 protected:
  ~CLevel_FieldOwner() = default;
};

}  // namespace game
