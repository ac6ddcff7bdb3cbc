#include "shell/HUD_BUTTON_PAUSE.h"

#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "shell/CGame_App.h"
#include "shell/menu_sound.h"
#include "shell/window_widgets.h"

namespace game {

namespace {

constexpr unsigned int kPause = 1;

}  // namespace

bool HUD_BUTTON_PAUSE::hit_test(float x, float y) const {
  auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, kPause);
  if (button == nullptr) return false;
  const KOR::KS_VECTOR2 at = widget_position(button);
  return hud_point_in_centred_rect(x, y, shown().position.x + at.x, shown().position.y + at.y,
                                   button->width(), button->height());
}

void HUD_BUTTON_PAUSE::on_open_begin() { play_once("sound_gui_window"); }

void HUD_BUTTON_PAUSE::on_control(int widget_id) {
  if (widget_id != kPause) return;
  play_once("sound_button_click");
  CGame_App& app = game_instance();
  app.pause_level();
  if (app.windows != nullptr) app.windows->show("WINDOW_PAUSE");
}

}  // namespace game
