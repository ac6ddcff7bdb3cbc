#include "gui/KC_BUTTON_CONTROLLER.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "gui/gui_harness.h"
#include "gui/gui_resources.h"

namespace {

using KOR::kControllerClick;

int count_call(void* counter) {
  ++*static_cast<int*>(counter);
  return 0;
}

class GuiControllers : public ::testing::Test {
 protected:
  GuiControllers() : texture(KOR::gui_get_texture("strip.png")) {}
  ~GuiControllers() override { KOR::gui_release_texture(texture); }

  // Hooks counting their calls into the named counters.
  template <typename CONTROLLER>
  void count_hooks(CONTROLLER& c) {
    c.hook_enter = hook(&enters);
    c.hook_leave = hook(&leaves);
    c.hook_down = hook(&downs);
    c.hook_left_click = hook(&left_clicks);
    c.hook_right_click = hook(&right_clicks);
  }
  static std::unique_ptr<KOR::KC_CALLBACK> hook(int* counter) {
    return KOR::callback_create(count_call, "count", counter);
  }
  static int frame(const KOR::KC_CONTROLLER_BASE& c) {
    return static_cast<int>(c.quad->vertices[0].u * 5.0f + 0.5f);
  }
  void frame_step() { harness.input.end_frame(); }

  GuiHarness harness;
  KOR::KC_TEXTURE* texture;
  int enters = 0, leaves = 0, downs = 0, left_clicks = 0, right_clicks = 0;
};

TEST_F(GuiControllers, PushButtonTakesAFifthOfTheStripAndIsCentred) {
  KOR::KS_TRANSFORM3 placement;
  placement.set_position(200, 100, 0);
  KOR::KC_BUTTON_CONTROLLER button(texture, &placement, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  EXPECT_EQ(button.quad->width(), 20.0f);
  EXPECT_EQ(button.quad->height(), 10.0f);
  EXPECT_EQ(placement.pivot.x, 10.0f);
  EXPECT_EQ(button.transform, &placement);
  EXPECT_EQ(button.texture(), texture);
  EXPECT_EQ(frame(button), 0);

  KOR::KC_BUTTON_CONTROLLER circle(texture, nullptr, KOR::KC_HIT_SHAPE::kCircle, 30, 0);
  EXPECT_EQ(circle.quad->height(), 30.0f);
  harness.point(14, 0);
  EXPECT_EQ(circle.update(), 1);
  harness.point(16, 0);
  KOR::KC_BUTTON_CONTROLLER far(texture, nullptr, KOR::KC_HIT_SHAPE::kCircle, 30, 0);
  EXPECT_EQ(far.update(), 0);
}

TEST_F(GuiControllers, PushButtonClickGoesThroughHoverAndPress) {
  KOR::KC_BUTTON_CONTROLLER button(texture, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  count_hooks(button);
  harness.point(0, 0);
  EXPECT_EQ(button.update(), 1);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(frame(button), 0);  // the frame follows one update later
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(frame(button), 1);
  harness.press();
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(button.state, 2);
  EXPECT_EQ(frame(button), 2);
  EXPECT_EQ(downs, 1);
  harness.release();
  EXPECT_EQ(button.update(), kControllerClick);
  EXPECT_EQ(button.state, 1);
  EXPECT_EQ(frame(button), 1);
  EXPECT_EQ(left_clicks, 1);
}

TEST_F(GuiControllers, PushButtonEnteredAndPressedInOneFrame) {
  KOR::KC_BUTTON_CONTROLLER button(texture, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  harness.point(0, 0);
  harness.press();
  EXPECT_EQ(button.update(), 2);
  EXPECT_EQ(button.state, 2);
  EXPECT_EQ(frame(button), 0);
}

TEST_F(GuiControllers, PushButtonPressDroppedWhenThePointerLeaves) {
  KOR::KC_BUTTON_CONTROLLER button(texture, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  count_hooks(button);
  harness.point(0, 0);
  harness.press();
  button.update();
  harness.point(100, 100);
  frame_step();
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(leaves, 1);
  harness.release();
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(left_clicks, 0);
  EXPECT_EQ(button.state, 0);
}

TEST_F(GuiControllers, PushButtonWithBothButtonsClicksWithoutTheLeftHook) {
  KOR::KC_BUTTON_CONTROLLER button(texture, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  count_hooks(button);
  harness.point(0, 0);
  button.update();
  harness.press(1);
  harness.input.key_down(2);
  button.update();
  EXPECT_EQ(button.left_held, 1);
  EXPECT_EQ(button.right_held, 1);
  EXPECT_EQ(downs, 2);
  harness.release(1);
  EXPECT_EQ(button.update(), kControllerClick);
  EXPECT_EQ(left_clicks, 0);
  EXPECT_EQ(button.state, 1);
  harness.release(2);
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(right_clicks, 0);
}

TEST_F(GuiControllers, PushButtonSelectedOrDisabledIgnoresInput) {
  KOR::KC_BUTTON_CONTROLLER button(texture, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  harness.point(0, 0);
  harness.press();
  for (int state : {3, 4}) {
    button.state = state;
    EXPECT_EQ(button.update(), 0);
    EXPECT_EQ(button.state, state);
  }
  button.reset();
  EXPECT_EQ(button.state, 0);
  EXPECT_EQ(frame(button), 0);
}

TEST_F(GuiControllers, ToggleFlipsWithEachCompletedClick) {
  KOR::KC_TOGGLE_CONTROLLER toggle(texture);
  count_hooks(toggle);
  harness.point(0, 0);
  EXPECT_EQ(toggle.update(), 0);
  EXPECT_EQ(toggle.state, 1);
  EXPECT_EQ(frame(toggle), 1);
  for (int expected_state : {3, 1, 3}) {
    harness.press();
    if (toggle.state == 1) {
      EXPECT_EQ(toggle.update(), 0);
      EXPECT_EQ(toggle.state, 2);
    } else {
      EXPECT_EQ(toggle.update(), 0);
      EXPECT_EQ(toggle.left_held, 1);
    }
    harness.release();
    EXPECT_EQ(toggle.update(), kControllerClick);
    EXPECT_EQ(toggle.state, expected_state);
    EXPECT_EQ(frame(toggle), expected_state);
    toggle.draw();
  }
  EXPECT_EQ(left_clicks, 3);
  // Leaving while on clears the hover but keeps it on.
  harness.point(100, 100);
  EXPECT_EQ(toggle.update(), 0);
  EXPECT_EQ(toggle.hovered, 0);
  EXPECT_EQ(toggle.state, 3);
}

TEST_F(GuiControllers, ToggleOnStaysOnWhileTheOtherButtonIsHeld) {
  KOR::KC_TOGGLE_CONTROLLER toggle(texture);
  count_hooks(toggle);
  toggle.state = 3;
  harness.point(0, 0);
  harness.press(1);
  harness.input.key_down(2);
  toggle.update();
  harness.release(1);
  EXPECT_EQ(toggle.update(), kControllerClick);
  EXPECT_EQ(toggle.state, 3);
  EXPECT_EQ(left_clicks, 0);
  harness.release(2);
  EXPECT_EQ(toggle.update(), kControllerClick);
  EXPECT_EQ(toggle.state, 1);
  EXPECT_EQ(right_clicks, 1);
}

TEST_F(GuiControllers, ToggleMovingOffCancelsThePress) {
  KOR::KC_TOGGLE_CONTROLLER toggle(texture);
  harness.point(0, 0);
  toggle.update();
  harness.press();
  toggle.update();
  harness.point(100, 100);
  frame_step();
  EXPECT_EQ(toggle.update(), 0);
  EXPECT_EQ(toggle.state, 0);
  harness.release();
  EXPECT_EQ(toggle.update(), 0);
}

TEST_F(GuiControllers, NoTextureMakesAnEmptyButSafeControl) {
  KOR::KC_BUTTON_CONTROLLER button(nullptr, nullptr, KOR::KC_HIT_SHAPE::kRectangle, 0, 0);
  harness.point(0, 0);
  EXPECT_EQ(button.update(), 0);
  EXPECT_EQ(button.texture(), nullptr);
}

}  // namespace
