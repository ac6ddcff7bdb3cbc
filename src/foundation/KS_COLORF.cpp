#include "foundation/KS_COLORF.h"

namespace KOR {

namespace {
constexpr float kInv255 = 0.003921569f;

float unit_of(uint32_t argb, int shift) {
  return static_cast<float>((argb >> shift) & 0xFFu) * kInv255;
}

uint32_t byte_of(float c) {
  if (c >= 1.0f) return 255;
  if (c > 0.0f) return static_cast<uint32_t>(c * 255.0f + 0.5f);
  return 0;  // also NaN, which fails every comparison
}
}  // namespace

KS_COLORF::KS_COLORF(uint32_t argb)
    : r(unit_of(argb, 16)), g(unit_of(argb, 8)), b(unit_of(argb, 0)), a(unit_of(argb, 24)) {}

uint32_t KS_COLORF::argb() const {
  return byte_of(a) << 24 | byte_of(r) << 16 | byte_of(g) << 8 | byte_of(b);
}

}  // namespace KOR
