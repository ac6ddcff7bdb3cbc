#include "shell/HUD_BUTTON_DESTRUCTION.h"

#include "framework/menu_sound.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"

namespace game {

KOR::KS_VECTOR2 HUD_BUTTON_DESTRUCTION::destroy_button_size() const {
  return KOR_GF::widget_size(widget_of<KOR::KC_GUI_BUTTON5>(*this, kDestroyButton));
}

KOR::KS_VECTOR2 HUD_BUTTON_DESTRUCTION::buy_button_size() const {
  return KOR_GF::widget_size(widget_of<KOR::KC_GUI_BUTTON5>(*this, kBuyButton));
}

KOR::KS_VECTOR2 HUD_BUTTON_DESTRUCTION::place_button_size() const {
  return KOR_GF::widget_size(widget_of<KOR::KC_GUI_BUTTON5>(*this, kPlaceButton));
}

void HUD_BUTTON_DESTRUCTION::move_destroy_button(float x, float y) {
  KOR_GF::move_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kDestroyButton), x, y);
}

void HUD_BUTTON_DESTRUCTION::move_buy_button(float x, float y) {
  KOR_GF::move_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kBuyButton), x, y);
}

void HUD_BUTTON_DESTRUCTION::move_place_button(float x, float y) {
  KOR_GF::move_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kPlaceButton), x, y);
}

void HUD_BUTTON_DESTRUCTION::show_destroy_button(bool visible) {
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kDestroyButton), visible);
}

void HUD_BUTTON_DESTRUCTION::show_buy_button(bool visible) {
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kBuyButton), visible);
}

void HUD_BUTTON_DESTRUCTION::show_place_button(bool visible) {
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_BUTTON5>(*this, kPlaceButton), visible);
}

bool HUD_BUTTON_DESTRUCTION::hit_test(float x, float y) const {
  for (unsigned int id : {kDestroyButton, kBuyButton, kPlaceButton}) {
    auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, id);
    if (button == nullptr) continue;
    const KOR::KS_VECTOR2 at = KOR_GF::widget_position(button);
    if (KOR_GF::hud_point_in_centred_rect(x, y, at.x, at.y, button->width(), button->height())) {
      return true;
    }
  }
  return false;
}

void HUD_BUTTON_DESTRUCTION::set_destruction_count(int count) {
  show_number(*this, kDestructionCountLabel, count);
}

void HUD_BUTTON_DESTRUCTION::set_completion_count(int count) {
  show_number(*this, kCompletionCountLabel, count);
}

void HUD_BUTTON_DESTRUCTION::on_control(int widget_id) {
  if (widget_id != kDestroyButton && widget_id != kBuyButton && widget_id != kPlaceButton) return;
  KOR_GF::play_once("sound_button_click");
  CScene_Level* scene = game_instance().current_level_scene();
  if (scene == nullptr) return;
  if (widget_id == kDestroyButton) {
    scene->bonus_command(CScene_Level::BONUS_DESTRUCTION);
  } else if (widget_id == kBuyButton) {
    scene->open_shop();
  } else {
    scene->apply_completion_bonus();
  }
}

}  // namespace game
