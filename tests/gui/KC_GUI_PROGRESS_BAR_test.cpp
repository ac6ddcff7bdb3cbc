#include "gui/KC_GUI_PROGRESS_BAR.h"

#include <gtest/gtest.h>

#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_PROGRESS_BAR;
using namespace gui_test;

inline constexpr char kFilled[] = "filled";

TEST(Progress, ValuesAndPercentsClampIntoTheRange) {
  struct CASE {
    float minimum, maximum;
    bool by_percent;
    float set;
    float value, fraction;
    bool complete;
  };
  const CASE cases[] = {
      {0, 100, false, 50, 50, 0.5f, false}, {0, 100, false, 150, 100, 1, true},
      {0, 100, false, -5, 0, 0, false},     {0, 100, true, 250, 100, 1, true},
      {0, 100, true, -10, 0, 0, false},     {20, 60, false, 40, 40, 0.5f, false},
      {20, 60, true, 50, 40, 0.5f, false},  {20, 60, true, 100, 60, 1, true},
      {50, 50, false, 10, 50, 1, true},     {50, 50, true, 30, 50, 0.3f, false},
  };
  for (const CASE& c : cases) {
    KC_GUI_PROGRESS_BAR bar(1, "bar");
    bar.set_range(c.minimum, c.maximum);
    if (c.by_percent) {
      bar.set_percent(c.set);
    } else {
      bar.set_value(c.set);
    }
    SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " set " << c.set
                                    << (c.by_percent ? "%" : ""));
    EXPECT_FLOAT_EQ(bar.value(), c.value);
    EXPECT_FLOAT_EQ(bar.fraction(), c.fraction);
    EXPECT_FLOAT_EQ(bar.percent(), 100 * c.fraction);
    EXPECT_EQ(bar.complete(), c.complete);
  }
}

TEST(Progress, RangeChangesAreOnlyStoredAndStepsAddUp) {
  KC_GUI_PROGRESS_BAR bar(1, "bar");
  bar.set_value(50);
  bar.set_range(0, 200);
  EXPECT_EQ(bar.max(), 200.0f);
  EXPECT_EQ(bar.fraction(), 0.5f);
  bar.add_value(50);
  EXPECT_EQ(bar.fraction(), 0.5f);
  bar.add_percent(25);
  EXPECT_EQ(bar.value(), 150.0f);
}

// A 400 x 30 strip: frames 200 x 30, the bar centred on (300, 100).
class ProgressBar : public ::testing::Test {
 protected:
  ProgressBar() {
    scene.add_texture("bar", 400, 30);
    bar.set_position(300, 100, 0);
    bar.hook_filled = KOR::callback_create(&log_hook<kFilled>, "", nullptr);
    hook_log.clear();
  }
  // The fill's drawn rectangle, as (left, top, right, bottom).
  std::array<float, 4> fill_box() {
    bar.fill->draw_in_world();
    scene.render.flush();
    const auto p = scene.device->draws.back().positions;
    scene.device->draws.clear();
    return {p[0][0], p[0][1], p[2][0], p[2][1]};
  }

  GUI_SCENE scene;
  KC_GUI_PROGRESS_BAR bar{2, "bar"};
};

TEST_F(ProgressBar, TheFillGrowsFromTheLeftEdgeWithItsPartOfTheFullFrame) {
  bar.load_resources();
  EXPECT_EQ(bar.kind, 5);
  EXPECT_EQ(bar.frame_width, 200);
  EXPECT_EQ(bar.background->width(), 200.0f);
  EXPECT_EQ(bar.width(), 0.0f);
  bar.set_value(25);
  EXPECT_EQ(bar.fill->width(), 50.0f);
  EXPECT_EQ(bar.fill->height(), 30.0f);
  EXPECT_FLOAT_EQ(bar.fill->vertices[0].u, 0.5f);
  EXPECT_FLOAT_EQ(bar.fill->vertices[1].u, 0.625f);
  EXPECT_EQ(fill_box(), (std::array<float, 4>{200, 85, 250, 115}));
  bar.set_size(100, 20);
  EXPECT_EQ(fill_box(), (std::array<float, 4>{250, 90, 275, 110}));
}

TEST_F(ProgressBar, FilledFiresOnArrivalAndAgainOnlyAfterLeavingTheEnd) {
  bar.load_resources();
  for (float v : {100.0f, 100.0f, 50.0f, 100.0f}) bar.set_value(v);
  EXPECT_EQ(hook_log, (std::vector<std::string>{"filled", "filled"}));
  bar.set_size(300, 30);
  EXPECT_EQ(hook_log.size(), 2u);
}

TEST_F(ProgressBar, AValueSetBeforeTheBuildShowsFromTheNextChange) {
  bar.set_size(10, 10);
  bar.set_value(100);
  bar.draw();
  EXPECT_TRUE(hook_log.empty());
  bar.load_resources();
  EXPECT_EQ(bar.frame_width, 200);
  EXPECT_EQ(bar.fill->width(), 0.0f);
  bar.set_value(100);
  EXPECT_EQ(bar.fill->width(), 200.0f);
  EXPECT_EQ(hook_log, std::vector<std::string>{"filled"});
}

TEST_F(ProgressBar, OneTextureReferenceServesBothQuads) {
  bar.release_resources();
  bar.load_resources();
  EXPECT_EQ(scene.references("bar"), 1);
  bar.release_resources();
  bar.release_resources();
  EXPECT_EQ(scene.references("bar"), 0);
  EXPECT_EQ(bar.fill->texture(), scene.default_texture());
  EXPECT_EQ(bar.background->texture(), scene.default_texture());
}

}  // namespace
