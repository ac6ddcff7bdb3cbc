#include "shell/HUD_PANEL_PRESS.h"

#include "gui/KC_GUI_IMAGE.h"

namespace game {

namespace {

constexpr float kHiddenGap = 30.0f;

}  // namespace

void HUD_PANEL_PRESS::on_enable() { templates_.take(*this, {kSecondsLabel}); }

void HUD_PANEL_PRESS::measure_layout() {
  if (auto* open = widget_of<KOR::KC_GUI_IMAGE>(*this, kOpenFrame)) {
    open_rest_position = KOR_GF::widget_position(open);
    open_size = KOR_GF::widget_size(open);
  }
  if (auto* closed = widget_of<KOR::KC_GUI_IMAGE>(*this, kClosedFrame)) {
    hidden_x = 0.0f - KOR_GF::widget_size(closed).x - kHiddenGap;
  }
  closed_rest_position = open_rest_position;
}

KOR::KS_VECTOR2 HUD_PANEL_PRESS::press_centre() const {
  return {open_rest_position.x + open_size.x / 2.0f, open_rest_position.y + open_size.y / 2.0f};
}

void HUD_PANEL_PRESS::set_upgraded_images(bool upgraded_) {
  upgraded = upgraded_ ? 1 : 0;
  if (!upgraded) return;
  auto* open = widget_of<KOR::KC_GUI_IMAGE>(*this, kOpenFrame);
  auto* upgraded_open = widget_of<KOR::KC_GUI_IMAGE>(*this, kOpenFrame + kUpgradedFrames);
  if (open == nullptr || upgraded_open == nullptr) return;
  upgraded_open->set_visible(open->visible);
  const KOR::KS_VECTOR2 at = KOR_GF::widget_position(open);
  upgraded_open->set_position(at.x, at.y, 0.0f);
}

void HUD_PANEL_PRESS::show_frame_pair(int n, bool visible) {
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, n), visible);
  if (upgraded)
    KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, n + kUpgradedFrames), visible);
}

void HUD_PANEL_PRESS::move_frame_pair(int n, float x, float y) {
  KOR_GF::move_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, n), x, y);
  if (upgraded) KOR_GF::move_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, n + kUpgradedFrames), x, y);
}

// The upgraded closed frame hides and slides with the plain one, so it never
// stays behind at the rest over the open press.
void HUD_PANEL_PRESS::reset_display() {
  show_frame_pair(kClosedFrame, false);
  move_frame_pair(kClosedFrame, closed_rest_position.x, closed_rest_position.y);
  show_frame_pair(kOpenFrame, true);
  set_label_text(*this, kSecondsLabel, L"");
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, kCooldownSign), false);
}

void HUD_PANEL_PRESS::show_frame(int n) {
  show_frame_pair(n, true);
  if (n == kOpenFrame) {
    for (int k = kClosedFrame; k < kOpenFrame; ++k) show_frame_pair(k, false);
  } else {
    for (int k = n + 1; k <= kOpenFrame; ++k) show_frame_pair(k, false);
  }
}

void HUD_PANEL_PRESS::start_crush() {
  crush_fraction = 0.0f;
  show_frame(kOpenFrame);
}

void HUD_PANEL_PRESS::step_crush(float fraction) {
  struct STEP {
    double threshold;
    int frame;
  };
  static const STEP kSteps[] = {{0.2, 4}, {0.4, 3}, {0.6, 2}, {0.8, 1}};
  for (const STEP& step : kSteps) {
    if (crush_fraction <= step.threshold && fraction >= step.threshold) {
      crush_fraction = fraction;
      show_frame(step.frame);
      return;
    }
  }
}

void HUD_PANEL_PRESS::show_cooldown() {
  show_frame(kClosedFrame);
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, kCooldownSign), true);
}

void HUD_PANEL_PRESS::set_cooldown_seconds(int seconds) {
  templates_.fill(*this, kSecondsLabel, {seconds});
}

void HUD_PANEL_PRESS::slide_out_closed_press(float fraction) {
  const float x = closed_rest_position.x - (closed_rest_position.x - hidden_x) * fraction;
  move_frame_pair(kClosedFrame, x, closed_rest_position.y);
}

void HUD_PANEL_PRESS::slide_in_open_press(float fraction) {
  const float x = hidden_x + (open_rest_position.x - hidden_x) * fraction;
  move_frame_pair(kOpenFrame, x, open_rest_position.y);
}

// Every frame, the upgraded closed one too, is placed by its upper-left
// corner, so the upgraded frames lie exactly over the plain ones.
void HUD_PANEL_PRESS::on_open_begin() {
  show_frame_pair(kOpenFrame, true);
  for (int n = kClosedFrame; n <= kOpenFrame; ++n) {
    for (int id : {n, n + kUpgradedFrames})
      KOR_GF::place_by_upper_left(widget_of<KOR::KC_GUI_IMAGE>(*this, id));
  }
  reset_display();
}

}  // namespace game
