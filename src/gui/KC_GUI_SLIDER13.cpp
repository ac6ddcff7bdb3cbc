#include "gui/KC_GUI_SLIDER13.h"

#include "gui/gui_input.h"
#include "gui/gui_resources.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr int kFrames = 13;

}  // namespace

KC_GUI_SLIDER13::KC_GUI_SLIDER13(unsigned int id, const std::string& texture_name, KS_VECTOR2 start,
                                 KS_VECTOR2 end, float radius, float button_distance, float min,
                                 float max, float step, float value)
    : KC_BASESLIDER(id, start, end,
                    static_cast<float>(gui_default_texture()->image_size.x / kFrames), radius,
                    button_distance, min, max, step, value),
      texture_name_(texture_name),
      texture_(gui_default_texture()) {
  kind = GUI_KIND_SLIDER13;
}

void KC_GUI_SLIDER13::settle_track() {
  KS_VECTOR2 s = stored_start();
  KS_VECTOR2 e = stored_end();
  inset_track(s, e, frame_width());
  set_stored_points(s, e, true);
  place_buttons(s, e);
}

// Re-centres the slider on its track, so a move since construction is undone.
void KC_GUI_SLIDER13::build(KC_TEXTURE* texture) {
  set_frame_width(texture->image_size.x / kFrames);
  settle_track();
  strip_.build(texture, *this, 0.0f);
}

void KC_GUI_SLIDER13::set_track(KS_VECTOR2 start, KS_VECTOR2 end) {
  if (!built()) return;
  set_stored_points(start, end, false);
  settle_track();
  strip_.follow_track(*this);
}

void KC_GUI_SLIDER13::update_fill() {
  if (built()) strip_.place_fill(*this);
}

int KC_GUI_SLIDER13::set_value(float v) {
  const int result = KC_BASESLIDER::set_value(v);
  update_fill();
  return result;
}

KS_GUI_EVENT* KC_GUI_SLIDER13::refreshed(KS_GUI_EVENT* answer) {
  if (answer && answer->code != GUI_EVENT_NONE && built()) {
    strip_.place_fill(*this);
    strip_.show_states(*this);
  }
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_SLIDER13::on_pointer_move() {
  return refreshed(KC_BASESLIDER::on_pointer_move());
}

KS_GUI_EVENT* KC_GUI_SLIDER13::on_press() { return refreshed(KC_BASESLIDER::on_press()); }

KS_GUI_EVENT* KC_GUI_SLIDER13::on_release() {
  KS_GUI_EVENT* answer = refreshed(KC_BASESLIDER::on_release());
  if (answer) fire_hook(hook_up);
  return answer;
}

void KC_GUI_SLIDER13::draw() {
  if (built()) strip_.draw();
}

float KC_GUI_SLIDER13::width() { return built() ? strip_.width(*this) : 0.0f; }

float KC_GUI_SLIDER13::height() { return built() ? strip_.height(*this) : 0.0f; }

void KC_GUI_SLIDER13::load_resources() {
  texture_ = gui_get_texture(texture_name_);
  if (built()) {
    strip_.set_texture(texture_);
  } else {
    build(texture_);
  }
}

void KC_GUI_SLIDER13::release_resources() {
  gui_release_texture(texture_);
  texture_ = gui_default_texture();
  strip_.set_texture(texture_);
}

}  // namespace KOR
