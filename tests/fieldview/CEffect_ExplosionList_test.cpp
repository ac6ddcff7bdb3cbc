#include "fieldview/CEffect_ExplosionList.h"

#include <gtest/gtest.h>

#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_Particle.h"
#include "foundation/KS_TRANSFORM3.h"
#include "platform/runtime_random.h"
#include "support/bot_harness.h"
#include "support/fake_clock.h"
#include "support/field_graphics_fixture.h"

namespace {

using game::CEffect_Explosion;
using game::CEffect_ExplosionList;
using game::CEffect_Particle;

class ExplosionTest : public puzzle_test::FieldGraphicsFixture {
 protected:
  void SetUp() override {
    FieldGraphicsFixture::SetUp();
    config_.load_string("<config><explosionAnimationFrameTime text=\"0.05\"/></config>");
  }

  // The centre of each quad drawn since the last call.
  std::vector<std::pair<float, float>> drawn_centres() {
    const auto points = render.drawn();
    std::vector<std::pair<float, float>> out;
    for (size_t i = 0; i + 3 < points.size(); i += 4) {
      float x = 0.0f, y = 0.0f;
      for (size_t k = i; k < i + 4; ++k) {
        x += points[k][0] / 4.0f;
        y += points[k][1] / 4.0f;
      }
      out.emplace_back(x, y);
    }
    return out;
  }

  test_support::FAKE_CLOCK clock;
};

TEST_F(ExplosionTest, NewEffectsTakeTheSmallestFreeIdAndUnknownKindsAreRefused) {
  config_.load_string("<config/>");  // frame time 0: one frame per update
  CEffect_ExplosionList list;
  list.add(0, 1.0f, 2.0f);
  list.add(2, 3.0f, 4.0f);
  list.add(1, 5.0f, 6.0f);
  list.add(7, 5.0f, 6.0f);
  ASSERT_EQ(list.count(), 3);
  for (int t = 1; t <= 9; ++t) list.update(t);  // the explosion plays out; bursts go on
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.effects().count(2), 0u);
  list.add(2, 7.0f, 8.0f);
  list.add(0, 9.0f, 10.0f);
  EXPECT_EQ(list.effects().at(2)->x, 7.0f);
  EXPECT_EQ(list.effects().at(4)->y, 10.0f);
  list.clear();
  EXPECT_EQ(list.count(), 0);
}

TEST_F(ExplosionTest, ParticlesDrawTheirSpreadInOrderFromTheRuntimeGenerator) {
  CEffect_ExplosionList list;
  KOR::runtime_srand(1);  // draws 41, 18467, 6334, 26500, 19169, 15724, 11478, ...
  list.add(0, 100.0f, 200.0f);
  const CEffect_Explosion& burst = *list.effects().at(1);
  ASSERT_EQ(burst.particles.size(), 9u);
  const CEffect_Particle& first = *burst.particles.at(1);
  EXPECT_EQ(first.x, 96.0f);
  EXPECT_EQ(first.y, 202.0f);
  EXPECT_EQ(first.scale, 1.0f);
  EXPECT_EQ(first.horizontal_speed, 19.0f);
  EXPECT_EQ(first.vertical_speed, -104.0f);
  EXPECT_EQ(first.start_delay, 228);
  EXPECT_FALSE(first.visible);

  for (const auto& [id, p] : burst.particles) {
    EXPECT_EQ(p->direction, id <= 4 ? -1 : (id == 5 ? 0 : 1)) << id;
    EXPECT_GE(p->scale, 0.76f);
    EXPECT_LE(p->scale, 1.0f);
    EXPECT_GE(p->horizontal_speed, 10.0f);
    EXPECT_LE(p->horizontal_speed, 29.0f);
    EXPECT_LT(p->start_delay, 250);
    // The top of its path under gravity 180.
    const float apex = -p->vertical_speed / 180.0f;
    EXPECT_GE(apex, 0.55f);
    EXPECT_LE(apex, 0.89f);
    EXPECT_LE(std::abs(p->x - 100.0f), 5.0f);
    EXPECT_EQ(p->start_x, 100.0f);
  }
}

