#include "foundation/KS_VECTOR3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using KOR::KS_VECTOR3;

TEST(KS_VECTOR3, EqualityIsComponentWiseOrderingByLength) {
  EXPECT_FALSE(KS_VECTOR3(3, 4, 0) == KS_VECTOR3(4, 3, 0));
  EXPECT_TRUE(KS_VECTOR3(3, 4, 0) != KS_VECTOR3(4, 3, 0));
  EXPECT_TRUE(KS_VECTOR3(1, 2, 3) == KS_VECTOR3(1, 2, 3));
  EXPECT_FALSE(KS_VECTOR3(3, 4, 0) < KS_VECTOR3(4, 3, 0));
  EXPECT_TRUE(KS_VECTOR3(3, 4, 0) <= KS_VECTOR3(4, 3, 0));
  EXPECT_TRUE(KS_VECTOR3(0, 3, 4) == 5);
  EXPECT_TRUE(KS_VECTOR3(0, 3, 4) > 4);
}

TEST(KS_VECTOR3, Operations) {
  const KS_VECTOR3 a(1, 0, 0), b(0, 1, 0);
  EXPECT_TRUE(a.cross(b) == KS_VECTOR3(0, 0, 1));
  EXPECT_TRUE(KS_VECTOR3(1, 2, 3).perpendicular_xy() == KS_VECTOR3(-2, 1, 3));
  EXPECT_EQ(KS_VECTOR3(0, 3, 4).length_difference(KS_VECTOR3(0, 0, 8)), 3.0f);
  EXPECT_EQ(KS_VECTOR3(5, -2, 9).min_component(), -2.0f);
  EXPECT_EQ(KS_VECTOR3(5, -2, 9).max_component(), 9.0f);
  EXPECT_TRUE(KS_VECTOR3::zero().is_zero());
  EXPECT_EQ(KS_VECTOR3(4, 5, 6)[2], 6.0f);
  EXPECT_EQ(KS_VECTOR3(4, 5, 6)[3], 0.0f);
  EXPECT_EQ(KS_VECTOR3(4, 5, 6)[-1], 0.0f);
  KS_VECTOR3 v(0, 3, 4);
  EXPECT_EQ(v.normalize(), 5.0f);
  EXPECT_TRUE(v == KS_VECTOR3(0, 0.6f, 0.8f));
  KS_VECTOR3 z;
  EXPECT_EQ(z.normalize(), 0.0f);
  EXPECT_TRUE(z.is_zero());
}

TEST(KS_VECTOR3, AngleBetween) {
  // Vectors in the plane z = 0 always have sign term 0, hence 2pi - acos.
  EXPECT_NEAR(KS_VECTOR3(1, 0, 0).angle_between(KS_VECTOR3(0, 1, 0)), 3 * 3.1415927f / 2, 1e-6f);
  EXPECT_NEAR(KS_VECTOR3(1, 0, 1).angle_between(KS_VECTOR3(0, 1, 1)), std::acos(0.5f), 1e-6f);
  EXPECT_EQ(KS_VECTOR3().angle_between(KS_VECTOR3(0, 1, 0)), 0.0f);
}

TEST(KS_VECTOR3, TextFormAndParse) {
  EXPECT_STREQ(KS_VECTOR3(0, 1, 0.25f).to_text(), "0.000 1.000 0.250");
  // Three values of the largest magnitude do not fit the 128-character
  // buffer: the text is cut, never written past the buffer.
  const std::string big = KS_VECTOR3(3.4e38f, -3.4e38f, 3.4e38f).to_text();
  EXPECT_EQ(big.size(), 127u);
  EXPECT_EQ(big.substr(0, 3), "339");

  KS_VECTOR3 v(9, 9, 9);
  v.parse("1 2");
  EXPECT_TRUE(v == KS_VECTOR3(9, 9, 9));
  v.parse("1 2 3 4");
  EXPECT_TRUE(v == KS_VECTOR3(1, 2, 3));
  v.parse("1  3");
  EXPECT_TRUE(v == KS_VECTOR3(1, 0, 3));
}
