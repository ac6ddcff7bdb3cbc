#pragma once

#include <cstdint>

namespace KOR {

struct KS_IVECTOR2;

// The engine's linear congruential generator. Every new generator becomes
// the current one, so engine code draws through `random_current` alone.
class KC_RANDOM {
 public:
  explicit KC_RANDOM(int seed);

  void set_seed(int seed);
  int next();
  float next_signed();
  int range_int(int lo, int hi);
  bool random_bool();
  float range_float(float a, float b);
  KS_IVECTOR2 random_point_in_rect(int x0, int y0, int x1, int y1);

  uint32_t state() const { return state_; }

 private:
  void step();
  // The high 16 bits of the state scaled to 0..1, kept in double so the
  // products keep the precision the sequence was designed with.
  double unit() const;

  uint32_t state_;
};

extern KC_RANDOM* random_current;

}  // namespace KOR
