#pragma once

#include <memory>
#include <string>

#include "foundation/KS_VECTOR2.h"
#include "gui/KC_GUI_PROGRESS_BAR.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;

// A horizontal progress bar with a knob dragged along it; the knob's place
// sets the bar's percentage. The bar is a member, not a child. Any key or
// button going down over the knob grabs it.
class KC_GUI_SIMPLE_SLIDER : public KC_GUI_OBJECT {
 public:
  KC_GUI_SIMPLE_SLIDER(unsigned int id, const std::string& bar_texture,
                       const std::string& knob_texture);
  ~KC_GUI_SIMPLE_SLIDER() override;

  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override;
  void load_resources() override;
  void release_resources() override;

  // The knob goes to screen x, kept on the bar; the bar shows its place.
  void move_knob_to(int x);
  void set_knob_percent(float percent);

  KC_GUI_PROGRESS_BAR bar;
  KC_QUAD* knob() const { return knob_.get(); }

 private:
  std::unique_ptr<KC_QUAD> knob_;
  std::unique_ptr<KC_HIT_SHAPE> knob_shape_;
  bool pressed_ = false;
  std::string knob_texture_;
  KS_VECTOR2 knob_size_;
  KS_VECTOR2 bar_size_;
  float start_percent_ = 0.5f;
};

}  // namespace KOR
