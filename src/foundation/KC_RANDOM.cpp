#include "foundation/KC_RANDOM.h"

#include "foundation/KS_IVECTOR2.h"

namespace KOR {

KC_RANDOM* random_current = nullptr;

namespace {
constexpr float kInv65535 = 1.5259022e-05f;
}

KC_RANDOM::KC_RANDOM(int seed) : state_(static_cast<uint32_t>(seed)) { random_current = this; }

void KC_RANDOM::set_seed(int seed) { state_ = static_cast<uint32_t>(seed); }

void KC_RANDOM::step() { state_ = state_ * 1664525u + 1013904223u; }

double KC_RANDOM::unit() const {
  return static_cast<double>(state_ >> 16) * static_cast<double>(kInv65535);
}

int KC_RANDOM::next() {
  step();
  return static_cast<int>(state_ & 0x7fffffffu);
}

float KC_RANDOM::next_signed() {
  step();
  return static_cast<float>(unit() * 20000.0 - 10000.0);
}

int KC_RANDOM::range_int(int lo, int hi) {
  if (lo == hi) return lo;
  step();
  // 64-bit so that extreme bounds cannot overflow the span.
  const int64_t span = static_cast<int64_t>(hi) - lo;
  const int64_t r = static_cast<int64_t>(state_ & 0x7fffffffu) % span;
  return static_cast<int>(lo + r);
}

bool KC_RANDOM::random_bool() { return range_int(0, 2) != 0; }

float KC_RANDOM::range_float(float a, float b) {
  step();
  return static_cast<float>(a + unit() * (static_cast<double>(b) - a));
}

KS_IVECTOR2 KC_RANDOM::random_point_in_rect(int x0, int y0, int x1, int y1) {
  const int x = range_int(x0, x1);
  const int y = range_int(y0, y1);
  return KS_IVECTOR2{x, y};
}

}  // namespace KOR
