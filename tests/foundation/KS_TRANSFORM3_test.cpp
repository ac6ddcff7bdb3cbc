#include "foundation/KS_TRANSFORM3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "vector_expect.h"

using KOR::KS_TRANSFORM3;
using KOR::KS_VECTOR2;
using KOR::KS_VECTOR3;

namespace {
constexpr float kPi = 3.1415927f;

void expect_near(const KS_VECTOR3& v, float x, float y, float z) {
  foundation_test::expect_near(v, x, y, z, 1e-4f);
}
}  // namespace

TEST(KS_TRANSFORM3, IdentityCopyAndAssignment) {
  KS_TRANSFORM3 t;
  EXPECT_TRUE(t.scale == KS_VECTOR3(1, 1, 1));
  EXPECT_TRUE(t.position.is_zero() && t.pivot.is_zero() && t.rotation.is_zero());
  EXPECT_EQ(t.parent, nullptr);

  KS_TRANSFORM3 parent;
  t.reserved = 7;
  t.parent = &parent;
  t.set_position(1, 2, 3);
  const KS_TRANSFORM3 copied(t);
  EXPECT_EQ(copied.reserved, 0) << "the copy constructor leaves the reserved word";
  EXPECT_EQ(copied.parent, &parent);
  EXPECT_TRUE(copied.position == KS_VECTOR3(1, 2, 3));
  KS_TRANSFORM3 assigned;
  assigned = t;
  EXPECT_EQ(assigned.reserved, 7);
}

TEST(KS_TRANSFORM3, Setters) {
  KS_TRANSFORM3 t;
  t.set_position(KS_VECTOR3(1, 2, 3));
  t.set_position(KS_VECTOR2(5, 6));
  EXPECT_TRUE(t.position == KS_VECTOR3(5, 6, 3));
  t.move_by(1, -1);
  EXPECT_FALSE(t.position_xy() != KS_VECTOR2(6, 5));
  KS_VECTOR2 out;
  t.position_xy(out);
  EXPECT_EQ(out.x, 6.0f);
  EXPECT_EQ(out.y, 5.0f);
}

TEST(KS_TRANSFORM3, WorldWithoutParentIsTheTransform) {
  KS_TRANSFORM3 t("1 2 3 4 5 6 0.1 0.2 0.3 2 2 1");
  t.reserved = 9;
  const KS_TRANSFORM3 w = t.world();
  EXPECT_EQ(w.reserved, 9);
  EXPECT_TRUE(w.position == t.position && w.pivot == t.pivot);
  EXPECT_TRUE(w.rotation == t.rotation && w.scale == t.scale);
  EXPECT_EQ(w.parent, nullptr);
}

TEST(KS_TRANSFORM3, WorldComposesThroughTheChain) {
  KS_TRANSFORM3 parent;
  parent.set_position(100, 100, 0);
  parent.set_rotation(0, 0, kPi / 2);
  parent.set_scale(2, 2, 1);
  KS_TRANSFORM3 child;
  child.set_position(10, 0, 5);
  child.set_pivot(3, 4, 5);
  child.parent = &parent;
  const KS_TRANSFORM3 w = child.world();
  expect_near(w.position, 100, 120, 5);
  EXPECT_TRUE(w.scale == KS_VECTOR3(2, 2, 1));
  EXPECT_FLOAT_EQ(w.rotation.z, kPi / 2);
  EXPECT_TRUE(w.pivot == KS_VECTOR3(3, 4, 5));
  EXPECT_EQ(w.parent, &parent);

  KS_TRANSFORM3 grand, mid, leaf;
  grand.rotation.z = 1.0f;
  mid.rotation.z = 0.25f;
  leaf.rotation.z = 0.5f;
  mid.parent = &grand;
  leaf.parent = &mid;
  EXPECT_FLOAT_EQ(leaf.world().rotation.z, 1.75f);
}

TEST(KS_TRANSFORM3, WorldFlagsSkipOnlyTheLastStep) {
  KS_TRANSFORM3 grand, mid, leaf;
  grand.set_position(1000, 0, 0);
  grand.set_scale(2, 2, 2);
  mid.set_position(10, 0, 0);
  mid.parent = &grand;
  leaf.set_position(1, 0, 0);
  leaf.set_scale(3, 3, 3);
  leaf.parent = &mid;
  // mid in the world: (1020, 0), scale 2.
  expect_near(leaf.world().position, 1022, 0, 0);
  expect_near(leaf.world(true, false, false).position, 2, 0, 0);
  const KS_TRANSFORM3 unscaled = leaf.world(false, false, true);
  expect_near(unscaled.position, 1021, 0, 0);
  EXPECT_TRUE(unscaled.scale == KS_VECTOR3(3, 3, 3));
}

TEST(KS_TRANSFORM3, CyclicChainIsCutInsteadOfRecursingForever) {
  KS_TRANSFORM3 a, b;
  a.set_position(1, 0, 0);
  b.set_position(1, 0, 0);
  a.parent = &b;
  b.parent = &a;
  const KS_TRANSFORM3 w = a.world();
  EXPECT_TRUE(std::isfinite(w.position.x));
  EXPECT_GT(w.position.x, 1.0f);
}

