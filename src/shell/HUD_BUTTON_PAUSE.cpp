#include "shell/HUD_BUTTON_PAUSE.h"

#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "shell/CGame_App.h"

namespace game {

bool HUD_BUTTON_PAUSE::hit_test(float x, float y) const {
  auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, kPauseButton);
  if (button == nullptr) return false;
  const KOR::KS_VECTOR2 at = KOR_GF::widget_position(button);
  return KOR_GF::hud_point_in_centred_rect(x, y, shown().position.x + at.x,
                                           shown().position.y + at.y, button->width(),
                                           button->height());
}

void HUD_BUTTON_PAUSE::on_open_begin() { KOR_GF::play_once("sound_gui_window"); }

void HUD_BUTTON_PAUSE::on_control(int widget_id) {
  if (widget_id != kPauseButton) return;
  KOR_GF::play_once("sound_button_click");
  CGame_App& app = game_instance();
  app.pause_level();
  if (app.windows != nullptr) app.windows->show("WINDOW_PAUSE");
}

}  // namespace game
