#pragma once

#include <vector>

namespace KOR {

struct KS_TRANSFORM3;
struct KS_VECTOR2;
struct KS_VECTOR3;

// Animation curves. t = 0 gives the first control value and t = 1 the last,
// exactly; scalar curves do not clamp t.

float lerp(float a, float b, float t);
float bezier_quadratic(float a, float b, float c, float t);
float bezier_cubic(float a, float b, float c, float d, float t);
// Bernstein sum of count values; 0 for no values.
float bezier_n(const float* values, int count, float t);

// lo when lo >= v, else hi when v >= hi, else v.
float clamp(float v, float lo, float hi);
// amplitude * sin(2pi * frequency * t) / exp(2pi * damping * t); the divisor
// is kept at 0.001 or more so that negative damping or time stays finite.
float damped_sine(float t, float frequency, float amplitude, float damping);

// Transform curves read and write the twelve values (pivot, rotation,
// scale, position) only, never the reserved word or the parent.
// Values equal in a and b are left as they are in out.
void lerp_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& a, const KS_TRANSFORM3& b, float t);
void bezier_quadratic_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& p0,
                                const KS_TRANSFORM3& p1, const KS_TRANSFORM3& p2, float t);
void bezier_cubic_transform(KS_TRANSFORM3& out, const KS_TRANSFORM3& p0, const KS_TRANSFORM3& p1,
                            const KS_TRANSFORM3& p2, const KS_TRANSFORM3& p3, float t);
// The first key at t <= 0, the last at t >= 1, out unchanged between.
void keyframe_clamp(KS_TRANSFORM3& out, const KS_TRANSFORM3* keys, int count, float t);

// Linear vector curves clamp t to 0..1; the others do not.
KS_VECTOR2 bezier_linear_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, float t);
KS_VECTOR3 bezier_linear_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, float t);
KS_VECTOR2 bezier_quadratic_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, const KS_VECTOR2& c,
                                    float t);
KS_VECTOR3 bezier_quadratic_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, const KS_VECTOR3& c,
                                    float t);
KS_VECTOR2 bezier_cubic_vector2(const KS_VECTOR2& a, const KS_VECTOR2& b, const KS_VECTOR2& c,
                                const KS_VECTOR2& d, float t);
KS_VECTOR3 bezier_cubic_vector3(const KS_VECTOR3& a, const KS_VECTOR3& b, const KS_VECTOR3& c,
                                const KS_VECTOR3& d, float t);
// Bernstein sums; (0, 0) or (0, 0, 0) for no points.
KS_VECTOR2 bezier_n_vector2(const std::vector<KS_VECTOR2>& points, float t);
KS_VECTOR2 bezier_n_vector2(const KS_VECTOR2* points, int count, float t);
KS_VECTOR3 bezier_n_vector3(const std::vector<KS_VECTOR3>& points, float t);
KS_VECTOR3 bezier_n_vector3(const KS_VECTOR3* points, int count, float t);

}  // namespace KOR
