#include "foundation/curves.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"
#include "foundation/KS_VECTOR3.h"
#include "foundation/float_math.h"

namespace KOR {

namespace {

// Value i (0..11) of a transform: pivot, rotation, scale, position.
template <typename T>
auto& value(T& t, int i) {
  decltype(&t.pivot) fields[4] = {&t.pivot, &t.rotation, &t.scale, &t.position};
  auto& f = *fields[i / 3];
  return i % 3 == 0 ? f.x : (i % 3 == 1 ? f.y : f.z);
}

void copy_values(KS_TRANSFORM3& out, const KS_TRANSFORM3& from) {
  for (int i = 0; i < 12; ++i) value(out, i) = value(from, i);
}

// Sum over i of binom(n-1, i) * (1-t)^(n-1-i) * t^i * p[i], built term by term.
template <typename P>
P bernstein(const P* p, int n, float t) {
  if (p == nullptr || n <= 0) return P();
  if (t == 0.0f) return p[0];
  if (t == 1.0f) return p[n - 1];
  float w = std::pow(1.0f - t, static_cast<float>(n - 1));
  float b = 1.0f;
  float e = 1.0f;
  P sum = P();
  for (int i = 0; i < n; ++i) {
    sum = sum + p[i] * (b * w * e);
    b = b * static_cast<float>(n - 1 - i) / static_cast<float>(i + 1);
    w = w / (1.0f - t);
    e = e * t;
  }
  return sum;
}

template <typename V>
V linear_clamped(const V& a, const V& b, float t) {
  if (t <= 0.0f) return a;
  if (t >= 1.0f) return b;
  return a + (b - a) * t;
}

template <typename V>
V quadratic(const V& a, const V& b, const V& c, float t) {
  if (t == 0.0f) return a;
  if (t == 1.0f) return c;
  const float u = 1.0f - t;
  return a * (u * u) + b * (2.0f * t * u) + c * (t * t);
}

template <typename V>
V cubic(const V& a, const V& b, const V& c, const V& d, float t) {
  if (t == 0.0f) return a;
  if (t == 1.0f) return d;
  const float u = 1.0f - t;
  return a * (u * u * u) + b * (3.0f * t * u * u) + c * (3.0f * t * t * u) + d * (t * t * t);
}

}  // namespace

float lerp(float a, float b, float t) {
  if (t == 0.0f) return a;
  if (t == 1.0f) return b;
  return a + t * (b - a);
}

float bezier_quadratic(float a, float b, float c, float t) { return quadratic(a, b, c, t); }

float bezier_cubic(float a, float b, float c, float d, float t) { return cubic(a, b, c, d, t); }

float bezier_n(const float* values, int count, float t) { return bernstein(values, count, t); }

float clamp(float v, float lo, float hi) {
  if (lo >= v) return lo;
  if (v >= hi) return hi;
  return v;
}

float damped_sine(float t, float frequency, float amplitude, float damping) {
  float e = std::exp(t * kTwoPi * damping);
  if (e < 0.001f) e = 0.001f;
  const float s = std::sin(t * frequency * kTwoPi);
  return amplitude * s / e;
}

void lerp_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& a, const KS_TRANSFORM3& b, float t) {
  if (t <= 0.0f) return copy_values(out, a);
  if (t >= 1.0f) return copy_values(out, b);
  for (int i = 0; i < 12; ++i) {
    const float va = value(a, i);
    const float vb = value(b, i);
    if (va != vb) value(out, i) = lerp(va, vb, t);
  }
}

void bezier_quadratic_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& p0,
                                const KS_TRANSFORM3& p1, const KS_TRANSFORM3& p2, float t) {
  if (t <= 0.0f) return copy_values(out, p0);
  if (t >= 1.0f) return copy_values(out, p2);
  for (int i = 0; i < 12; ++i) {
    value(out, i) = bezier_quadratic(value(p0, i), value(p1, i), value(p2, i), t);
  }
}

void bezier_cubic_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& p0, const KS_TRANSFORM3& p1,
                            const KS_TRANSFORM3& p2, const KS_TRANSFORM3& p3, float t) {
  if (t <= 0.0f) return copy_values(out, p0);
  if (t >= 1.0f) return copy_values(out, p3);
  for (int i = 0; i < 12; ++i) {
    value(out, i) = bezier_cubic(value(p0, i), value(p1, i), value(p2, i), value(p3, i), t);
  }
}

void keyframe_clamp(KS_TRANSFORM3& out, const KS_TRANSFORM3* keys, int count, float t) {
  if (keys == nullptr || count <= 0) return;
  if (t <= 0.0f) copy_values(out, keys[0]);
  if (t >= 1.0f) copy_values(out, keys[count - 1]);
}

KS_VECTOR2 bezier_linear_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, float t) {
  return linear_clamped(a, b, t);
}

KS_VECTOR3 bezier_linear_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, float t) {
  return linear_clamped(a, b, t);
}

KS_VECTOR2 bezier_quadratic_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, const KS_VECTOR2& c,
                                    float t) {
  return quadratic(a, b, c, t);
}

KS_VECTOR3 bezier_quadratic_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, const KS_VECTOR3& c,
                                    float t) {
  return quadratic(a, b, c, t);
}

KS_VECTOR2 bezier_cubic_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, const KS_VECTOR2& c,
                                const KS_VECTOR2& d, float t) {
  return cubic(a, b, c, d, t);
}

KS_VECTOR3 bezier_cubic_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, const KS_VECTOR3& c,
                                const KS_VECTOR3& d, float t) {
  return cubic(a, b, c, d, t);
}

KS_VECTOR2 bezier_n_vector2(const std::vector<KS_VECTOR2>& points, float t) {
  return bernstein(points.data(), static_cast<int>(points.size()), t);
}

KS_VECTOR2 bezier_n_vector2(const KS_VECTOR2* points, int count, float t) {
  return bernstein(points, count, t);
}

KS_VECTOR3 bezier_n_vector3(const std::vector<KS_VECTOR3>& points, float t) {
  return bernstein(points.data(), static_cast<int>(points.size()), t);
}

KS_VECTOR3 bezier_n_vector3(const KS_VECTOR3* points, int count, float t) {
  return bernstein(points, count, t);
}

}  // namespace KOR
