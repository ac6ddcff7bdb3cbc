#include "gui/KC_BASEPROGRESS.h"

#include <algorithm>

namespace KOR {

void KC_BASEPROGRESS::set_range(float minimum, float maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void KC_BASEPROGRESS::set_value(float value) {
  value_ = value;
  if (value_ < minimum_) value_ = minimum_;
  if (value_ > maximum_) value_ = maximum_;
  const float span = maximum_ - minimum_;
  // An empty range has only its end to be at.
  fraction_ = span > 0.0f ? (value_ - minimum_) / span : (value_ >= maximum_ ? 1.0f : 0.0f);
  finish_change();
}

void KC_BASEPROGRESS::set_percent(float percent) {
  fraction_ = std::clamp(percent / 100.0f, 0.0f, 1.0f);
  value_ = minimum_ + fraction_ * (maximum_ - minimum_);
  finish_change();
}

void KC_BASEPROGRESS::finish_change() {
  complete_ = fraction_ >= 1.0f ? 1 : 0;
  on_value_changed();
}

}  // namespace KOR
