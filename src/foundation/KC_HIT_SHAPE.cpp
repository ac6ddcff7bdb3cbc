#include "foundation/KC_HIT_SHAPE.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_HIT_SHAPE::KC_HIT_SHAPE(int type, KS_TRANSFORM3* transform, float width, float height,
                           int reserved_a, int reserved_b)
    : type_(type),
      width_(width),
      height_(height),
      reserved_a_(reserved_a),
      transform_(transform),
      reserved_b_(reserved_b) {}

bool KC_HIT_SHAPE::contains(float x, float y) const {
  if ((type_ != kCircle && type_ != kRectangle) || !transform_) return false;
  const KS_TRANSFORM3 w = transform_->world();
  const float px = w.position.x;
  const float py = w.position.y;
  if (type_ == kCircle) {
    const float r = width_;
    if (x > px + r || x < px - r || y > py + r || y < py - r) return false;
    return r > std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
  }
  // The point is taken back into the rectangle's own unscaled frame: the
  // inverse of how the renderer places it (pivot at the position, then
  // scale, then rotation), so the hit area matches the drawn area at any
  // scale and turn.
  if (w.scale.x == 0.0f || w.scale.y == 0.0f) return false;
  rotate_point_about(px, py, x, y, -w.rotation.z);
  const float lx = (x - px) / w.scale.x + w.pivot.x;
  const float ly = (y - py) / w.scale.y + w.pivot.y;
  return lx > 0.0f && lx < width_ && ly > 0.0f && ly < height_;
}

}  // namespace KOR
