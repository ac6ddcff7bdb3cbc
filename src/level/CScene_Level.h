#pragma once

#include <cstdint>

#include "framework/CScene.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CShop_Item.h"

namespace game {

class CEffect_BonusList;
class CEffect_ExplosionList;
class CLevel_Tutorial;

// The level's result as the finish window shows it.
struct CLevel_Result {
  int32_t money_total = 0;
  int32_t money_collected = 0;
  int32_t score = 0;
  int32_t record = 0;
  int32_t stars = 0;
  int32_t bonus_uses = 0;
  int32_t press_uses = 0;
};

// The level scene: the hub of one played level. It owns the board, hears
// what happens on it, and tells the board, tape and press the current
// player's shop levels.
class CScene_Level : public KOR_GF::CScene, public CLevel_FieldOwner, public CShop_Levels {
 public:
  enum { STATE_PLAY = 0, STATE_INTRO = 1, STATE_WON = 2, STATE_PACK_CLOSEUP = 3 };

  CScene_Level();
  CScene_Level(const CScene_Level&) = delete;
  CScene_Level& operator=(const CScene_Level&) = delete;
  ~CScene_Level() override;

  void start() override;
  void restart() override;

  // Moves the effects with the board.
  void spawn_effects(float dx, float dy);
  // Credits coins collected in this level.
  void add_money(int amount);
  // Ends the level once the water has filled the network.
  void finish_level();
  // Shows the close-up picture of the pack after a fifth level.
  void open_pack_closeup();

  void board_scrolled(float dx, float dy) override;
  void tutorial_scrolled(float dy, bool ended) override;
  void effect_at_cell(unsigned kind, float x, float y) override;
  // The current player gets the coins and, outside the tutorial's coin
  // step, a record of the cell; the level counts them.
  void money_taken(int x, int y, int amount) override;
  bool level_won() const override { return state == STATE_WON; }
  void level_finished() override { finish_level(); }
  void pack_closeup_due() override { open_pack_closeup(); }
  int shop_level(CShop_Item item) const override;

  uint8_t paused = 0;
  int32_t state = STATE_INTRO;
  CLevel_Result result;
  CEffect_ExplosionList* explosions;
  CEffect_BonusList* bonuses;
  CLevel_Tutorial* tutorial = nullptr;
};

}  // namespace game
