#include "shell/HUD_PANEL_MONEY.h"

#include "shell/gPlayer_Flumo.h"

namespace game {

namespace {

constexpr unsigned int kMoney = 2;

}  // namespace

void HUD_PANEL_MONEY::on_enable() { templates_.take(*this, {kMoney}); }

void HUD_PANEL_MONEY::set_money(int amount) {
  const gPlayer_Flumo* player = current_player();
  templates_.fill(*this, kMoney, {player != nullptr ? player->money : amount});
}

}  // namespace game
