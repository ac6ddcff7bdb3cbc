#pragma once

#include <cstdint>

#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

// A value in a range, also held as the fraction 0..1 of the range, with a
// flag for the value at the end. Every change ends in on_value_changed,
// which the display supplies.
class KC_BASEPROGRESS : public KC_GUI_OBJECT {
 public:
  using KC_GUI_OBJECT::KC_GUI_OBJECT;

  // Only stored: nothing is recomputed until the next change.
  void set_range(float minimum, float maximum);
  // Clamped into the range.
  void set_value(float value);
  // 0 to 100, clamped.
  void set_percent(float percent);
  void add_value(float delta) { set_value(value_ + delta); }
  void add_percent(float delta) { set_percent(100.0f * fraction_ + delta); }

  float min() const { return minimum_; }
  float max() const { return maximum_; }
  float value() const { return value_; }
  float percent() const { return 100.0f * fraction_; }
  float fraction() const { return fraction_; }
  bool complete() const { return complete_ != 0; }

  virtual void on_value_changed() = 0;

 private:
  void finish_change();

  uint8_t complete_ = 0;
  float minimum_ = 0.0f;
  float maximum_ = 100.0f;
  float value_ = 0.0f;
  float fraction_ = 0.0f;
};

}  // namespace KOR