TEST_F(ExplosionTest, AParticleWaitsRisesUnderGravityAndFadesOverItsSecondHalf) {
  bots_test::FrameTime dt(0.1f);
  CEffect_Particle p;
  KOR::runtime_srand(1);
  p.setup(2, 0, 50.0f, 60.0f, 1.0f);
  p.x = 50.0f;
  p.y = 60.0f;
  p.start_delay = 100;

  EXPECT_FALSE(p.update(1000));  // first seen
  EXPECT_FALSE(p.update(1100));
  EXPECT_FALSE(p.visible);
  EXPECT_FALSE(p.update(1101));  // starts, and takes its first step
  EXPECT_TRUE(p.visible);
  EXPECT_FLOAT_EQ(p.x, 50.0f - 1.9f);
  EXPECT_FLOAT_EQ(p.y, 60.0f - 10.4f);
  EXPECT_FLOAT_EQ(p.vertical_speed, -104.0f + 18.0f);
  EXPECT_EQ(p.color.a, 255);

  struct Case {
    int after_start;
    int alpha;
    bool over;
  } cases[] = {{500, 255, false}, {750, 127, false}, {999, 0, false}, {1000, 0, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(p.update(1101 + c.after_start), c.over) << c.after_start;
    EXPECT_EQ(p.color.a, c.alpha) << c.after_start;
  }
  // Long past its end the fade stays at 0 instead of running out of range.
  EXPECT_TRUE(p.update(1101 + 5000));
  EXPECT_EQ(p.color.a, 0);
}

TEST_F(ExplosionTest, ABurstDrawsOnlyItsStartedParticlesAndEndsWithItsLast) {
  bots_test::FrameTime dt(0.02f);
  CEffect_ExplosionList list;
  list.add(1, 300.0f, 400.0f);
  CEffect_Explosion& burst = *list.effects().at(1);
  for (auto& [id, p] : burst.particles) p->start_delay = id <= 3 ? 0 : 200;
  list.update(1000);
  list.draw();
  EXPECT_TRUE(drawn_centres().empty());  // all still waiting

  list.update(1001);
  list.draw();
  const auto centres = drawn_centres();
  ASSERT_EQ(centres.size(), 3u);
  for (int id = 1; id <= 3; ++id) {
    const CEffect_Particle& p = *burst.particles.at(id);
    EXPECT_NEAR(centres[id - 1].first, p.x, 0.01f);
    EXPECT_NEAR(centres[id - 1].second, p.y, 0.01f);
  }
  EXPECT_EQ(burst.particle_sprite->transform()->scale.x, burst.particles.at(3)->scale);

  list.update(1201);  // the others start
  list.update(2001);  // the first three are over
  EXPECT_EQ(burst.particles.size(), 6u);
  list.update(2200);
  EXPECT_EQ(list.count(), 1);
  list.update(2201);
  EXPECT_EQ(list.count(), 0);
}

TEST_F(ExplosionTest, FramesStepOnTheirOwnScheduleAndTheEffectEndsAfterTheNinth) {
  const int before = references("graphics/main game_elements_atlas.png");
  CEffect_ExplosionList list;
  list.add(2, 120.0f, 80.0f);
  const CEffect_Explosion& boom = *list.effects().at(1);
  ASSERT_EQ(boom.frames.size(), 9u);
  EXPECT_EQ(boom.frames.at(1)->vertex_color(0), 0xFFFFFFFFu);
  EXPECT_EQ(boom.frames.at(2)->vertex_color(0), 0x00FFFFFFu);
  EXPECT_GT(boom.frames.at(1)->width(), 0.0f);

  list.update(1000);  // schedules frame 2 at 1050
  list.update(1049);
  EXPECT_EQ(boom.current_frame, 1);
  int clock = 1050;
  for (int frame = 2; frame <= 9; ++frame) {
    list.update(clock);
    EXPECT_EQ(boom.current_frame, frame);
    EXPECT_EQ(boom.frames.at(frame)->vertex_color(0), 0xFFFFFFFFu);
    EXPECT_EQ(boom.frames.at(frame - 1)->vertex_color(0), 0x00FFFFFFu);
    clock += 60;  // a late update moves the schedule with it
  }
  list.draw();
  const auto centres = drawn_centres();
  ASSERT_EQ(centres.size(), 1u);
  EXPECT_NEAR(centres[0].first, 120.0f, 0.5f);
  EXPECT_NEAR(centres[0].second, 80.0f, 0.5f);

  list.update(clock - 60 + 49);
  EXPECT_EQ(list.count(), 1);
  list.update(clock - 60 + 50);
  EXPECT_EQ(list.count(), 0);
  // Every frame gave its texture reference back.
  EXPECT_EQ(references("graphics/main game_elements_atlas.png"), before);
}

TEST_F(ExplosionTest, ShiftingMovesWhatIsShownNotTheCreationPoint) {
  CEffect_ExplosionList list;
  list.add(0, 10.0f, 20.0f);
  list.add(2, 30.0f, 40.0f);
  const CEffect_Explosion& burst = *list.effects().at(1);
  const CEffect_Explosion& boom = *list.effects().at(2);
  const float px = burst.particles.at(5)->x;
  const float py = burst.particles.at(5)->y;
  list.shift(5.0f, -100.0f);
  EXPECT_EQ(burst.particles.at(5)->x, px + 5.0f);
  EXPECT_EQ(burst.particles.at(5)->y, py - 100.0f);
  for (const auto& [n, frame] : boom.frames) {
    EXPECT_EQ(frame->transform()->position.x, 35.0f) << n;
    EXPECT_EQ(frame->transform()->position.y, -60.0f) << n;
  }
  EXPECT_EQ(burst.x, 10.0f);
  EXPECT_EQ(boom.y, 40.0f);
}

TEST_F(ExplosionTest, MissingPicturesAndItemsStillPlay) {
  std::filesystem::remove(sandbox.resources() / "xml/atlas/game_elements_atlas.xml");
  std::filesystem::remove(sandbox.resources() / "graphics/main/interface/coin.png");
  config_.load_string("<config/>");
  CEffect_ExplosionList list;
  list.add(2, 1.0f, 1.0f);
  list.add(0, 1.0f, 1.0f);
  EXPECT_EQ(list.effects().at(1)->frames.at(4)->width(), 0.0f);
  for (int t = 1; t <= 9; ++t) {
    list.update(t);
    list.draw();
  }
  EXPECT_EQ(list.count(), 1);
  render.drawn();
}

// Lists made in the same second seed the runtime generator alike.
TEST_F(ExplosionTest, ListsMadeInTheSameSecondSeedAlike) {
  clock.calendar = 1234567;
  CEffect_ExplosionList first;
  const int a = KOR::runtime_rand();
  CEffect_ExplosionList second;
  EXPECT_EQ(KOR::runtime_rand(), a);
}

}  // namespace
