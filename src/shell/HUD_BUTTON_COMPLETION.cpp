#include "shell/HUD_BUTTON_COMPLETION.h"

#include "framework/menu_sound.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"

namespace game {

void HUD_BUTTON_COMPLETION::set_available(bool available) {
  auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, kCompletionButton);
  if (button == nullptr) return;
  button->set_enabled(available ? 1 : 0);
  if (available) {
    button->enable();
  } else {
    button->disable();
  }
}

void HUD_BUTTON_COMPLETION::set_count(int count) { show_number(*this, kCountLabel, count); }

KOR::KS_VECTOR2 HUD_BUTTON_COMPLETION::button_position() const {
  return KOR_GF::widget_position(widget_of<KOR::KC_GUI_BUTTON5>(*this, kCompletionButton));
}

void HUD_BUTTON_COMPLETION::on_control(int widget_id) {
  if (widget_id != kCompletionButton) return;
  KOR_GF::play_once("sound_button_click");
  CScene_Level* scene = game_instance().current_level_scene();
  if (scene == nullptr) return;
  scene->bonus_command(CScene_Level::BONUS_COMPLETION);
  scene->hide_bonus_buttons();
}

}  // namespace game
