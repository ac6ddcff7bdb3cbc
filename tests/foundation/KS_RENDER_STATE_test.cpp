#include "foundation/KS_RENDER_STATE.h"

#include <gtest/gtest.h>

using KOR::KS_RENDER_STATE;

TEST(KS_RENDER_STATE, EqualityLooksAtBitsZeroToSeventeen) {
  KS_RENDER_STATE a, b;
  b.set_flag(KS_RENDER_STATE::kAntialias, true);
  b.word |= 0xFFF80000u;
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  b.set_flag(KS_RENDER_STATE::kScreenMode, true);
  EXPECT_TRUE(a != b);
  KS_RENDER_STATE c;
  c.word = 1u << 3;  // unused by the renderer, but compared
  EXPECT_TRUE(a != c);
  c.clear();
  EXPECT_EQ(c.word, 0u);
}

TEST(KS_RENDER_STATE, FieldsMatchTheWordLayout) {
  // A textured quad: alpha-blended, anisotropic, textured triangles.
  KS_RENDER_STATE quad;
  quad.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  quad.set_filter(KS_RENDER_STATE::kFilterAnisotropic);
  quad.set_flag(KS_RENDER_STATE::kTextured, true);
  quad.set_primitive(KS_RENDER_STATE::kTriangles);
  EXPECT_EQ(quad.word, (1u << 1) | (3u << 4) | (1u << 10) | (1u << 13));

  // The particle system: additive point sprites with filter 1.
  KS_RENDER_STATE particles;
  particles.word = (1u << 1) | (1u << 2) | (1u << 4) | (1u << 10) | (1u << 12) | (1u << 13);
  EXPECT_TRUE(particles.flag(KS_RENDER_STATE::kAdditive));
  EXPECT_EQ(particles.filter(), 1u);
  EXPECT_EQ(particles.primitive(), KS_RENDER_STATE::kPointSprites);
  EXPECT_EQ(particles.addressing(), KS_RENDER_STATE::kClamp);

  particles.set_addressing(KS_RENDER_STATE::kWrapUV);
  EXPECT_EQ(particles.word >> 15 & 3u, 3u);
  particles.set_primitive(9);  // too wide for the field: cut to it, neighbours intact
  EXPECT_EQ(particles.primitive(), 1u);
  EXPECT_EQ(particles.addressing(), KS_RENDER_STATE::kWrapUV);
  particles.set_flag(KS_RENDER_STATE::kTextured, false);
  EXPECT_FALSE(particles.flag(KS_RENDER_STATE::kTextured));
}

TEST(KS_RENDER_STATE, FloatBits) {
  EXPECT_EQ(KOR::float_bits(1.0f), 0x3F800000u);
  EXPECT_EQ(KOR::float_bits(-2.0f), 0xC0000000u);
}
