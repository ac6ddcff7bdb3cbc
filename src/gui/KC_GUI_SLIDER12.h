#pragma once

#include "gui/KC_BASESLIDER.h"
#include "gui/KC_SLIDER_STRIP.h"

namespace KOR {

struct KC_TEXTURE;

// The slider of a 12-frame strip that it is given loaded and keeps from
// construction to destruction; its window's resource cycle leaves it alone.
// It polls the pointer in its update and shows its parts' states there.
class KC_GUI_SLIDER12 : public KC_BASESLIDER {
 public:
  // The texture's reference passes to the slider; the points are in the
  // parent's frame.
  KC_GUI_SLIDER12(unsigned int id, KC_TEXTURE* texture, KS_VECTOR2 start, KS_VECTOR2 end,
                  float radius, float button_distance, float min, float max, float step,
                  float value);
  ~KC_GUI_SLIDER12() override;

  KS_GUI_EVENT* update() override;
  void draw() override;
  float width() override;
  float height() override;

  const KC_SLIDER_STRIP& strip() const { return strip_; }

 private:
  KC_SLIDER_STRIP strip_{12};
};

}  // namespace KOR
