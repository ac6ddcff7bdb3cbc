#include "foundation/plane_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "foundation/KC_RANDOM.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"

using KOR::KS_IVECTOR2;
using KOR::KS_TRANSFORM3;
using KOR::KS_VECTOR2;

namespace {
constexpr float kPi = 3.1415927f;

const std::vector<KS_VECTOR2> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const std::vector<KS_IVECTOR2> kSquareInt = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
}  // namespace

TEST(plane_geometry, Distances) {
  EXPECT_EQ(KOR::distance_xy(1, 1, 4, 5), 5.0f);
  EXPECT_EQ(KOR::distance_int(-1, -1, 2, 3), 5.0f);
  EXPECT_EQ(KOR::distance_int(INT_MIN, 0, INT_MAX, 0), 4294967295.0f);
}

TEST(plane_geometry, PointInRectIsStrict) {
  EXPECT_TRUE(KOR::point_in_rect({5, 5}, 0, 0, 10, 10));
  EXPECT_FALSE(KOR::point_in_rect({0, 5}, 0, 0, 10, 10));
  EXPECT_FALSE(KOR::point_in_rect({5, 10}, 0, 0, 10, 10));
}

TEST(plane_geometry, PointInPolygon) {
  struct Case {
    float x, y;
    bool inside;
  };
  // The even-odd rule takes the right edge in and the left edge out.
  const Case cases[] = {{5, 5, true},  {15, 5, false}, {0, 5, false},
                        {10, 5, true}, {5, -1, false}, {5, 10, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(KOR::point_in_polygon(kSquare, c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(KOR::point_in_polygon_int(kSquareInt, static_cast<int>(c.x), static_cast<int>(c.y)),
              c.inside)
        << c.x << "," << c.y;
  }
  EXPECT_FALSE(KOR::point_in_polygon({}, 0, 0));
  EXPECT_FALSE(KOR::point_in_polygon_int({}, 0, 0));
  // A concave polygon: the notch is outside.
  const std::vector<KS_VECTOR2> u = {{0, 0}, {3, 0}, {3, 3}, {2, 3},
                                     {2, 1}, {1, 1}, {1, 3}, {0, 3}};
  EXPECT_FALSE(KOR::point_in_polygon(u, 1.5f, 2));
  EXPECT_TRUE(KOR::point_in_polygon(u, 0.5f, 2));
  // Wide coordinates do not overflow the integer crossing.
  const std::vector<KS_IVECTOR2> wide = {{-2000000000, -2000000000},
                                         {2000000000, -2000000000},
                                         {2000000000, 2000000000},
                                         {-2000000000, 2000000000}};
  EXPECT_TRUE(KOR::point_in_polygon_int(wide, 0, 0));
}

TEST(plane_geometry, PointInPolygonAtUsesTheWorldPositionOnly) {
  KS_TRANSFORM3 parent;
  parent.set_position(100, 0, 0);
  parent.set_scale(5, 5, 1);  // not applied
  KS_TRANSFORM3 t;
  t.set_position(0.5f, 200.9f, 0);
  t.set_rotation(0, 0, 1.0f);  // not applied
  t.parent = &parent;
  // World position (102.5, 1004.5): scaled by the parent, but the polygon is not.
  EXPECT_TRUE(KOR::point_in_polygon_at(kSquare, 105, 1010, &t));
  EXPECT_FALSE(KOR::point_in_polygon_at(kSquare, 5, 5, &t));
  EXPECT_TRUE(KOR::point_in_polygon_at(kSquare, 5, 5, nullptr));
  // Truncated: (102, 1004).
  EXPECT_TRUE(KOR::point_in_polygon_at_int(kSquareInt, 112, 1010, &t));
  EXPECT_FALSE(KOR::point_in_polygon_at_int(kSquareInt, 102, 1010, &t));
}

TEST(plane_geometry, RandomPointInPolygon) {
  KOR::KC_RANDOM random(0);
  for (int i = 0; i < 100; ++i) {
    const KS_VECTOR2 p = KOR::random_point_in_polygon(kSquare);
    EXPECT_TRUE(p.x >= 0 && p.x <= 10 && p.y >= 0 && p.y <= 10) << p.x << "," << p.y;
    const KS_IVECTOR2 q = KOR::random_point_in_polygon_int(kSquareInt);
    EXPECT_TRUE(q.x >= 0 && q.x <= 10 && q.y >= 0 && q.y <= 10);
  }
  // One number per vertex.
  KOR::KC_RANDOM a(5), b(5);
  KOR::random_point_in_polygon(kSquare);  // draws from b, the current one
  for (int i = 0; i < 4; ++i) a.next();
  EXPECT_EQ(a.state(), b.state());

  EXPECT_TRUE(KOR::random_point_in_polygon({}).is_zero());
}

TEST(plane_geometry, RandomPointWithZeroWeightsIsTheFirstVertex) {
  // A seed whose next state is 0x1234: its high half is 0, so the only
  // draw, and with it the only weight, is 0.
  KOR::KC_RANDOM random(-1314524695);
  const std::vector<KS_VECTOR2> one = {{7, 8}};
  const KS_VECTOR2 p = KOR::random_point_in_polygon(one);
  EXPECT_EQ(p.x, 7.0f);
  EXPECT_EQ(p.y, 8.0f);
}

TEST(plane_geometry, RotatePoint) {
  const KS_VECTOR2 p = KOR::rotate_point(0, 0, 1, 0, kPi / 2);
  EXPECT_NEAR(p.x, 0, 1e-6f);
  EXPECT_NEAR(p.y, 1, 1e-6f);
  const KS_VECTOR2 same = KOR::rotate_point(3, 3, 1.25f, 7.5f, 0);
  EXPECT_EQ(same.x, 1.25f);
  EXPECT_EQ(same.y, 7.5f);

  // (3, 0) turned by 2.5 is (-2.40, 1.80): truncated toward zero.
  KS_IVECTOR2 q(3, 0);
  KOR::rotate_point_about_int(0, 0, q, 2.5f);
  EXPECT_EQ(q, KS_IVECTOR2(-2, 1));
  KS_IVECTOR2 r(12, 10);
  KOR::rotate_point_about_int(10, 10, r, 0);
  EXPECT_EQ(r, KS_IVECTOR2(12, 10));
}

TEST(plane_geometry, PointToLocalInt) {
  KS_TRANSFORM3 t;
  t.set_position(100, 50, 0);
  t.set_pivot(8, 4, 0);
  t.set_scale(3, 3, 3);  // not applied
  EXPECT_EQ(KOR::point_to_local_int({110, 60}, &t), KS_IVECTOR2(18, 14));
  t.set_rotation(0, 0, kPi / 2);
  // Turned back a quarter about the position: (110, 50) -> (100, 40).
  EXPECT_EQ(KOR::point_to_local_int({110, 50}, &t), KS_IVECTOR2(8, -6));
  EXPECT_EQ(KOR::point_to_local_int({3, 4}, nullptr), KS_IVECTOR2(3, 4));
}
