#pragma once

#include <compare>
#include <string>

#include "foundation/KT_VECTOR_OPERATORS.h"

namespace KOR {

// Two ints: sizes, pointer positions, the resolution, cell coordinates.
// The orderings compare the sums x + y; == and != compare components.
struct KS_IVECTOR2 : KT_VECTOR_OPERATORS<KS_IVECTOR2, int> {
  int x = 0;
  int y = 0;

  KS_IVECTOR2() = default;
  explicit KS_IVECTOR2(int v) : x(v), y(v) {}
  KS_IVECTOR2(int x_, int y_) : x(x_), y(y_) {}

  template <class OP>
  static KS_IVECTOR2 combine(const KS_IVECTOR2& a, const KS_IVECTOR2& b, OP op) {
    return {op(a.x, b.x), op(a.y, b.y)};
  }

  void set_zero() { x = y = 0; }
  void set(int x_, int y_) {
    x = x_;
    y = y_;
  }
  KS_IVECTOR2& operator=(int n) {
    x = y = n;
    return *this;
  }

  bool is_zero() const { return x == 0 && y == 0; }

  // x for 0, y for 1, 0 for any other index.
  int operator[](int i) const {
    switch (static_cast<unsigned>(i)) {
      case 0:
        return x;
      case 1:
        return y;
      default:
        return 0;
    }
  }

  bool operator==(const KS_IVECTOR2& b) const { return x == b.x && y == b.y; }
  std::strong_ordering operator<=>(const KS_IVECTOR2& b) const { return sum() <=> b.sum(); }

  // Distance from (px, py).
  float distance_to(int px, int py) const;
  // |length of this - length of b|, truncated toward zero.
  int length_difference(const KS_IVECTOR2& b) const;

  // "x y" with at least three digits each ('005 1024', '-005 000'), in a
  // buffer shared by every KS_IVECTOR2.
  const char* to_text() const;
  // Reads x then y from blank-separated text; too few numbers keep the value.
  void parse(const std::string& text);

 private:
  // Sums in 64 bits so that extreme components cannot overflow.
  long long sum() const { return static_cast<long long>(x) + y; }
};

// Each value truncated toward zero.
KS_IVECTOR2 ivector2_from_floats(float x, float y);

}  // namespace KOR
