#pragma once

#include <cmath>
#include <compare>
#include <string>

#include "foundation/KT_VECTOR_OPERATORS.h"

namespace KOR {

// Two floats: screen positions, sizes, texture coordinates, offsets.
// == and != compare components; the orderings, and == against a number,
// compare lengths.
struct KS_VECTOR2 : KT_VECTOR_OPERATORS<KS_VECTOR2, float> {
  float x = 0.0f;
  float y = 0.0f;

  KS_VECTOR2() = default;
  explicit KS_VECTOR2(float v) : x(v), y(v) {}
  KS_VECTOR2(float x_, float y_) : x(x_), y(y_) {}

  template <class OP>
  static KS_VECTOR2 combine(const KS_VECTOR2& a, const KS_VECTOR2& b, OP op) {
    return {op(a.x, b.x), op(a.y, b.y)};
  }

  void set_zero() { x = y = 0.0f; }
  void set(float x_, float y_) {
    x = x_;
    y = y_;
  }
  KS_VECTOR2& operator=(float f) {
    x = y = f;
    return *this;
  }

  float min_component() const { return x < y ? x : y; }
  float max_component() const { return x > y ? x : y; }
  float length_squared() const { return x * x + y * y; }
  float length() const { return std::sqrt(x * x + y * y); }
  KS_VECTOR2 perpendicular() const { return {-y, x}; }
  float dot(const KS_VECTOR2& b) const { return x * b.x + y * b.y; }
  bool is_zero() const { return x == 0.0f && y == 0.0f; }
  float distance(const KS_VECTOR2& b) const { return KS_VECTOR2(x - b.x, y - b.y).length(); }

  // x for 0, y for 1, 0 for any other index.
  float operator[](int i) const {
    switch (static_cast<unsigned>(i)) {
      case 0:
        return x;
      case 1:
        return y;
      default:
        return 0.0f;
    }
  }

  bool operator==(const KS_VECTOR2& b) const { return x == b.x && y == b.y; }
  std::partial_ordering operator<=>(const KS_VECTOR2& b) const { return length() <=> b.length(); }
  bool operator==(int n) const { return length() == static_cast<float>(n); }
  std::partial_ordering operator<=>(int n) const { return length() <=> static_cast<float>(n); }

  // Direction in radians, in [0, 2pi).
  float angle() const;
  // Counter-clockwise angle from this vector to b in a y-up frame, in
  // [0, 2pi]; 2pi for vectors pointing the same way, 0 when either is zero.
  float angle_between(const KS_VECTOR2& b) const;
  // Divides by the length in place and returns the old length; a zero
  // vector stays and 0 is returned.
  float normalize();

  // "x y" with three decimals, in a buffer shared by every KS_VECTOR2 and
  // overwritten by the next call.
  const char* to_text() const;
  // Reads x then y from blank-separated text; too few numbers keep the value.
  void parse(const std::string& text);
};

KS_VECTOR2 vector2_from_ints(int x, int y);

}  // namespace KOR
