#include "gui/KC_GUI_BUTTON2.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_BUTTON2;
using namespace gui_test;

// A 121-pixel strip: frames 60 wide, the button centred on (100, 100).
class Button2 : public ::testing::Test {
 protected:
  Button2() {
    scene.add_texture("button2", 121, 40);
    button.set_position(100, 100, 0);
    button.load_resources();
    log_hooks(button);
  }
  int frame_step() {
    const int code = code_of(button.update());
    scene.next_frame();
    return code;
  }
  int frame() {
    button.draw();
    return scene.drawn_frames(2).at(0);
  }

  GUI_SCENE scene;
  KC_GUI_BUTTON2 button{3, "button2"};
};

TEST_F(Button2, FramesAreHalfTheStripInWholePixels) {
  EXPECT_EQ(button.kind, 1);
  EXPECT_EQ(button.width(), 60.0f);
  EXPECT_EQ(button.height(), 40.0f);
  // The hit area is as wide as the picture, 70 to 130.
  scene.point(129, 100);
  scene.key_down();
  EXPECT_EQ(frame_step(), 7);
}

TEST_F(Button2, PressAndReleaseArePolledEveryFrame) {
  scene.point(100, 100);
  EXPECT_EQ(frame_step(), 0);
  scene.key_down();
  EXPECT_EQ(frame_step(), 7);
  EXPECT_EQ(frame(), 1);
  EXPECT_EQ(frame_step(), 0);  // held
  scene.key_up();
  EXPECT_EQ(frame_step(), 8);
  EXPECT_EQ(frame(), 0);
  EXPECT_EQ(hook_log, (std::vector<std::string>{"down", "up"}));
}

TEST_F(Button2, DraggingOffAHeldButtonEndsItWithUp) {
  scene.point(100, 100);
  scene.key_down();
  EXPECT_EQ(frame_step(), 7);
  scene.point(300, 100);
  EXPECT_EQ(frame_step(), 8);
  EXPECT_EQ(button.state, KC_GUI_BUTTON2::UP);
}

TEST_F(Button2, AButtonAlreadyHeldWhenThePointerArrivesIsNoPress) {
  scene.point(300, 100);
  scene.key_down();
  EXPECT_EQ(frame_step(), 0);
  scene.point(100, 100);
  EXPECT_EQ(frame_step(), 0);
  EXPECT_EQ(frame_step(), 0);
  scene.key_up();
  EXPECT_EQ(frame_step(), 0);
  scene.key_down();
  EXPECT_EQ(frame_step(), 7);
}

TEST(Button2Unloaded, WithoutItsPictureItIsNeverPressed) {
  GUI_SCENE scene;
  KC_GUI_BUTTON2 button(1, "unknown");
  scene.key_down();
  EXPECT_EQ(button.update(), nullptr);
  EXPECT_EQ(button.width(), 0.0f);
  button.load_resources();
  EXPECT_EQ(button.width(), 8.0f);  // half the 16-pixel default texture
}

}  // namespace
