#pragma once

#include <memory>

#include "foundation/KS_VECTOR2.h"
#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// The picture of a scroll bar cut from a 12-frame slider strip: two
// buttons, a knob, two caps and a middle, with its hit circles marked. It
// holds no value and takes no input; nothing places its buttons, so they
// stand at the widget's centre.
class KC_GUI_SCROLL_BAR12 : public KC_GUI_OBJECT {
 public:
  // The texture's reference passes to the scroll bar.
  KC_GUI_SCROLL_BAR12(unsigned int id, KC_TEXTURE* texture);
  ~KC_GUI_SCROLL_BAR12() override;

  void draw() override;

  KC_QUAD* piece(int index) const { return pieces_[index].get(); }

  static constexpr int kPieces = 6;

 private:
  KC_TEXTURE* texture_;
  std::unique_ptr<KS_TRANSFORM3> parts_[3];
  std::unique_ptr<KC_HIT_SHAPE> shapes_[3];
  // Start button, end button, knob, start cap, end cap, middle.
  std::unique_ptr<KC_QUAD> pieces_[kPieces];
  KS_VECTOR2 start_cap_offset_;
  KS_VECTOR2 direction_;
};

}  // namespace KOR
