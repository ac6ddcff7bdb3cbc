#pragma once

#include <cstdint>

#include "framework/CScene.h"

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

// The level scene: the hub of one played level.
class CScene_Level : public KOR_GF::CScene {
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

  uint8_t paused = 0;
  int32_t state = STATE_INTRO;
  CLevel_Result result;
  CEffect_ExplosionList* explosions;
  CEffect_BonusList* bonuses;
  CLevel_Tutorial* tutorial = nullptr;
};

}  // namespace game
