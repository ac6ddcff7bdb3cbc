#include "foundation/KS_VECTOR3.h"

#include <cstdio>
#include <vector>

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
  std::snprintf(text_buffer, sizeof text_buffer, "%.*f %.*f %.*f", 3, x, 3, y, 3, z);
  return text_buffer;
}

void KS_VECTOR3::parse(const std::string& text) {
  const std::vector<std::string> parts = value_text_parts(text);
  if (parts.size() < 3) return;
  x = value_text_float(parts[0]);
  y = value_text_float(parts[1]);
  z = value_text_float(parts[2]);
}

}  // namespace KOR
