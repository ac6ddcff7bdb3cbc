#pragma once

#include <cstdint>

namespace KOR {

// A colour as four floats in 0..1 for fades and interpolation; values outside
// 0..1 are allowed and clamped only by argb().
struct KS_COLORF {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 0.0f;

  KS_COLORF() = default;
  KS_COLORF(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_) {}
  explicit KS_COLORF(uint32_t argb);

  // Each component clamped to 0..255 and rounded half up; NaN gives 0.
  uint32_t argb() const;

  KS_COLORF operator+(const KS_COLORF& d) const { return {r + d.r, g + d.g, b + d.b, a + d.a}; }
  KS_COLORF operator-(const KS_COLORF& d) const { return {r - d.r, g - d.g, b - d.b, a - d.a}; }
  KS_COLORF operator*(const KS_COLORF& d) const { return {r * d.r, g * d.g, b * d.b, a * d.a}; }
  KS_COLORF operator*(float f) const { return {r * f, g * f, b * f, a * f}; }
  KS_COLORF operator/(float f) const { return {r / f, g / f, b / f, a / f}; }
  KS_COLORF& operator+=(const KS_COLORF& d) { return *this = *this + d; }
  KS_COLORF& operator-=(const KS_COLORF& d) { return *this = *this - d; }
  KS_COLORF& operator*=(float f) { return *this = *this * f; }
  bool operator==(const KS_COLORF& d) const { return r == d.r && g == d.g && b == d.b && a == d.a; }
  bool operator!=(const KS_COLORF& d) const { return !(*this == d); }
};

}  // namespace KOR
