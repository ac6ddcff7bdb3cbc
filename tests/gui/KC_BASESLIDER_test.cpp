#include "gui/KC_BASESLIDER.h"

#include <gtest/gtest.h>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

// The value-changed hook gets its user data, a counter.
int count_call(void* argument) {
  ++*static_cast<int*>(argument);
  return 5;
}

// DOWN and UP hooks get the widget; they count here.
int hook_calls = 0;
int count_hook(void*) { return ++hook_calls; }

// A horizontal track from (100, 300) to (400, 300) with 20-pixel frames:
// buttons at 110 and 390 on screen, knob stops 30 inside them (140 and
// 360), 2.2 pixels per unit over 0..100.
class SliderTest : public gui_test::WidgetResources {
 protected:
  KC_BASESLIDER* make(float min = 0, float max = 100, float step = 5, float value = 0,
                      float radius = 10) {
    slider = std::make_unique<KC_BASESLIDER>(7, KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20.0f,
                                             radius, 1.5f, min, max, step, value);
    return slider.get();
  }
  float knob_x() { return slider->knob_transform()->world().position.x; }
  // Hovers the knob where it stands and presses it.
  void grab_knob() {
    point(static_cast<int>(knob_x()), 300);
    ASSERT_NE(slider->on_pointer_move(), nullptr);
    left_down();
    ASSERT_NE(slider->on_press(), nullptr);
    ASSERT_EQ(slider->knob_state(), KC_BASESLIDER::PRESSED);
    next_frame();
  }

  std::unique_ptr<KC_BASESLIDER> slider;
};

TEST_F(SliderTest, TheTrackIsInsetByAFrameAroundTheSlidersCentre) {
  make(0, 100, 5, 50);
  EXPECT_EQ(slider->transform->position_xy(), KS_VECTOR2(250, 300));
  EXPECT_EQ(slider->start_button().x, -140.0f);
  EXPECT_EQ(slider->end_button().x, 140.0f);
  EXPECT_FLOAT_EQ(knob_x(), 250.0f);
  slider->set_value(0);
  EXPECT_FLOAT_EQ(knob_x(), 140.0f);
  slider->set_value(100);
  EXPECT_FLOAT_EQ(knob_x(), 360.0f);
}

TEST_F(SliderTest, SetValueClampsMaxFirstAndFiresTheHookEveryTime) {
  int calls = 0;
  struct CASE {
    float min, max, given, stored;
  } cases[] = {{0, 100, 150, 100}, {0, 100, -5, 0}, {0, 100, 40, 40}, {60, 20, 40, 60}};
  for (const CASE& c : cases) {
    make(c.min, c.max, 5, 0);
    slider->hook_value_changed = callback_create(count_call, "changed", &calls);
    calls = 0;
    EXPECT_EQ(slider->set_value(c.given), 5) << c.given;
    EXPECT_EQ(slider->value(), c.stored) << c.given;
    EXPECT_EQ(slider->set_value(c.given), 5);
    EXPECT_EQ(calls, 2) << "the hook fires even when nothing changed";
  }
  make();
  EXPECT_EQ(slider->set_value(30), 0) << "no hook, no result";
}

TEST_F(SliderTest, ADragSnapsToTheWholeStepAndStopsAtTheEnds) {
  struct CASE {
    int pointer_x;
    float step;
    float value;
    float knob;  // screen x while still held
  } cases[] = {
      {168, 5, 10, 168},     // raw 12.7
      {354, 5, 95, 354},     // raw 97.3
      {360, 5, 100, 360},    // raw 100: above max - step, end stop
      {400, 5, 100, 360},    // past the end stop
      {147, 5, 0, 140},      // raw 3.2: below min + step, start stop
      {95, 5, 0, 140},       // behind the start button
      {168, 0.5f, 12, 168},  // no whole-number grid: snaps to 1
  };
  for (const CASE& c : cases) {
    make(0, 100, c.step, 50);
    grab_knob();
    point(c.pointer_x, 300);
    KS_GUI_EVENT* e = slider->on_pointer_move();
    ASSERT_NE(e, nullptr) << c.pointer_x;
    EXPECT_EQ(e->code, GUI_EVENT_CHANGED);
    EXPECT_EQ(e->id, 7u);
    EXPECT_EQ(slider->value(), c.value) << c.pointer_x;
    EXPECT_FLOAT_EQ(knob_x(), c.knob) << c.pointer_x;
  }
}

