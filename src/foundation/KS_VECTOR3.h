#pragma once

#include <cmath>
#include <compare>
#include <string>

#include "foundation/KT_VECTOR_OPERATORS.h"

namespace KOR {

// Three floats: transform positions, curve control points, the listener and
// the camera. == compares components; the orderings compare lengths.
struct KS_VECTOR3 : KT_VECTOR_OPERATORS<KS_VECTOR3, float> {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  KS_VECTOR3() = default;
  explicit KS_VECTOR3(float v) : x(v), y(v), z(v) {}
  KS_VECTOR3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  template <class OP>
  static KS_VECTOR3 combine(const KS_VECTOR3& a, const KS_VECTOR3& b, OP op) {
    return {op(a.x, b.x), op(a.y, b.y), op(a.z, b.z)};
  }

  static KS_VECTOR3 zero() { return {}; }

  void set_zero() { x = y = z = 0.0f; }
  void set(float x_, float y_, float z_) {
    x = x_;
    y = y_;
    z = z_;
  }
  KS_VECTOR3& operator=(float f) {
    x = y = z = f;
    return *this;
  }

  float min_component() const {
    const float m = x < y ? x : y;
    return m < z ? m : z;
  }
  float max_component() const {
    const float m = x > y ? x : y;
    return m > z ? m : z;
  }
  float length_squared() const { return x * x + y * y + z * z; }
  float length() const { return std::sqrt(x * x + y * y + z * z); }
  KS_VECTOR3 perpendicular_xy() const { return {-y, x, z}; }
  float dot(const KS_VECTOR3& b) const { return x * b.x + y * b.y + z * b.z; }
  KS_VECTOR3 cross(const KS_VECTOR3& b) const {
    return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x};
  }
  bool is_zero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
  float length_difference(const KS_VECTOR3& b) const { return std::fabs(length() - b.length()); }

  // x, y, z for 0, 1, 2; 0 for any other index.
  float operator[](int i) const {
    switch (static_cast<unsigned>(i)) {
      case 0:
        return x;
      case 1:
        return y;
      case 2:
        return z;
      default:
        return 0.0f;
    }
  }

  bool operator==(const KS_VECTOR3& b) const { return x == b.x && y == b.y && z == b.z; }
  std::partial_ordering operator<=>(const KS_VECTOR3& b) const { return length() <=> b.length(); }
  bool operator==(int n) const { return length() == static_cast<float>(n); }
  std::partial_ordering operator<=>(int n) const { return length() <=> static_cast<float>(n); }

  // As KS_VECTOR2::angle_between, with the sign term x*b.y*z - y*b.x*b.z.
  float angle_between(const KS_VECTOR3& b) const;
  // Divides by the length in place and returns the old length; a zero
  // vector stays and 0 is returned.
  float normalize();

  // "x y z" with three decimals, in a buffer shared by every KS_VECTOR3.
  const char* to_text() const;
  // Reads x, y, z from blank-separated text; too few numbers keep the value.
  void parse(const std::string& text);
};

}  // namespace KOR
