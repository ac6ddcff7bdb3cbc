#include "PRIMITIVES/KC_PARTICLE_SYSTEM.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SERVICE/engine_globals.h"
#include "foundation/KC_RANDOM.h"
#include "support/null_render.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

class Particles : public ::testing::Test {
 protected:
  void SetUp() override { frame_dt = 0.25f; }
  void TearDown() override {
    frame_dt = 0.0f;
    random_current = nullptr;
  }

  int live() const {
    int n = 0;
    for (KS_PARTICLE* p = system.particles; p; p = p->next) ++n;
    return n;
  }

  NullRender r;
  KC_RANDOM random{7};
  KC_PARTICLE_SYSTEM system{r.texture(16, 8), nullptr};
};

TEST_F(Particles, ATextureSystemStartsFromItsDefaults) {
  EXPECT_EQ(system.max_count, 8096);
  EXPECT_EQ(system.acceleration, KS_VECTOR3(0, 140, 0));
  EXPECT_EQ(system.render_state.word, 0x3416u);
  EXPECT_EQ(system.end_color.argb(), 0x88FFF700u);
  EXPECT_EQ(system.particle_template.size, 8.0f);
  EXPECT_EQ(system.particle_template.lifetime, 2.0f);
  EXPECT_EQ(system.particle_template.velocity, KS_VECTOR3(0, 150, 0));
  EXPECT_EQ(system.emitting, 0);
  // A template handed in loses its links.
  KS_PARTICLE given;
  given.size = 3.0f;
  given.next = &given;
  KC_PARTICLE_SYSTEM own(r.texture(4, 4), &given);
  EXPECT_EQ(own.particle_template.size, 3.0f);
  EXPECT_EQ(own.particle_template.next, nullptr);
  KC_PARTICLE_SYSTEM bare;
  EXPECT_EQ(bare.acceleration, KS_VECTOR3(0, 0, 0));
  EXPECT_EQ(bare.particle_template.color.argb(), 0xFFFFFFFFu);
  bare.update();
  bare.draw();
}

TEST_F(Particles, ParticlesLiveOnWithoutEmissionAndDieAfterOneLastDraw) {
  system.particle_template.lifetime = 0.5f;  // half a life per update
  system.set_area_circle(100, 50, 0);
  system.start();
  system.stop();
  ASSERT_EQ(system.count, 1);
  KS_PARTICLE* p = system.particles;
  EXPECT_EQ(p->position, KS_VECTOR3(100, 50, 0));
  EXPECT_EQ(p->velocity, KS_VECTOR3(0, 150, 0));  // no spread
  system.update();
  EXPECT_EQ(p->life, 0.5f);
  EXPECT_EQ(p->color.argb(), 0xFF00FF00u);  // the middle colour at half life
  EXPECT_EQ(p->velocity, KS_VECTOR3(0, 185, 0));
  EXPECT_EQ(p->position, KS_VECTOR3(100, 50 + 185 * 0.25f, 0));
  system.update();
  EXPECT_EQ(p->color.argb(), 0x88FFF700u);
  system.update();  // life -0.5: past the end colour, clamped
  EXPECT_LT(p->life, 0.0f);
  EXPECT_EQ(system.count, 1);
  system.draw();
  r.render.flush();
  ASSERT_EQ(r.gpu->point_draws.size(), 1u);
  EXPECT_EQ(r.gpu->point_draws[0].size(), 1u);
  system.update();
  EXPECT_EQ(system.count, 0);
  EXPECT_EQ(system.particles, nullptr);
}

TEST_F(Particles, EmissionRateAndTimeLimit) {
  system.set_rate(2.0f);  // one every 0.5 s: every second update
  system.emit_for(0.0f);
  EXPECT_EQ(system.emit_time, 0.1f);
  system.emit_for(1.25f);
  for (int i = 0; i < 8; ++i) system.update();
  EXPECT_EQ(system.count, 2);  // at 0.5 s and 1 s; the limit ends it at 1.25 s
  EXPECT_EQ(system.emitting, 0);
  EXPECT_EQ(system.emit_time, 0.0f);
  EXPECT_EQ(live(), 2);
  EXPECT_EQ(system.last_particle(), system.particles->next);
  system.clear();
  EXPECT_EQ(system.count, 0);
}