TEST_F(SliderTest, AnEmptyRangeKeepsTheKnobOnTheStartStop) {
  make(0, 0, 1, 0);
  grab_knob();
  for (int x : {200, 380, 95}) {
    point(x, 300);
    slider->on_pointer_move();
    EXPECT_EQ(slider->value(), 0.0f) << x;
    EXPECT_FLOAT_EQ(knob_x(), 140.0f) << x;
  }
}

TEST_F(SliderTest, LeavingTheTrackCommitsADragButKeepsHeldButtons) {
  make(0, 100, 5, 50);
  int calls = 0;
  slider->hook_value_changed = callback_create(count_call, "changed", &calls);
  grab_knob();
  point(168, 300);
  slider->on_pointer_move();
  EXPECT_EQ(calls, 0) << "no hook while dragging";
  point(168, 400);
  KS_GUI_EVENT* e = slider->on_pointer_move();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_CHANGED);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(slider->knob_state(), KC_BASESLIDER::HOVERED);
  EXPECT_FALSE(slider->pressed());
  EXPECT_FLOAT_EQ(knob_x(), 162.0f) << "snapped to the place of 10";

  make(0, 100, 5, 50);
  point(110, 300);
  slider->on_pointer_move();
  left_down();
  slider->on_press();
  ASSERT_EQ(slider->start_state(), KC_BASESLIDER::PRESSED);
  point(110, 500);
  EXPECT_EQ(slider->on_pointer_move(), nullptr);
  EXPECT_EQ(slider->start_state(), KC_BASESLIDER::PRESSED);
}

TEST_F(SliderTest, ReleasingAStepButtonStepsWhereverThePointerIs) {
  make(0, 100, 2.5f, 50);
  point(390, 300);
  ASSERT_EQ(slider->on_pointer_move()->code, GUI_EVENT_ENTER);
  left_down();
  ASSERT_EQ(slider->on_press()->code, GUI_EVENT_DOWN);
  next_frame();
  point(700, 50);
  left_up();
  KS_GUI_EVENT* e = slider->on_release();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_CHANGED);
  EXPECT_EQ(slider->value(), 52.5f);
  EXPECT_EQ(slider->end_state(), KC_BASESLIDER::HOVERED);
}

TEST_F(SliderTest, ThePollingUpdateStepsOnlyWhileThePointerStaysOnTheButton) {
  make(0, 100, 5, 50);
  point(110, 300);
  ASSERT_EQ(slider->update()->code, GUI_EVENT_ENTER);
  left_down();
  ASSERT_EQ(slider->update()->code, GUI_EVENT_DOWN);
  next_frame();
  KS_GUI_EVENT* held = slider->update();
  ASSERT_NE(held, nullptr) << "a held button answers with code 0";
  EXPECT_EQ(held->code, GUI_EVENT_NONE);
  point(200, 300);
  left_up();
  EXPECT_EQ(slider->update()->code, GUI_EVENT_NONE);
  EXPECT_EQ(slider->value(), 50.0f);
  next_frame();

  point(110, 300);
  slider->update();
  left_down();
  slider->update();
  next_frame();
  left_up();
  EXPECT_EQ(slider->update()->code, GUI_EVENT_CHANGED);
  EXPECT_EQ(slider->value(), 45.0f);
}

TEST_F(SliderTest, EveryPressAndReleaseFiresTheDownAndUpHooks) {
  make();
  hook_calls = 0;
  slider->hook_down = callback_create(count_hook, "down", nullptr);
  point(700, 50);
  left_down();
  EXPECT_EQ(slider->on_press(), nullptr);
  EXPECT_EQ(hook_calls, 1);
  slider->hook_up = callback_create(count_hook, "up", nullptr);
  next_frame();
  left_up();
  EXPECT_EQ(slider->on_release(), nullptr);
  EXPECT_EQ(hook_calls, 2);
}

TEST_F(SliderTest, TheTrackRegionFollowsTheParentsPlacement) {
  KS_TRANSFORM3 window;
  window.set_position(1000, 0, 0);
  make(0, 100, 5, 50);
  slider->transform->parent = &window;
  point(1250, 330);  // 30 below the middle of the track: inside the region
  EXPECT_TRUE(slider->pointer_on_track());
  point(1250, 350);
  EXPECT_FALSE(slider->pointer_on_track());
  point(250, 300);
  EXPECT_FALSE(slider->pointer_on_track());
}

}  // namespace
}  // namespace KOR
