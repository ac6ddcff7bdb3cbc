#include "level/CScene_Level.h"

#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "level/CLevel_Tutorial.h"
#include "shell/gPlayer_Flumo.h"

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

void CScene_Level::board_scrolled(float dx, float dy) { spawn_effects(dx, dy); }

void CScene_Level::tutorial_scrolled(float dy, bool ended) {
  if (tutorial) tutorial->update(dy, ended);
}

void CScene_Level::effect_at_cell(unsigned kind, float x, float y) { explosions->add(kind, x, y); }

void CScene_Level::money_taken(int x, int y, int amount) {
  gPlayer_Flumo* player = dynamic_cast<gPlayer_Flumo*>(KOR_GF::players_instance().current);
  if (player) player->money += amount;
  add_money(amount);
  const bool tutorial_step_8 = level_tutorial_active && tutorial && tutorial->step == 8;
  if (player && !tutorial_step_8) player->add_coin(x, y);
}

int CScene_Level::shop_level(CShop_Item item) const { return current_shop_level(item); }

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
