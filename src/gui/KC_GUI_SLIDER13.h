#pragma once

#include <string>

#include "gui/KC_BASESLIDER.h"
#include "gui/KC_SLIDER_STRIP.h"

namespace KOR {

struct KC_TEXTURE;

// The slider of a 13-frame strip, fetched by name with its window's
// resources. Its pieces are built on the first load (until then it draws
// nothing and its geometry is that of a one-pixel frame); later loads and
// releases only exchange the texture. The fill shows the value like a
// progress bar. It moves only on pointer input: the polling update is idle.
class KC_GUI_SLIDER13 : public KC_BASESLIDER {
 public:
  // The points are in the parent's frame.
  KC_GUI_SLIDER13(unsigned int id, const std::string& texture_name, KS_VECTOR2 start,
                  KS_VECTOR2 end, float radius, float button_distance, float min, float max,
                  float step, float value);

  KS_GUI_EVENT* update() override { return nullptr; }
  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override;
  float width() override;
  float height() override;
  void load_resources() override;
  void release_resources() override;
  int set_value(float v) override;

  // Lays the fill from the knob origin to the knob; nothing before the build.
  void update_fill();
  // New track ends in the parent's frame; nothing before the build.
  void set_track(KS_VECTOR2 start, KS_VECTOR2 end);
  bool built() const { return strip_.built(); }
  KC_TEXTURE* texture() const { return texture_; }
  const KC_SLIDER_STRIP& strip() const { return strip_; }

 private:
  void build(KC_TEXTURE* texture);
  // Takes the stored points as the new track ends, inside the slider.
  void settle_track();
  KS_GUI_EVENT* refreshed(KS_GUI_EVENT* answer);

  std::string texture_name_;
  KC_TEXTURE* texture_;
  KC_SLIDER_STRIP strip_{13};
};

}  // namespace KOR
