#include "foundation/KS_IVECTOR2.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using KOR::KS_IVECTOR2;

TEST(KS_IVECTOR2, OrderingComparesSums) {
  EXPECT_TRUE(KS_IVECTOR2(10, -20) < KS_IVECTOR2(0, 0));
  EXPECT_TRUE(KS_IVECTOR2(1, 2) <= KS_IVECTOR2(2, 1));
  EXPECT_FALSE(KS_IVECTOR2(1, 2) == KS_IVECTOR2(2, 1));
  // Sums beyond the int range still compare correctly.
  EXPECT_TRUE(KS_IVECTOR2(INT_MAX, INT_MAX) > KS_IVECTOR2(0, 0));
}

TEST(KS_IVECTOR2, Arithmetic) {
  EXPECT_EQ(KS_IVECTOR2(7, -7) / 2, KS_IVECTOR2(3, -3));
  EXPECT_EQ(KS_IVECTOR2(1, 2) * KS_IVECTOR2(3, 4), KS_IVECTOR2(3, 8));
  EXPECT_EQ(-KS_IVECTOR2(1, -2), KS_IVECTOR2(-1, 2));
  KS_IVECTOR2 a(5, 6);
  a -= 1;
  EXPECT_EQ(a, KS_IVECTOR2(4, 5));
  a = 9;
  EXPECT_EQ(a, KS_IVECTOR2(9, 9));
  EXPECT_EQ(a[1], 9);
  EXPECT_EQ(a[2], 0);
  EXPECT_EQ(a[-1], 0);
  EXPECT_EQ(KS_IVECTOR2(3, 4).distance_to(0, 0), 5.0f);
  EXPECT_EQ(KS_IVECTOR2(3, 4).length_difference(KS_IVECTOR2(1, 1)), 3);  // 5 - 1.41
}

TEST(KS_IVECTOR2, FromFloatsTruncatesTowardZero) {
  EXPECT_EQ(KOR::ivector2_from_floats(2.9f, -2.9f), KS_IVECTOR2(2, -2));
  EXPECT_EQ(KOR::ivector2_from_floats(-0.5f, 1.999f), KS_IVECTOR2(0, 1));
  EXPECT_EQ(KOR::ivector2_from_floats(NAN, 1e20f), KS_IVECTOR2(0, INT_MAX));
}

TEST(KS_IVECTOR2, TextForm) {
  EXPECT_STREQ(KS_IVECTOR2(5, 1024).to_text(), "005 1024");
  EXPECT_STREQ(KS_IVECTOR2(-5, 0).to_text(), "-005 000");
  EXPECT_STREQ(KS_IVECTOR2(0, 1024).to_text(), "000 1024");
  EXPECT_STREQ(KS_IVECTOR2(INT_MIN, INT_MAX).to_text(), "-2147483648 2147483647");
}

TEST(KS_IVECTOR2, Parse) {
  struct Case {
    const char* text;
    KS_IVECTOR2 expected;
  };
  const Case cases[] = {
      {"10 20", {10, 20}},     {"10  20", {10, 0}},
      {"7", {-1, -1}},         {"1024 768 3", {1024, 768}},
      {"12px -3.7", {12, -3}}, {"99999999999 -99999999999", {INT_MAX, INT_MIN}},
  };
  for (const Case& c : cases) {
    KS_IVECTOR2 v(-1, -1);
    v.parse(c.text);
    EXPECT_EQ(v, c.expected) << c.text;
  }
}
