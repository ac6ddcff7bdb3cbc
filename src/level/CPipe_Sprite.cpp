#include "level/CPipe_Sprite.h"

namespace game {

void CPipe_Sprite::load_sprite(int type) {
  pipe_type_ = type == 0 ? 1 : type;
  color_ = kWhite;
  rotation_ = 0.0f;
  position_ = KOR::KS_VECTOR2{0.0f, 0.0f};
}

// Single-precision constants and arithmetic, so the quarter angles read back
// exactly.
int CPipe_Sprite::angle_degrees() const {
  const float degrees = rotation_ * 57.295776f;
  return int(degrees);
}

void CPipe_Sprite::set_angle_degrees(float degrees) { rotation_ = degrees * 0.017453292f; }

void CPipe_Sprite::tint_grey_preview() {
  stored_color_ = kGrey;
  color_ = kGrey;
}

void CPipe_Sprite::hide() { color_ = stored_color_ & 0x00FFFFFF; }

}  // namespace game
