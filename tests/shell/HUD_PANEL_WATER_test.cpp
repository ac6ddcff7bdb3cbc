#include <gtest/gtest.h>

#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "hud_scene.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"

namespace {

using game::HUD_PANEL_WATER_INDICATOR;
using game::HUD_PANEL_WATER_INSCRIPTION;

constexpr float kPi = 3.1415927f;

class WaterHud : public ::testing::Test {
 protected:
  void SetUp() override {
    dial = scene.open_on<HUD_PANEL_WATER_INDICATOR>(scene.hud, "HUD_WATER_INDICATOR");
    inscription = scene.open_on<HUD_PANEL_WATER_INSCRIPTION>(scene.hud, "HUD_WATER_INSCRIPTION");
    ASSERT_NE(dial, nullptr);
    ASSERT_NE(inscription, nullptr);
  }
  KOR::KC_QUAD* quad(unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(dial->gui()->find(id))->quad.get();
  }
  float hand() const { return quad(6)->transform()->rotation.z; }
  KOR::KC_GUI_WLABEL* label() const {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(
        inscription->gui()->find(game::HUD_PANEL_WATER_INSCRIPTION::kTextLabel));
  }
  float label_x() const { return label()->transform->position.x; }

  shell_test::HUD_SCENE scene;
  HUD_PANEL_WATER_INDICATOR* dial = nullptr;
  HUD_PANEL_WATER_INSCRIPTION* inscription = nullptr;
};

TEST_F(WaterHud, TwoStarAngleFollowsTheStarTimes) {
  struct CASE {
    int t3, t2;
    float angle;
  };
  const CASE cases[] = {
      {150, 150, kPi},
      {100, 150, kPi / 2},
      {150, 300, 0.0f},  // the level defaults
      {150, 100, kPi * 4 / 3},
      // Beyond twice the three-star time the split stays at the empty end
      // rather than cutting the pictures outside their squares.
      {100, 300, 0.0f},
  };
  for (const CASE& c : cases) {
    dial->set_star_times(c.t3, c.t2);
    EXPECT_NEAR(dial->two_star_angle, c.angle, 1e-5f) << c.t3 << "/" << c.t2;
    EXPECT_EQ(dial->phase, HUD_PANEL_WATER_INDICATOR::FILLING);
    EXPECT_EQ(dial->angle, 0.0f);
    EXPECT_NEAR(hand(), -kPi / 2, 1e-6f);
  }
}

TEST_F(WaterHud, ADialWithoutAThreeStarTimeStillWorks) {
  // The level reader never gives one; the dial reads it as one second.
  dial->set_star_times(0, 300);
  for (int e : {0, 500, 1000, 1500, 2000}) {
    dial->update_clock(e, inscription);
    EXPECT_TRUE(std::isfinite(dial->angle)) << e;
    EXPECT_TRUE(std::isfinite(quad(3)->vertices[1].position.y)) << e;
  }
  EXPECT_NEAR(dial->angle, 0.0f, 1e-5f);
}

TEST_F(WaterHud, WipeCutsTheSquareAtTheAngle) {
  struct CASE {
    float angle;
    float corners[4][2];
  };
  const float s = 130.0f;
  const CASE cases[] = {
      {0.0f, {{0, 65}, {s, 65}, {s, s}, {0, s}}},             // the lower half
      {kPi / 4, {{0, 0}, {0, 0}, {s, s}, {0, s}}},            // below the diagonal
      {kPi / 2, {{0, 0}, {65, 0}, {65, s}, {0, s}}},          // the left half
      {2.35619455575943f, {{0, 0}, {s, 0}, {0, s}, {0, s}}},  // above the other diagonal
      {kPi, {{0, 0}, {s, 0}, {s, 65}, {0, 65}}},              // the upper half
      {kPi / 8,
       {{0, 65 - 65 * std::tan(kPi / 8)}, {s, 65 + 65 * std::tan(kPi / 8)}, {s, s}, {0, s}}},
  };
  for (const CASE& c : cases) {
    dial->wipe_quadrant(3, c.angle);
    for (int i = 0; i < 4; ++i) {
      const KOR::KS_VERTEX& v = quad(3)->vertices[i];
      EXPECT_NEAR(v.position.x, c.corners[i][0], 1e-3f) << c.angle << " corner " << i;
      EXPECT_NEAR(v.position.y, c.corners[i][1], 1e-3f) << c.angle << " corner " << i;
      EXPECT_NEAR(v.u, c.corners[i][0] / s, 1e-5f);
      EXPECT_NEAR(v.v, c.corners[i][1] / s, 1e-5f);
    }
  }
}

TEST_F(WaterHud, DialFillsToTheThreeStarTimeThenEmpties) {
  dial->set_star_times(150, 225);
  dial->update_clock(75000, nullptr);
  EXPECT_NEAR(dial->angle, kPi / 2, 1e-5f);
  EXPECT_NEAR(hand(), 0.0f, 1e-5f);
  dial->update_clock(150000, nullptr);
  EXPECT_EQ(dial->phase, HUD_PANEL_WATER_INDICATOR::FILLING);
  EXPECT_NEAR(dial->angle, kPi, 1e-5f);
  EXPECT_NEAR(hand(), kPi / 2, 1e-5f);
  dial->update_clock(150001, nullptr);
  EXPECT_EQ(dial->phase, HUD_PANEL_WATER_INDICATOR::EMPTYING);
  dial->update_clock(262500, nullptr);
  EXPECT_NEAR(dial->angle, kPi / 4, 1e-5f);
  // A smaller value does not bring the filling back.
  dial->update_clock(1000, nullptr);
  EXPECT_EQ(dial->phase, HUD_PANEL_WATER_INDICATOR::EMPTYING);
}

// Empty at the start and empty at the end must not look alike: the spent
// face comes up with the water and stays through the last state.
TEST_F(WaterHud, TheLastStateReadsAsTimeUpNotAsJustStarted) {
  const KOR::KC_GUI_OBJECT* spent = dial->gui()->find(game::HUD_PANEL_WATER_INDICATOR::kSpentFace);
  ASSERT_NE(spent, nullptr);
  dial->set_star_times(120, 180);
  EXPECT_FALSE(spent->visible) << "just started";
  dial->update_clock(120000, nullptr);
  EXPECT_FALSE(spent->visible) << "full at the three-star time";
  dial->update_clock(120001, nullptr);
  EXPECT_TRUE(spent->visible) << "the water has started";
  dial->update_clock(240000, nullptr);
  EXPECT_NEAR(dial->angle, 0.0f, 1e-5f);
  EXPECT_TRUE(spent->visible) << "time up";
  dial->set_star_times(120, 180);
  EXPECT_FALSE(spent->visible) << "a restarted level starts afresh";
}

TEST_F(WaterHud, WithTheLevelDefaultsTheUpperPictureCarriesTheWholeFill) {
  dial->set_star_times(150, 300);
  struct CASE {
    int elapsed;
    float upper_right[2];  // corner 2 of picture 4
    float lower_right[2];  // corner 3
  };
  const CASE cases[] = {
      {0, {130, 65}, {130, 130}},     // empty: its lower half, which shows nothing
      {75000, {65, 0}, {65, 130}},    // half full: the left half
      {150000, {130, 0}, {130, 65}},  // full: the upper half
      {225000, {65, 0}, {65, 130}},   // half empty again
  };
  for (const CASE& c : cases) {
    dial->update_clock(c.elapsed, nullptr);
    EXPECT_NEAR(quad(4)->vertices[1].position.x, c.upper_right[0], 1e-3f) << c.elapsed;
    EXPECT_NEAR(quad(4)->vertices[1].position.y, c.upper_right[1], 1e-3f) << c.elapsed;
    EXPECT_NEAR(quad(4)->vertices[2].position.x, c.lower_right[0], 1e-3f) << c.elapsed;
    EXPECT_NEAR(quad(4)->vertices[2].position.y, c.lower_right[1], 1e-3f) << c.elapsed;
    // Picture 3 keeps the shape of the empty dial.
    EXPECT_NEAR(quad(3)->vertices[0].position.y, 65.0f, 1e-3f) << c.elapsed;
    EXPECT_NEAR(quad(3)->vertices[1].position.y, 65.0f, 1e-3f) << c.elapsed;
  }
}

TEST_F(WaterHud, HurryWarningFliesOnceWhenTheTwoStarTimeRunsOut) {
  struct CASE {
    int t3, t2;
    int warnings;
  };
  for (const CASE& c :
       {CASE{150, 225, 1}, CASE{150, 300, 1}, CASE{150, 150, 0}, CASE{150, 120, 0}}) {
    dial->set_star_times(c.t3, c.t2);
    int warnings = 0;
    int warned_at = -1;
    for (int e = 0; e <= 2 * c.t3 * 1000; e += 500) {
      inscription->reset();
      dial->update_clock(e, inscription);
      if (inscription->state == HUD_PANEL_WATER_INSCRIPTION::FLYING_IN) {
        ++warnings;
        warned_at = e;
      }
    }
    EXPECT_EQ(warnings, c.warnings) << c.t3 << "/" << c.t2;
    if (c.warnings == 1) {
      EXPECT_EQ(warned_at, c.t2 * 1000) << c.t3 << "/" << c.t2;
    }
  }
  EXPECT_EQ(label()->text, L"Hurry!");
}

TEST_F(WaterHud, InscriptionFliesInRestsAndFliesOut) {
  inscription->show_water_started();
  EXPECT_EQ(label()->text, L"Water!");
  EXPECT_EQ(label()->visible, 1);
  struct STEP {
    int clock;
    int state;
    float x;
  };
  const STEP steps[] = {
      {10000, 1, -150.0f}, {10500, 1, 181.0f}, {11000, 2, 512.0f},  {11999, 2, 512.0f},
      {12000, 3, 512.0f},  {12500, 3, 843.0f}, {13000, 0, 1174.0f},
  };
  for (const STEP& step : steps) {
    inscription->update(step.clock);
    EXPECT_EQ(inscription->state, step.state) << step.clock;
    EXPECT_NEAR(label_x(), step.x, 1e-3f) << step.clock;
  }
  EXPECT_EQ(label()->visible, 0);
  EXPECT_EQ(label()->transform->position.y, 300.0f);
}

TEST_F(WaterHud, NewMessageRestartsFromTheLeftInTheWideLayout) {
  inscription->show_water_started();
  inscription->update(1000);
  inscription->update(1500);
  EXPECT_GT(label_x(), 0.0f);
  scene.switch_width(1366);
  inscription->show_equipment_bonus(2999);
  EXPECT_EQ(label()->text, L"Held for 2 s");
  EXPECT_EQ(label_x(), -150.0f);
  inscription->update(1600);
  inscription->update(2600);
  EXPECT_EQ(label_x(), 683.0f);
  EXPECT_EQ(inscription->end_x, 1516.0f);
  inscription->reset();
  EXPECT_EQ(inscription->state, HUD_PANEL_WATER_INSCRIPTION::IDLE);
  EXPECT_EQ(label()->visible, 0);
}

TEST_F(WaterHud, BrokenFlightTimesNeverLeaveTheTextAstray) {
  struct CASE {
    float total, delay;
  };
  // No time to fly: at the middle at once, then out at the next later clock.
  // No rest, or a negative one: out at the next later clock.
  for (const CASE& c : {CASE{1, 1}, CASE{3, 0}, CASE{3, -1}, CASE{0, 2}}) {
    inscription->total_fly_time = c.total;
    inscription->centre_delay = c.delay;
    inscription->show_hurry_warning();
    inscription->update(5000);
    EXPECT_TRUE(std::isfinite(label_x())) << c.total << "/" << c.delay;
    // The level clock's "no time" changes nothing.
    inscription->update(-1);
    EXPECT_EQ(inscription->start_time, 5000);
    for (int clock = 5001; clock < 20000 && inscription->state != 0; clock += 100) {
      inscription->update(clock);
      EXPECT_TRUE(std::isfinite(label_x())) << c.total << "/" << c.delay;
    }
    EXPECT_EQ(inscription->state, HUD_PANEL_WATER_INSCRIPTION::IDLE) << c.total << "/" << c.delay;
  }
}

}  // namespace
