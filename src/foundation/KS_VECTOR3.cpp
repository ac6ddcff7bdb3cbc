#include "foundation/KS_VECTOR3.h"

#include "foundation/float_math.h"
#include "foundation/value_text.h"

namespace KOR {

namespace {
char text_buffer[128];
}

float KS_VECTOR3::angle_between(const KS_VECTOR3& b) const {
  return angle_from_cosine(dot(b), length(), b.length(), x * b.y * z - y * b.x * b.z);
}

float KS_VECTOR3::normalize() {
  const float len = length();
  if (len == 0.0f) return 0.0f;
  x /= len;
  y /= len;
  z /= len;
  return len;
}

const char* KS_VECTOR3::to_text() const {
  return value_text_write(text_buffer, sizeof text_buffer, {x, y, z});
}

void KS_VECTOR3::parse(const std::string& text) { value_text_read(text, {&x, &y, &z}); }

}  // namespace KOR