TEST(KS_TRANSFORM3, ComposeUnscaledOffset) {
  KS_TRANSFORM3 p;
  p.set_position(100, 0, 0);
  p.set_scale(2, 2, 2);
  p.set_rotation(0.1f, 0, 0);
  KS_TRANSFORM3 r;
  r.set_position(10, 0, 0);
  r.compose_unscaled_offset(p);
  expect_near(r.position, 110, 0, 0);
  EXPECT_TRUE(r.scale == KS_VECTOR3(2, 2, 2));
  EXPECT_FLOAT_EQ(r.rotation.x, 0.1f);
}

TEST(KS_TRANSFORM3, RotatePointAbout) {
  float x = 0.1f, y = 123.456f;
  KOR::rotate_point_about(7, 8, x, y, 0.0f);
  EXPECT_EQ(x, 0.1f);
  EXPECT_EQ(y, 123.456f);
  x = 11;
  y = 10;
  // Positive angles turn clockwise on the y-down screen.
  KOR::rotate_point_about(10, 10, x, y, kPi / 2);
  EXPECT_NEAR(x, 10, 1e-5f);
  EXPECT_NEAR(y, 11, 1e-5f);
}

TEST(KS_TRANSFORM3, PointToLocal) {
  KS_TRANSFORM3 t;
  t.set_position(50, 60, 0);
  t.set_pivot(20, 10, 0);
  t.set_scale(2, 3, 1);
  t.set_rotation(0, 0, 0.3f);
  float x = 50, y = 60;
  KOR::point_to_local(x, y, t);
  EXPECT_FLOAT_EQ(x, 40);
  EXPECT_FLOAT_EQ(y, 30);
  // Position minus point plus pivot: a point 5 to the right lands at 15.
  t.set_rotation(0, 0, 0);
  t.set_scale(1, 1, 1);
  x = 55;
  y = 60;
  KOR::point_to_local(x, y, t);
  EXPECT_FLOAT_EQ(x, 15);
  EXPECT_FLOAT_EQ(y, 10);
}

TEST(KS_TRANSFORM3, WorldToLocal) {
  KS_TRANSFORM3 parent;
  parent.set_position(100, 100, 0);
  KS_TRANSFORM3 t;
  t.set_position(10, 0, 0);
  t.set_rotation(0, 0, kPi / 2);
  t.set_pivot(4, 5, 0);
  t.set_scale(9, 9, 9);  // no part in either form
  t.parent = &parent;
  float x = 110, y = 110;
  KOR::world_to_local_offset(x, y, t);
  EXPECT_NEAR(x, 10, 1e-4f);
  EXPECT_NEAR(y, 0, 1e-4f);
  x = 110;
  y = 110;
  t.world_to_local(x, y);
  EXPECT_NEAR(x, 14, 1e-4f);
  EXPECT_NEAR(y, 5, 1e-4f);
}

TEST(KS_TRANSFORM3, TextForm) {
  EXPECT_STREQ(KS_TRANSFORM3().to_text(),
               "0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 1.000 1.000 1.000");
  KS_TRANSFORM3 t("1 2 3 4 5 6 0 0 0.5 2 2 1");
  EXPECT_STREQ(t.to_text(),
               "1.000 2.000 3.000 4.000 5.000 6.000 0.000 0.000 0.500 2.000 2.000 1.000");
  // Twelve values of the largest magnitude need about 540 characters: the
  // text is cut at the 256-character buffer.
  KS_TRANSFORM3 big;
  for (KS_VECTOR3* v : {&big.position, &big.pivot, &big.rotation, &big.scale}) *v = -3.4e38f;
  const std::string text = big.to_text();
  EXPECT_EQ(text.size(), 255u);
  EXPECT_EQ(text[0], '-');
}

TEST(KS_TRANSFORM3, Parse) {
  KS_TRANSFORM3 parent;
  KS_TRANSFORM3 t;
  t.set_position(9, 9, 9);
  t.reserved = 5;
  t.parent = &parent;
  t.parse("1 2 3 4 5 6 0 0 0.5 2 2 1 77");
  EXPECT_TRUE(t.position == KS_VECTOR3(1, 2, 3));
  EXPECT_TRUE(t.pivot == KS_VECTOR3(4, 5, 6));
  EXPECT_TRUE(t.rotation == KS_VECTOR3(0, 0, 0.5f));
  EXPECT_TRUE(t.scale == KS_VECTOR3(2, 2, 1));
  EXPECT_EQ(t.parent, nullptr);
  EXPECT_EQ(t.reserved, 0);

  const char* short_texts[] = {"1 2 3 4 5 6 0 0 0.5 2 2", "", "garbage"};
  for (const char* text : short_texts) {
    t.set_position(9, 9, 9);
    t.parent = &parent;
    t.parse(text);
    EXPECT_EQ(std::strcmp(t.to_text(), KS_TRANSFORM3().to_text()), 0) << text;
    EXPECT_EQ(t.parent, nullptr);
  }
  // Two blanks give an empty part that reads as 0 and shifts the rest.
  t.parse("1  2 3 4 5 6 7 8 9 10 11 12");
  EXPECT_TRUE(t.position == KS_VECTOR3(1, 0, 2));
  EXPECT_TRUE(t.scale == KS_VECTOR3(9, 10, 11));
}
