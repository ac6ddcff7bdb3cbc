#include "foundation/curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"
#include "foundation/KS_VECTOR3.h"

using KOR::KS_TRANSFORM3;
using KOR::KS_VECTOR2;
using KOR::KS_VECTOR3;

TEST(curves, ScalarCurves) {
  EXPECT_EQ(KOR::lerp(2, 4, 0.5f), 3.0f);
  EXPECT_EQ(KOR::lerp(2, 4, 1.5f), 5.0f);  // not clamped
  EXPECT_EQ(KOR::lerp(0.1f, 0.7f, 1.0f), 0.7f);
  EXPECT_EQ(KOR::bezier_quadratic(0, 2, 4, 0.5f), 2.0f);
  EXPECT_EQ(KOR::bezier_quadratic(1, 2, 3.3f, 1.0f), 3.3f);
  EXPECT_EQ(KOR::bezier_cubic(0, 1, 2, 3, 0.5f), 1.5f);
  EXPECT_EQ(KOR::bezier_cubic(0, 1, 2, 3, 1.0f), 3.0f);
  EXPECT_EQ(KOR::bezier_cubic(0.3f, 1, 2, 3, 0.0f), 0.3f);
}

TEST(curves, BernsteinSum) {
  const float three[] = {0, 2, 0};
  EXPECT_FLOAT_EQ(KOR::bezier_n(three, 3, 0.5f), 1.0f);
  const float four[] = {0, 1, 2, 3};
  for (float t : {0.1f, 0.25f, 0.5f, 0.9f}) {
    EXPECT_NEAR(KOR::bezier_n(four, 4, t), KOR::bezier_cubic(0, 1, 2, 3, t), 1e-5f);
  }
  EXPECT_EQ(KOR::bezier_n(four, 4, 1.0f), 3.0f);
  EXPECT_EQ(KOR::bezier_n(four, 1, 0.7f), 0.0f);
  EXPECT_EQ(KOR::bezier_n(four, 0, 0.5f), 0.0f);  // no values: nothing read
  EXPECT_EQ(KOR::bezier_n(nullptr, 3, 0.5f), 0.0f);

  const std::vector<KS_VECTOR2> pts = {{0, 0}, {2, 4}, {4, 0}};
  const KS_VECTOR2 mid = KOR::bezier_n_vector2(pts, 0.5f);
  EXPECT_FLOAT_EQ(mid.x, 2.0f);
  EXPECT_FLOAT_EQ(mid.y, 2.0f);
  EXPECT_FALSE(KOR::bezier_n_vector2(pts.data(), 3, 1.0f) != KS_VECTOR2(4, 0));
  EXPECT_TRUE(KOR::bezier_n_vector2(std::vector<KS_VECTOR2>(), 0.5f).is_zero());
  const std::vector<KS_VECTOR3> p3 = {{0, 0, 0}, {0, 0, 6}};
  EXPECT_TRUE(KOR::bezier_n_vector3(p3, 0.5f) == KS_VECTOR3(0, 0, 3));
  EXPECT_TRUE(KOR::bezier_n_vector3(p3.data(), 2, 0.0f) == KS_VECTOR3());
}

TEST(curves, Clamp) {
  EXPECT_EQ(KOR::clamp(5, 0, 3), 3.0f);
  EXPECT_EQ(KOR::clamp(-1, 0, 3), 0.0f);
  EXPECT_EQ(KOR::clamp(2, 0, 3), 2.0f);
}

TEST(curves, DampedSine) {
  EXPECT_EQ(KOR::damped_sine(0, 3, 10, 1), 0.0f);
  EXPECT_NEAR(KOR::damped_sine(0.25f, 1, 10, 0), 10.0f, 1e-4f);
  EXPECT_NEAR(KOR::damped_sine(0.25f, 1, 10, 1), 10.0f / std::exp(3.1415927f / 2), 1e-4f);
  // Strongly negative damping would divide by almost nothing: bounded.
  const float wild = KOR::damped_sine(0.25f, 1, 1, -100);
  EXPECT_TRUE(std::isfinite(wild));
  EXPECT_LE(std::fabs(wild), 1000.0f);
}