TEST_F(Particles, AreasGiveTheirPositions) {
  system.emitting = 1;
  // x2 exactly 0 is a circle, also with y2 set.
  system.area = KS_EMIT_AREA{10, 20, 0, 99, 5};
  system.burst(50);
  for (KS_PARTICLE* p = system.particles; p; p = p->next) {
    EXPECT_LE(std::hypot(p->position.x - 10, p->position.y - 20), 5.001f);
  }
  system.clear();
  // Rectangles give whole pixels below the right and bottom edges, also
  // with their corners given the other way round.
  for (KS_EMIT_AREA a : {KS_EMIT_AREA{10.7f, 20, 14, 23, 0}, KS_EMIT_AREA{14, 23, 10.7f, 20, 0}}) {
    system.area = a;
    system.burst(50);
    for (KS_PARTICLE* p = system.particles; p; p = p->next) {
      EXPECT_EQ(p->position.x, std::floor(p->position.x));
      EXPECT_GE(p->position.x, 10.0f);
      EXPECT_LT(p->position.x, 14.0f);
      EXPECT_GE(p->position.y, 20.0f);
      EXPECT_LT(p->position.y, 23.0f);
    }
    system.clear();
  }
}

TEST_F(Particles, BurstsNeedEmissionIgnoreTheMaximumAndKeepTheArea) {
  system.set_area_rect(50, 50, 20, 10);
  system.burst(3);
  EXPECT_EQ(system.count, 0);
  system.resume();
  system.max_count = 2;
  system.burst_at(5, 7, 9);
  EXPECT_EQ(system.count, 5);
  for (KS_PARTICLE* p = system.particles; p; p = p->next) {
    EXPECT_EQ(p->position, KS_VECTOR3(7, 9, 0));
  }
  EXPECT_EQ(system.area.x1, 40.0f);
  EXPECT_EQ(system.area.y2, 55.0f);
  system.update();  // at the maximum: nothing new
  EXPECT_EQ(system.count, 5);
}

TEST_F(Particles, SpreadTurnsTheLaunchWithinItsRange) {
  system.spread = 1.0f;
  system.emitting = 1;
  system.burst(40);
  for (KS_PARTICLE* p = system.particles; p; p = p->next) {
    const float angle = std::atan2(p->velocity.x, p->velocity.y);
    EXPECT_LE(std::fabs(angle), 0.5001f);
    EXPECT_NEAR(std::hypot(p->velocity.x, p->velocity.y), 150.0f, 0.01f);
  }
}

TEST_F(Particles, MovingTheArea) {
  system.set_area_rect(50, 50, 20, 10);
  system.set_area_centre(100, 0);
  EXPECT_EQ(system.area.x1, 90.0f);
  EXPECT_EQ(system.area.y2, 5.0f);
  system.shift_area_to(0, 100);
  EXPECT_EQ(system.area.x1, -10.0f);
  EXPECT_EQ(system.area.x2, 10.0f);
  EXPECT_EQ(system.area.y1, 95.0f);
  system.set_area_circle(1, 2, 3);
  system.shift_area_to(30, 40);
  EXPECT_EQ(system.area.x1, 30.0f);
  EXPECT_EQ(system.area.y1, 40.0f);
  EXPECT_EQ(system.area.x2, 0.0f);
  KS_EMIT_AREA a{1, 2, 0, 4, 0};
  a.move_by(10, 10);
  EXPECT_EQ(a.x2, 0.0f);
  EXPECT_EQ(a.y2, 14.0f);
}

}  // namespace
}  // namespace KOR
