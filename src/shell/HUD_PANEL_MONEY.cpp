#include "shell/HUD_PANEL_MONEY.h"

#include "shell/gPlayer_Flumo.h"

namespace game {

void HUD_PANEL_MONEY::on_enable() { templates_.take(*this, {kMoneyLabel}); }

void HUD_PANEL_MONEY::set_money(int amount) {
  const gPlayer_Flumo* player = current_player();
  templates_.fill(*this, kMoneyLabel, {player != nullptr ? player->money : amount});
}

}  // namespace game
