#include "fieldview/CWater_Animations.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "support/field_graphics_fixture.h"

namespace {

using game::CWater_Animations;

class WaterStripTest : public puzzle_test::FieldGraphicsFixture {
 protected:
  // Frames that are not current are transparent; the current one opaque.
  void expect_only_current_opaque(const CWater_Animations& strip) {
    for (const auto& [n, frame] : strip.frames) {
      if (n == strip.current_frame) {
        EXPECT_EQ(frame->vertex_color(0), 0xFFFFFFFFu) << n;
      }
    }
    EXPECT_EQ(
        strip.frames.at(strip.current_frame == 1 ? 15 : strip.current_frame - 1)->vertex_color(0),
        0x00FFFFFFu);
  }
};

TEST_F(WaterStripTest, FramesComeFromTheAtlasAndLoopOnTheClock) {
  CWater_Animations strip;
  strip.load();
  ASSERT_EQ(strip.frames.size(), 15u);
  EXPECT_EQ(strip.frame_time, 0.25f);
  // The atlas item's pixel size, upper-left anchored.
  EXPECT_GT(strip.frames.at(1)->width(), 100.0f);
  EXPECT_EQ(strip.frames.at(1)->hot_spot(), unsigned(KOR::HS_UL));

  strip.update(1000);  // schedules the first step at 1250
  strip.update(1249);
  EXPECT_EQ(strip.current_frame, 1);
  int clock = 1250;
  for (int expected = 2; expected <= 15; ++expected, clock += 250) {
    strip.update(clock);
    strip.update(clock);  // the same clock again steps nothing
    EXPECT_EQ(strip.current_frame, expected);
  }
  strip.update(clock);
  EXPECT_EQ(strip.current_frame, 1);
  expect_only_current_opaque(strip);

  strip.update(clock + 250);
  strip.update(clock + 500);
  ASSERT_EQ(strip.current_frame, 3);
  strip.reset();
  EXPECT_EQ(strip.current_frame, 1);
  EXPECT_EQ(strip.frames.at(1)->vertex_color(0), 0xFFFFFFFFu);
  strip.update(clock + 510);  // schedules anew from here
  strip.update(clock + 759);
  EXPECT_EQ(strip.current_frame, 1);
  strip.update(clock + 760);
  EXPECT_EQ(strip.current_frame, 2);
}

TEST_F(WaterStripTest, AMissingAtlasGivesFramesThatDrawNothing) {
  std::filesystem::remove(sandbox.resources() / "xml/atlas/game_elements_atlas.xml");
  CWater_Animations strip;
  strip.load();
  ASSERT_EQ(strip.frames.size(), 15u);
  EXPECT_EQ(strip.frames.at(3)->width(), 0.0f);
  strip.draw();
  render.drawn();
}

}  // namespace
