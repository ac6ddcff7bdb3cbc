#include "foundation/KC_HIT_SHAPE.h"

#include <gtest/gtest.h>

#include <numbers>

#include "foundation/KS_TRANSFORM3.h"

using namespace KOR;

namespace {

constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;

struct Probe {
  float x, y;
  bool hit;
};

void expect_hits(const KC_HIT_SHAPE& shape, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes)
    EXPECT_EQ(shape.contains(p.x, p.y), p.hit) << "(" << p.x << ", " << p.y << ")";
}

// A 100 x 40 widget centred on (200, 100), pivot in the middle as widgets set it.
KS_TRANSFORM3 widget_transform() {
  KS_TRANSFORM3 t;
  t.set_position(200, 100, 0);
  t.set_pivot(50, 20, 0);
  return t;
}

}  // namespace

TEST(KC_HIT_SHAPE, Rectangle) {
  KS_TRANSFORM3 t = widget_transform();
  const KC_HIT_SHAPE shape(KC_HIT_SHAPE::kRectangle, &t, 100, 40);
  expect_hits(shape, {{200, 100, true},
                      {249, 119, true},
                      {250, 100, false},
                      {151, 81, true},
                      {150, 100, false},
                      {200, 120, false},
                      {200, 121, false}});
}

TEST(KC_HIT_SHAPE, TurnedRectangle) {
  KS_TRANSFORM3 t = widget_transform();
  t.set_rotation(0, 0, kQuarterTurn);
  const KC_HIT_SHAPE shape(KC_HIT_SHAPE::kRectangle, &t, 100, 40);
  expect_hits(shape, {{200, 140, true}, {219, 100, true}, {225, 100, false}, {240, 100, false}});
}

TEST(KC_HIT_SHAPE, TurnedSquareKeepsItsCorners) {
  KS_TRANSFORM3 t;
  t.set_position(0, 0, 0);
  t.set_pivot(50, 50, 0);
  t.set_rotation(0, 0, std::numbers::pi_v<float> / 4);
  const KC_HIT_SHAPE shape(KC_HIT_SHAPE::kRectangle, &t, 100, 100);
  // The corners reach 70.7 pixels along the axes.
  expect_hits(shape, {{65, 0, true}, {0, -65, true}, {72, 0, false}, {50, 50, false}});
}

TEST(KC_HIT_SHAPE, ScaledRectangleIsHitWhereItIsDrawn) {
  KS_TRANSFORM3 window;
  window.set_scale(2, 2, 1);
  KS_TRANSFORM3 t = widget_transform();
  t.set_position(100, 50, 0);  // (200, 100) once the window scales it
  t.parent = &window;
  const KC_HIT_SHAPE shape(KC_HIT_SHAPE::kRectangle, &t, 100, 40);
  // Drawn 200 x 80 about (200, 100).
  expect_hits(
      shape,
      {{200, 100, true}, {299, 139, true}, {101, 61, true}, {301, 100, false}, {200, 141, false}});
  window.set_scale(0, 0, 1);
  EXPECT_FALSE(shape.contains(200, 100));
}

TEST(KC_HIT_SHAPE, Circle) {
  KS_TRANSFORM3 t;
  const KC_HIT_SHAPE shape(KC_HIT_SHAPE::kCircle, &t, 15, 0);
  expect_hits(shape, {{10, 10, true}, {15, 0, false}, {11, 11, false}, {0, 0, true}});

  KS_TRANSFORM3 parent;
  parent.set_scale(2, 2, 1);
  t.parent = &parent;
  expect_hits(shape, {{14, 0, true}, {16, 0, false}});
}

TEST(KC_HIT_SHAPE, MovesWithItsWindow) {
  KS_TRANSFORM3 window;
  KS_TRANSFORM3 t = widget_transform();
  t.parent = &window;
  KC_HIT_SHAPE shape(KC_HIT_SHAPE::kRectangle, &t, 100, 40);
  EXPECT_FALSE(shape.contains(275, 100));
  window.move_by(30, 0);
  expect_hits(shape, {{275, 100, true}, {279, 100, true}, {280, 100, false}, {180, 100, false}});
  KC_HIT_SHAPE knob(KC_HIT_SHAPE::kCircle, &t, 0, 0);
  knob.set_radius(15);
  expect_hits(knob, {{240, 100, true}, {215, 100, false}});
}

TEST(KC_HIT_SHAPE, ShapesThatAreNeverHit) {
  KS_TRANSFORM3 t;
  for (int type : {0, 3, -1}) {
    const KC_HIT_SHAPE shape(type, &t, 100, 100);
    EXPECT_FALSE(shape.contains(0, 0)) << type;
  }
  EXPECT_FALSE(KC_HIT_SHAPE().contains(0, 0));
  EXPECT_FALSE(KC_HIT_SHAPE(KC_HIT_SHAPE::kRectangle, nullptr, 10, 10).contains(0, 0));
  KC_HIT_SHAPE grown(KC_HIT_SHAPE::kRectangle, &t, 0, 0);
  EXPECT_FALSE(grown.contains(0, 0));
  t.set_pivot(5, 5, 0);
  grown.set_width(10);
  grown.set_height(10);
  EXPECT_TRUE(grown.contains(0, 0));
}
