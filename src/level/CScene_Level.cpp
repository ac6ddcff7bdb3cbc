#include "level/CScene_Level.h"

#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_SOUND_MANAGER.h"
#include "level/CLevel_Tutorial.h"

namespace game {

CScene_Level::CScene_Level()
    : explosions(new CEffect_ExplosionList()), bonuses(new CEffect_BonusList()) {
  kind = 1;
}

CScene_Level::~CScene_Level() {
  delete explosions;
  delete bonuses;
  delete tutorial;
}

void CScene_Level::start() { paused = 0; }

void CScene_Level::restart() { paused = 0; }

void CScene_Level::spawn_effects(float dx, float dy) {
  explosions->shift(dx, dy);
  bonuses->shift(dx, dy);
}

void CScene_Level::add_money(int amount) {
  KOR_GF::sound_manager_instance().play("sound_money_received", false, 0.0f, 0.0f);
  result.money_collected += amount;
}

void CScene_Level::finish_level() {
  KOR_GF::sound_manager_instance().stop("sound_water_flow");
  KOR_GF::sound_manager_instance().play("sound_level_finished", false, 0.0f, 0.0f);
}

void CScene_Level::open_pack_closeup() { state = STATE_PACK_CLOSEUP; }

}  // namespace game
