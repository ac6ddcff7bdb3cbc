#include "foundation/KS_IVECTOR2.h"

#include <cmath>

#include "foundation/float_math.h"
#include "foundation/value_text.h"

namespace KOR {

namespace {
char text_buffer[128];

// Differences in 64 bits and squares in double: pixel and cell values never
// come near the int limit, but a wild value must not be undefined.
double length_of(long long dx, long long dy) {
  const double x = static_cast<double>(dx);
  const double y = static_cast<double>(dy);
  return std::sqrt(x * x + y * y);
}
}  // namespace

float KS_IVECTOR2::distance_to(int px, int py) const {
  return static_cast<float>(
      length_of(static_cast<long long>(x) - px, static_cast<long long>(y) - py));
}

int KS_IVECTOR2::length_difference(const KS_IVECTOR2& b) const {
  return truncate_to_int(std::fabs(length_of(x, y) - length_of(b.x, b.y)));
}

const char* KS_IVECTOR2::to_text() const {
  return value_text_write(text_buffer, sizeof text_buffer, {x, y});
}

void KS_IVECTOR2::parse(const std::string& text) { value_text_read(text, {&x, &y}); }

KS_IVECTOR2 ivector2_from_floats(float x, float y) {
  return {truncate_to_int(x), truncate_to_int(y)};
}

}  // namespace KOR
