#include "foundation/KS_VECTOR2.h"

#include "foundation/float_math.h"
#include "foundation/value_text.h"

namespace KOR {

namespace {
char text_buffer[128];
}

float KS_VECTOR2::angle() const {
  if (x > 0.0f) {
    const float a = std::atan(y / x);
    return y >= 0.0f ? a : a + kTwoPi;
  }
  if (x < 0.0f) return std::atan(y / x) + kPi;
  if (y > 0.0f) return 0.5f * kPi;
  if (y < 0.0f) return 3.0f * kPi * 0.5f;
  return 0.0f;
}

float KS_VECTOR2::angle_between(const KS_VECTOR2& b) const {
  return angle_from_cosine(dot(b), length(), b.length(), x * b.y - y * b.x);
}

float KS_VECTOR2::normalize() {
  const float len = length();
  if (len == 0.0f) return 0.0f;
  x /= len;
  y /= len;
  return len;
}

const char* KS_VECTOR2::to_text() const {
  return value_text_write(text_buffer, sizeof text_buffer, {x, y});
}

void KS_VECTOR2::parse(const std::string& text) { value_text_read(text, {&x, &y}); }

KS_VECTOR2 vector2_from_ints(int x, int y) {
  return {static_cast<float>(x), static_cast<float>(y)};
}

}  // namespace KOR
