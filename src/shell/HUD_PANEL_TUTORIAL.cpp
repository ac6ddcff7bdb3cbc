#include "shell/HUD_PANEL_TUTORIAL.h"

#include "framework/menu_sound.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_PANEL.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"

namespace game {

void HUD_PANEL_TUTORIAL::show_text(const std::wstring& text) {
  set_label_text(*this, kTextLabel, text);
}

bool HUD_PANEL_TUTORIAL::move_card(float x, float y) {
  auto* card = widget_of<KOR::KC_GUI_PANEL>(*this, kCard);
  if (card == nullptr) return false;
  card->set_position(x, y, 0.0f);
  return true;
}

KOR::KS_VECTOR2 HUD_PANEL_TUTORIAL::card_size() const {
  return KOR_GF::widget_size(widget_of<KOR::KC_GUI_PANEL>(*this, kCard));
}

void HUD_PANEL_TUTORIAL::on_control(int widget_id) {
  if (widget_id != kEndButton) return;
  KOR_GF::play_once("sound_button_click");
  if (CScene_Level* scene = game_instance().current_level_scene()) scene->end_tutorial();
  close();
}

}  // namespace game
