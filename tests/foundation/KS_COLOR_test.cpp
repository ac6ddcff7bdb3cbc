#include "foundation/KS_COLOR.h"

#include <gtest/gtest.h>

#include <cmath>

#include "foundation/KS_COLORF.h"

using KOR::KS_COLOR;
using KOR::KS_COLORF;

TEST(KS_COLOR, LayoutAndConstruction) {
  EXPECT_EQ(KS_COLOR().argb(), 0xFFFFFFFFu);
  const KS_COLOR c(0x80FF4020u);
  // Memory order blue, green, red, alpha: the little-endian 0xAARRGGBB.
  EXPECT_EQ(c.b, 0x20);
  EXPECT_EQ(c.g, 0x40);
  EXPECT_EQ(c.r, 0xFF);
  EXPECT_EQ(c.a, 0x80);
  EXPECT_EQ(KS_COLOR(256, -1, 128, 0x1FF).argb(), 0x00FF80FFu);
}

TEST(KS_COLOR, ByteArithmeticWraps) {
  EXPECT_EQ((KS_COLOR(0x80FFFFFFu) + KS_COLOR(0x80010101u)).argb(), 0x00000000u);
  EXPECT_EQ((KS_COLOR(0x00000000u) - KS_COLOR(0x01010101u)).argb(), 0xFFFFFFFFu);
  EXPECT_EQ((KS_COLOR(0x80402010u) * 2).argb(), 0x00804020u);
  EXPECT_EQ((KS_COLOR(0x80402010u) / 16).argb(), 0x08040201u);
}

TEST(KS_COLOR, Parse) {
  struct Case {
    const char* text;
    uint32_t expected;
  };
  const Case cases[] = {
      {"255 0 128 255", 0xFF0080FFu},
      {"255 255 0", 0x12345678u},  // fewer than four numbers: unchanged
      {"", 0x12345678u},
      {"256 -1 0 0 77", 0x00FF0000u},  // low 8 bits; a fifth number is ignored
      {"255  0 0", 0xFF000000u},       // the empty part reads as 0
      {"x 1 2 3", 0x00010203u},
  };
  for (const Case& c : cases) {
    KS_COLOR col(0x12345678u);
    col.parse(c.text);
    EXPECT_EQ(col.argb(), c.expected) << c.text;
  }
}

TEST(KS_COLOR, FromHex) {
  struct Case {
    const char* text;
    uint32_t expected;
  };
  const Case cases[] = {
      {"FF00FF", 0x00FF00FFu},  // six digits: alpha 0
      {"0xFFFF00FF", 0xFFFF00FFu},
      {"  ff8000ff", 0xFF8000FFu},
      {"zz", 0u},
      {"", 0u},
      {"1FFFFFFFF", 0xFFFFFFFFu},  // above 32 bits saturates instead of wrapping
      {"123456789A", 0xFFFFFFFFu},
      {"FFFFFFFFFFFFFFFFFFFFFFFF", 0xFFFFFFFFu},
      {"80FFFFFFg", 0x80FFFFFFu},
  };
  for (const Case& c : cases) EXPECT_EQ(KOR::color_from_hex(c.text).argb(), c.expected) << c.text;
}

TEST(KS_COLORF, ConvertsToAndFromPacked) {
  const KS_COLORF f(0x80FF0000u);
  EXPECT_EQ(f.r, 1.0f);
  EXPECT_EQ(f.g, 0.0f);
  EXPECT_EQ(f.b, 0.0f);
  EXPECT_NEAR(f.a, 0.502f, 1e-3f);
  EXPECT_EQ(f.argb(), 0x80FF0000u);
  EXPECT_EQ(KS_COLORF(1.5f, -0.2f, 0.5f, 1).argb(), 0xFFFF0080u);
  EXPECT_EQ(KS_COLORF(0.998f, NAN, 0, 0).argb(), 0x00FE0000u);
  for (uint32_t v : {0u, 0xFFFFFFFFu, 0x01020304u, 0x7F80FE01u}) EXPECT_EQ(KS_COLORF(v).argb(), v);
  EXPECT_EQ(KS_COLORF().argb(), 0u);
}

TEST(KS_COLORF, Arithmetic) {
  KS_COLORF c(0.5f, 0.25f, 0, 1);
  c += KS_COLORF(0.5f, 0.25f, 0, 0);
  EXPECT_TRUE(c == KS_COLORF(1, 0.5f, 0, 1));
  c *= 0.5f;
  EXPECT_TRUE(c == KS_COLORF(0.5f, 0.25f, 0, 0.5f));
  EXPECT_TRUE(c / 0.5f != c);
  EXPECT_TRUE(c * KS_COLORF(2, 2, 2, 2) == KS_COLORF(1, 0.5f, 0, 1));
  EXPECT_TRUE(c - c == KS_COLORF());
}
