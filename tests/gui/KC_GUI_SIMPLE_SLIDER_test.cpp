#include "gui/KC_GUI_SIMPLE_SLIDER.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_SCROLL_BAR12.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

// A 100 x 20 bar centred at (300, 300) with a 20-pixel knob: the knob's
// centre runs from 260 to 340.
class SimpleSliderTest : public gui_test::WidgetResources {
 protected:
  void SetUp() override {
    WidgetResources::SetUp();
    slider = std::make_unique<KC_GUI_SIMPLE_SLIDER>(3, "bar.png", "knob.png");
    slider->set_position(300, 300, 0);
    slider->load_resources();
  }
  void TearDown() override {
    slider->release_resources();
    slider.reset();
    WidgetResources::TearDown();
  }
  std::unique_ptr<KC_GUI_SIMPLE_SLIDER> slider;
};

TEST_F(SimpleSliderTest, TheKnobStaysOnTheBarAndSetsItsPercentage) {
  const struct {
    int x;
    float percent, knob;
  } cases[] = {{250, 0, -40}, {260, 0, -40}, {300, 40, 0}, {339, 79, 39}, {400, 100, 40}};
  for (const auto& c : cases) {
    slider->move_knob_to(c.x);
    EXPECT_FLOAT_EQ(slider->bar.percent(), c.percent) << c.x;
    EXPECT_EQ(slider->knob()->transform()->position.x, c.knob) << c.x;
  }
  slider->set_knob_percent(50);
  EXPECT_FLOAT_EQ(slider->bar.percent(), 50.0f);
  EXPECT_EQ(slider->knob()->transform()->position.x, 10.0f);
}

TEST_F(SimpleSliderTest, AnyKeyDownOverTheKnobGrabsItUntilTheRelease) {
  slider->set_knob_percent(50);
  point(200, 300);
  key(2);
  EXPECT_EQ(slider->on_press(), nullptr);
  EXPECT_EQ(slider->on_pointer_move(), nullptr);
  point(310, 305);
  key(2);
  ASSERT_EQ(slider->on_press()->code, GUI_EVENT_DOWN);
  point(330, 100);
  ASSERT_EQ(slider->on_pointer_move()->code, GUI_EVENT_GRAB);
  EXPECT_FLOAT_EQ(slider->bar.percent(), 70.0f);
  EXPECT_EQ(slider->on_release()->code, GUI_EVENT_UP);
  EXPECT_EQ(slider->on_release(), nullptr);
}

TEST_F(SimpleSliderTest, TheScrollBarPictureTakesNoInput) {
  KC_GUI_SCROLL_BAR12 bar(4, manager.get_texture("strip12.png"));
  EXPECT_EQ(bar.piece(5)->height(), 0.0f) << "buttons never placed: no middle";
  EXPECT_EQ(bar.piece(0)->width(), 30.0f);
  bar.draw();
  left_down();
  EXPECT_EQ(bar.on_press(), nullptr);
  EXPECT_EQ(bar.update(), nullptr);
}

}  // namespace
}  // namespace KOR
