#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"

#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_WLABEL.h"
#include "puzzle/CGame_Config.h"
#include "resources/KC_STRING_TABLE.h"

namespace game {

namespace {

constexpr float kOffScreen = 150.0f;

std::wstring text_of(const char* id) { return KOR::string_table_instance().get_wide(id); }

}  // namespace

HUD_PANEL_WATER_INSCRIPTION::HUD_PANEL_WATER_INSCRIPTION(const pugi::xml_node& element)
    : G_WINDOW(element),
      total_fly_time(
          static_cast<float>(CGame_Config::instance().get_int("totalWaterInscriptionFlyTime"))),
      centre_delay(static_cast<float>(
          CGame_Config::instance().get_int("waterInscriptionDelayTimeInCenter"))) {}

void HUD_PANEL_WATER_INSCRIPTION::show_water_started() {
  show_message(text_of("hud_water_inscription"));
}

void HUD_PANEL_WATER_INSCRIPTION::show_equipment_bonus(int32_t ms) {
  show_message(KOR::wtext_format(text_of("equipment_connect"), {ms / 1000}));
}

void HUD_PANEL_WATER_INSCRIPTION::show_hurry_warning() { show_message(text_of("hurry_warning")); }

void HUD_PANEL_WATER_INSCRIPTION::show_message(const std::wstring& text) {
  state = FLYING_IN;
  screen_width = KOR::auto_position_screen_width;
  start_x = -kOffScreen;
  end_x = static_cast<float>(screen_width) + kOffScreen;
  start_time = 0;
  auto* label = widget_of<KOR::KC_GUI_WLABEL>(*this, kTextLabel);
  if (label == nullptr) return;
  label->set_visible(1);
  label->set_position(-kOffScreen, label->transform->position.y, 0.0f);
  label->set_text(text);
}

void HUD_PANEL_WATER_INSCRIPTION::update(int32_t clock) {
  if (clock < 0) return;
  if (start_time == 0) start_time = clock;
  auto* label = widget_of<KOR::KC_GUI_WLABEL>(*this, kTextLabel);
  if (label == nullptr) return;
  const float centre_x = static_cast<float>(screen_width / 2);
  const float flight = (total_fly_time - centre_delay) * 0.5f;
  // Without a flight time left the text is at the end of its flight at once.
  const auto progress = [&](int32_t now) {
    const float elapsed = static_cast<float>(now - start_time) / 1000.0f;
    return flight > 0.0f ? elapsed / flight : 1.0f;
  };
  const float y = label->transform->position.y;
  if (state == FLYING_IN) {
    float t = progress(clock);
    if (t >= 1.0f) {
      state = WAITING;
      start_time = clock;
      t = 1.0f;
    }
    label->set_position((centre_x - start_x) * t + start_x, y, 0.0f);
  }
  if (state == WAITING) {
    const float elapsed = static_cast<float>(clock - start_time) / 1000.0f;
    // A rest of no length (or a broken negative one) still ends at the next
    // later clock, as an endless rest in the middle would.
    const bool rested = centre_delay > 0.0f ? elapsed / centre_delay >= 1.0f : elapsed > 0.0f;
    if (rested) {
      state = FLYING_OUT;
      start_time = clock;
    }
  }
  if (state == FLYING_OUT) {
    float t = progress(clock);
    if (t >= 1.0f) {
      state = IDLE;
      label->set_visible(0);
      t = 1.0f;
    }
    label->set_position((end_x - centre_x) * t + centre_x, y, 0.0f);
  }
}

void HUD_PANEL_WATER_INSCRIPTION::reset() {
  state = IDLE;
  start_time = -1;
  KOR_GF::show_widget(find_widget(*this, kTextLabel), false);
}

}  // namespace game
