#include "foundation/float_math.h"

#include <climits>
#include <cmath>

namespace KOR {

float angle_from_cosine(float dot, float length_a, float length_b, float sign_term) {
  if (length_a == 0.0f || length_b == 0.0f) return 0.0f;
  float d = dot / (length_b * length_a);
  if (d > 1.0f) d = 1.0f;
  if (d < -1.0f) d = -1.0f;
  const float a = std::acos(d);
  return sign_term > 0.0f ? a : kPi - a + kPi;
}

int truncate_to_int(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace KOR
