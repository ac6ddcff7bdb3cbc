#include "foundation/KS_MATRIX4.h"

#include <gtest/gtest.h>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR3.h"
#include "vector_expect.h"

using KOR::KS_MATRIX4;
using KOR::KS_VECTOR3;

namespace {
constexpr float kPi = 3.1415927f;

using foundation_test::expect_near;

void expect_near(const KS_MATRIX4& a, const KS_MATRIX4& b) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(a.m[i], b.m[i], 1e-6f) << "element " << i;
}

KS_VECTOR3 mapped(const KS_MATRIX4& m, KS_VECTOR3 v) {
  m.transform_point(v);
  return v;
}
}  // namespace

TEST(KS_MATRIX4, ConstructionIsColumnByColumn) {
  const KS_MATRIX4 m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  EXPECT_EQ(m.m[0], 1.0f);
  EXPECT_EQ(m.m[4], 2.0f);
  EXPECT_EQ(m.m[8], 3.0f);
  EXPECT_EQ(m.m[12], 4.0f);
  EXPECT_EQ(m.m[1], 5.0f);
  EXPECT_EQ(m.transpose().m[1], 2.0f);
  const KS_MATRIX4 id;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(id.data()[i], (i % 5 == 0) ? 1.0f : 0.0f);
}

TEST(KS_MATRIX4, ProductAppliesTheRightOperandFirst) {
  KS_MATRIX4 a, b;
  a.set_translation(KS_VECTOR3(10, 0, 0));
  b.set_scaling(KS_VECTOR3(2, 2, 2));
  expect_near(mapped(a * b, {1, 0, 0}), 12, 0, 0);
  expect_near(mapped(b * a, {1, 0, 0}), 22, 0, 0);
  KS_MATRIX4 c = a;
  c *= b;
  expect_near(c, a * b);
  expect_near((a + b) - b, a);
  EXPECT_EQ((a * 3.0f).m[12], 30.0f);
}

TEST(KS_MATRIX4, Rotations) {
  KS_MATRIX4 z, y, x;
  z.set_rotation_z(kPi / 2);
  y.set_rotation_y(kPi / 2);
  x.set_rotation_x(kPi / 2);
  expect_near(mapped(z, {1, 0, 0}), 0, 1, 0);
  expect_near(mapped(y, {0, 0, 1}), 1, 0, 0);
  expect_near(mapped(x, {0, 1, 0}), 0, 0, 1);

  KS_VECTOR3 axis(0, 0, 2);
  KS_MATRIX4 r;
  r.set_rotation_axis(kPi, axis);
  EXPECT_TRUE(axis == KS_VECTOR3(0, 0, 1));
  KS_MATRIX4 rz;
  rz.set_rotation_z(kPi);
  expect_near(r, rz);
}

TEST(KS_MATRIX4, AxisRotationIsOrthonormalAndKeepsTheAxis) {
  const KS_VECTOR3 axes[] = {{1, 2, 3}, {-0.5f, 0.1f, 4}, {0, -7, 0}, {3, 3, -3}};
  for (const KS_VECTOR3& a : axes) {
    KS_VECTOR3 axis = a;
    KS_MATRIX4 r;
    r.set_rotation_axis(0.7f, axis);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        float dot = 0;
        for (int k = 0; k < 3; ++k) dot += r.m[4 * i + k] * r.m[4 * j + k];
        EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-5f);
      }
    }
    KS_VECTOR3 p = axis;
    r.transform_point(p);
    expect_near(p, axis.x, axis.y, axis.z);
  }
  KS_VECTOR3 zero;
  KS_MATRIX4 r;
  r.set_rotation_axis(1.0f, zero);
  EXPECT_TRUE(zero.is_zero());
}

TEST(KS_MATRIX4, PointsAndDirections) {
  KS_MATRIX4 m;
  m.set_translation(KS_VECTOR3(5, 6, 7));
  KS_VECTOR3 d(1, 2, 3);
  m.transform_direction(d);
  EXPECT_TRUE(d == KS_VECTOR3(1, 2, 3));
  expect_near(mapped(m, {1, 2, 3}), 6, 8, 10);
  EXPECT_TRUE(KS_MATRIX4().rotate_point(KS_VECTOR3(1, 2, 3)) == KS_VECTOR3(1, 2, 3));
  // rotate_point reads the rows as a column-vector matrix, with m3, m7, m11.
  const KS_MATRIX4 t = m.transpose();
  expect_near(t.rotate_point(KS_VECTOR3(1, 2, 3)), 6, 8, 10);
}

TEST(KS_MATRIX4, InPlaceStepsActBeforeWhatIsThere) {
  KS_MATRIX4 m;
  m.rotate(0, 0, 0);
  expect_near(m, KS_MATRIX4());

  m.translate(10, 0, 0);
  m.scale(2, 2, 2);  // acts first: (1, 0, 0) -> (2, 0, 0) -> (12, 0, 0)
  expect_near(mapped(m, {1, 0, 0}), 12, 0, 0);

  // rotate turns about z first, then y, then x.
  KS_MATRIX4 r;
  r.rotate(kPi / 2, 0, kPi / 2);
  expect_near(mapped(r, {1, 0, 0}), 0, 0, 1);

  KOR::KS_TRANSFORM3 t;
  t.set_position(100, 50, 0);
  t.set_pivot(10, 10, 99);
  t.set_scale(2, 3, 1);
  t.set_rotation(0, 0, kPi / 2);
  KS_MATRIX4 a;
  a.apply_transform3(t);
  // (p - pivot) * scale = (20, 30, 0), turned a quarter to (-30, 20, 0), plus
  // the position; the pivot's z plays no part.
  expect_near(mapped(a, {20, 20, 0}), 70, 70, 0);
}
