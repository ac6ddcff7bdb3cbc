#include "gui/KC_GUI_CHECKBOX_IOS.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_CHECKBOX_IOS;
using namespace gui_test;

// A 100 x 40 panel with a 40-pixel knob, centred on (200, 100).
class CheckboxIos : public ::testing::Test {
 protected:
  CheckboxIos() {
    scene.add_texture("panel", 100, 40);
    scene.add_texture("knob", 40, 40);
    box.set_position(200, 100, 0);
    box.load_resources();
    KOR::frame_dt = 0.1f;
  }
  ~CheckboxIos() override { KOR::frame_dt = 0.0f; }

  int press_at(int x, int y) {
    scene.point(x, y);
    return scene.press(box);
  }
  // The knob's centre relative to the panel's.
  float knob_x() const { return box.knob->transform()->position.x; }

  GUI_SCENE scene;
  KC_GUI_CHECKBOX_IOS box{5, "panel", "knob"};
};

TEST_F(CheckboxIos, StartsCheckedWithTheKnobAtTheLeftEnd) {
  EXPECT_EQ(box.kind, 16);
  EXPECT_TRUE(box.is_checked());
  EXPECT_EQ(box.checked_x, -30);
  EXPECT_EQ(box.unchecked_x, 30);
  EXPECT_EQ(knob_x(), -30.0f);
  EXPECT_EQ(box.width(), 100.0f);
}

TEST_F(CheckboxIos, APressFlipsTheValueAtOnceAndTheKnobSlidesFor0_3Seconds) {
  EXPECT_EQ(press_at(160, 100), 8);
  EXPECT_FALSE(box.is_checked());
  EXPECT_EQ(box.knob_at_rest, 0);
  box.update();
  box.update();
  EXPECT_GT(knob_x(), -30.0f);
  EXPECT_LT(knob_x(), 30.0f);
  // A press during the slide answers but changes nothing.
  EXPECT_EQ(press_at(200, 100), 8);
  EXPECT_FALSE(box.is_checked());
  box.set_checked(true, true);
  EXPECT_FALSE(box.is_checked());
  for (int frame = 0; frame < 3 && !box.knob_at_rest; ++frame) box.update();
  EXPECT_EQ(knob_x(), 30.0f);
  EXPECT_EQ(box.knob_at_rest, 1);
  EXPECT_EQ(box.behaviours.count(), 0);
  EXPECT_EQ(press_at(200, 100), 8);
  EXPECT_TRUE(box.is_checked());
}

TEST_F(CheckboxIos, APressOffThePanelIsNoAnswer) {
  EXPECT_EQ(press_at(251, 100), 0);
  EXPECT_TRUE(box.is_checked());
}

TEST_F(CheckboxIos, SettingImmediatelyJumpsWithoutABehaviour) {
  box.set_checked(false, true);
  EXPECT_FALSE(box.is_checked());
  EXPECT_EQ(knob_x(), 30.0f);
  EXPECT_EQ(box.behaviours.count(), 0);
}

TEST_F(CheckboxIos, ReleaseGivesBothTexturesBack) {
  box.release_resources();
  box.release_resources();
  EXPECT_EQ(scene.references("panel"), 0);
  EXPECT_EQ(scene.references("knob"), 0);
  EXPECT_EQ(box.knob->texture(), scene.default_texture());
  box.load_resources();
  EXPECT_EQ(scene.references("knob"), 1);
  EXPECT_EQ(knob_x(), -30.0f);
}

TEST(CheckboxIosSlide, DestroyedMidSlideTakesTheBehaviourWithIt) {
  GUI_SCENE scene;
  scene.add_texture("panel", 100, 40);
  scene.add_texture("knob", 40, 40);
  auto* box = new KC_GUI_CHECKBOX_IOS(1, "panel", "knob");
  box->load_resources();
  box->set_checked(false, false);
  ASSERT_EQ(box->behaviours.count(), 1);
  delete box;  // the sanitizers see a leak or a late write
}

TEST(CheckboxIosUnloaded, IgnoresValueAndInputUntilItsKnobExists) {
  GUI_SCENE scene;
  KC_GUI_CHECKBOX_IOS box(1, "panel", "knob");
  box.set_checked(false, true);
  EXPECT_TRUE(box.is_checked());
  scene.key_down();
  EXPECT_EQ(box.on_press(), nullptr);
  box.draw();
  box.release_resources();
  EXPECT_EQ(box.width(), 0.0f);
  EXPECT_EQ(KC_GUI_CHECKBOX_IOS::on_move_done(nullptr), 0);
}

}  // namespace
