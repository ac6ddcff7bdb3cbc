#include "foundation/KS_VECTOR2.h"

#include <gtest/gtest.h>

#include <cmath>

using KOR::KS_VECTOR2;

namespace {
constexpr float kPi = 3.1415927f;
}

TEST(KS_VECTOR2, EqualityComparesComponentsAndOrderingsLengths) {
  const KS_VECTOR2 a(3, 4), b(4, 3);
  // Equally long vectors pointing different ways differ.
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a != b);
  EXPECT_FALSE(a == KS_VECTOR2(5, 0));
  EXPECT_TRUE(a == KS_VECTOR2(3, 4));
  EXPECT_FALSE(a != KS_VECTOR2(3, 4));
  EXPECT_TRUE(KS_VECTOR2(0.0f, -0.0f) == KS_VECTOR2());
  EXPECT_FALSE(KS_VECTOR2(NAN, 0) == KS_VECTOR2(NAN, 0));
  EXPECT_TRUE(a < 6);
  EXPECT_TRUE(a == 5);
  EXPECT_FALSE(a > 5);
  EXPECT_TRUE(KS_VECTOR2(1, 0) < a);
}

TEST(KS_VECTOR2, IndexOutsideTheComponentsYieldsZero) {
  const KS_VECTOR2 a(7, 8);
  EXPECT_EQ(a[0], 7.0f);
  EXPECT_EQ(a[1], 8.0f);
  EXPECT_EQ(a[2], 0.0f);
  EXPECT_EQ(a[-1], 0.0f);
}

TEST(KS_VECTOR2, Arithmetic) {
  KS_VECTOR2 a(1, 2);
  EXPECT_FALSE(a + KS_VECTOR2(3, 4) != KS_VECTOR2(4, 6));
  const KS_VECTOR2 s = a * 2.0f - 1.0f;
  EXPECT_EQ(s.x, 1.0f);
  EXPECT_EQ(s.y, 3.0f);
  a += KS_VECTOR2(1, 1);
  a /= 2.0f;
  EXPECT_EQ(a.x, 1.0f);
  EXPECT_EQ(a.y, 1.5f);
  a = 4.0f;
  EXPECT_EQ(a.x, 4.0f);
  EXPECT_EQ(a.y, 4.0f);
  EXPECT_EQ(KS_VECTOR2(2, 5).perpendicular().x, -5.0f);
  EXPECT_EQ(KS_VECTOR2(0, 0).distance(KS_VECTOR2(3, 4)), 5.0f);
  const KS_VECTOR2 v = KOR::vector2_from_ints(-3, 9);
  EXPECT_EQ(v.x, -3.0f);
  EXPECT_EQ(v.y, 9.0f);
}

TEST(KS_VECTOR2, Normalize) {
  KS_VECTOR2 z;
  EXPECT_EQ(z.normalize(), 0.0f);
  EXPECT_TRUE(z.is_zero());
  KS_VECTOR2 v(3, 4);
  EXPECT_EQ(v.normalize(), 5.0f);
  EXPECT_FLOAT_EQ(v.x, 0.6f);
  EXPECT_FLOAT_EQ(v.y, 0.8f);
}

TEST(KS_VECTOR2, Angle) {
  struct Case {
    KS_VECTOR2 v;
    float expected;
  };
  const Case cases[] = {
      {{0, 0}, 0.0f},          {{1, 0}, 0.0f},         {{0, 1}, kPi / 2},
      {{0, -1}, 3 * kPi / 2},  {{-1, 0}, kPi},         {{1, -1}, 7 * kPi / 4},
      {{-1, -1}, 5 * kPi / 4}, {{-1, 1}, 3 * kPi / 4}, {{1, 1}, kPi / 4},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(c.v.angle(), c.expected, 1e-5f) << c.v.x << "," << c.v.y;
  }
}

TEST(KS_VECTOR2, AngleBetween) {
  EXPECT_NEAR(KS_VECTOR2(1, 0).angle_between(KS_VECTOR2(0, 1)), kPi / 2, 1e-6f);
  EXPECT_NEAR(KS_VECTOR2(0, 1).angle_between(KS_VECTOR2(1, 0)), 3 * kPi / 2, 1e-6f);
  // The sign term is 0 for parallel vectors, which gives 2pi rather than 0.
  EXPECT_NEAR(KS_VECTOR2(2, 0).angle_between(KS_VECTOR2(5, 0)), 2 * kPi, 1e-6f);
  EXPECT_NEAR(KS_VECTOR2(1, 0).angle_between(KS_VECTOR2(-1, 0)), kPi, 1e-6f);
}

TEST(KS_VECTOR2, AngleBetweenIsNeverNaN) {
  // Rounding pushes this cosine just above 1; unclamped, acos would give NaN.
  const KS_VECTOR2 a(5 * 0.37f, 5 * 1.13f);
  const KS_VECTOR2 b = a * 3.0f;
  EXPECT_FALSE(std::isnan(a.angle_between(b)));
  EXPECT_NEAR(a.angle_between(b), 2 * kPi, 1e-5f);
  // A zero vector has no direction: 0 instead of NaN.
  EXPECT_EQ(KS_VECTOR2(0, 0).angle_between(KS_VECTOR2(1, 0)), 0.0f);
  EXPECT_EQ(KS_VECTOR2(1, 0).angle_between(KS_VECTOR2(0, 0)), 0.0f);
}

TEST(KS_VECTOR2, TextForm) {
  EXPECT_STREQ(KS_VECTOR2(1.5f, -2).to_text(), "1.500 -2.000");
  // The largest floats need about 44 characters each; the shared buffer
  // must hold them without overflowing.
  EXPECT_STREQ(KS_VECTOR2(-3.4e38f, 1e30f).to_text(),
               "-339999995214436424907732413799364296704.000 "
               "1000000015047466219876688855040.000");
}

TEST(KS_VECTOR2, Parse) {
  struct Case {
    const char* text;
    float x, y;
  };
  const Case cases[] = {
      {"10 20", 10, 20}, {"10  20", 10, 0},  // the empty part between two blanks reads as 0
      {"7", -1, -1},                         // too few numbers: unchanged
      {"", -1, -1},      {"1.5 2.5 9", 1.5f, 2.5f},
      {" 3 4", 0, 3},  // leading blank: empty first part
      {"abc 2x", 0, 2},  {"1e3 -0.5", 1000, -0.5f},
  };
  for (const Case& c : cases) {
    KS_VECTOR2 v(-1, -1);
    v.parse(c.text);
    EXPECT_EQ(v.x, c.x) << c.text;
    EXPECT_EQ(v.y, c.y) << c.text;
  }
}