TEST(curves, VectorCurves) {
  const KS_VECTOR2 a(0, 0), b(10, 20);
  EXPECT_FALSE(KOR::bezier_linear_vector2(a, b, 1.5f) != b);  // clamped
  EXPECT_FALSE(KOR::bezier_linear_vector2(a, b, -1.0f) != a);
  EXPECT_FALSE(KOR::bezier_linear_vector2(a, b, 0.5f) != KS_VECTOR2(5, 10));
  EXPECT_TRUE(KOR::bezier_linear_vector3({0, 0, 0}, {2, 2, 2}, 0.5f) == KS_VECTOR3(1, 1, 1));
  EXPECT_FALSE(KOR::bezier_quadratic_vector2(a, {5, 20}, b, 0.5f) != KS_VECTOR2(5, 15));
  EXPECT_TRUE(KOR::bezier_quadratic_vector3({}, {0, 0, 2}, {}, 0.5f) == KS_VECTOR3(0, 0, 1));
  // Not clamped beyond 1.
  EXPECT_FALSE(KOR::bezier_quadratic_vector2(a, {5, 10}, b, 2.0f) != KS_VECTOR2(20, 40));
  EXPECT_FALSE(KOR::bezier_cubic_vector2(a, {1, 1}, {2, 2}, {3, 3}, 0.5f) !=
               KS_VECTOR2(1.5f, 1.5f));
  EXPECT_TRUE(KOR::bezier_cubic_vector3({}, {}, {}, {3, 3, 3}, 1.0f) == KS_VECTOR3(3, 3, 3));
}

TEST(curves, LerpTransformWritesOnlyValuesThatDiffer) {
  KS_TRANSFORM3 a, b, out;
  b.set_position(10, 0, 0);
  out.set_scale(5, 5, 5);
  KS_TRANSFORM3 parent;
  out.parent = &parent;
  out.reserved = 3;
  KOR::lerp_transform(out, a, b, 0.5f);
  EXPECT_TRUE(out.position == KS_VECTOR3(5, 0, 0));
  EXPECT_TRUE(out.scale == KS_VECTOR3(5, 5, 5)) << "equal in a and b: left alone";
  KOR::lerp_transform(out, a, b, 2.0f);
  EXPECT_TRUE(out.position == KS_VECTOR3(10, 0, 0));
  EXPECT_TRUE(out.scale == KS_VECTOR3(1, 1, 1));
  EXPECT_EQ(out.parent, &parent);
  EXPECT_EQ(out.reserved, 3);
}

TEST(curves, BezierTransforms) {
  KS_TRANSFORM3 p0, p1, p2, p3, out;
  p1.set_pivot(4, 0, 0);
  p2.set_rotation(0, 0, 2);
  p3.set_scale(4, 4, 4);
  KOR::bezier_quadratic_transform(out, p0, p1, p2, 0.5f);
  EXPECT_FLOAT_EQ(out.pivot.x, 2.0f);
  EXPECT_FLOAT_EQ(out.rotation.z, 0.5f);
  EXPECT_TRUE(out.scale == KS_VECTOR3(1, 1, 1));
  KOR::bezier_quadratic_transform(out, p0, p1, p2, 1.0f);
  EXPECT_TRUE(out.pivot.is_zero());
  EXPECT_EQ(out.rotation.z, 2.0f);
  KOR::bezier_cubic_transform(out, p0, p0, p0, p3, 0.5f);
  EXPECT_FLOAT_EQ(out.scale.x, 1.375f);
  KOR::bezier_cubic_transform(out, p0, p1, p2, p3, -0.5f);
  EXPECT_TRUE(out.scale == KS_VECTOR3(1, 1, 1));
  EXPECT_TRUE(out.rotation.is_zero());
}

TEST(curves, KeyframeClampOnlyAtTheEnds) {
  KS_TRANSFORM3 keys[3];
  keys[0].set_position(1, 0, 0);
  keys[2].set_position(3, 0, 0);
  KS_TRANSFORM3 out;
  out.set_position(7, 7, 7);
  KOR::keyframe_clamp(out, keys, 3, 0.5f);
  EXPECT_TRUE(out.position == KS_VECTOR3(7, 7, 7));
  KOR::keyframe_clamp(out, keys, 3, 0.0f);
  EXPECT_TRUE(out.position == KS_VECTOR3(1, 0, 0));
  KOR::keyframe_clamp(out, keys, 3, 1.0f);
  EXPECT_TRUE(out.position == KS_VECTOR3(3, 0, 0));
  KOR::keyframe_clamp(out, keys, 0, 1.0f);  // no keys: nothing read
  EXPECT_TRUE(out.position == KS_VECTOR3(3, 0, 0));
}
