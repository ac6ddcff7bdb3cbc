#include "gui/KC_GUI_CHECKBOX5.h"

#include <gtest/gtest.h>

#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_CHECKBOX5;
using namespace gui_test;

// A 40 x 40 box centred on (100, 100).
class Checkbox5 : public ::testing::Test {
 protected:
  Checkbox5() {
    scene.add_texture("box", 200, 40);
    box.set_position(100, 100, 0);
    box.load_resources();
    log_hooks(box);
  }

  int move_to(int x, int y) { return scene.move_to(box, x, y); }
  int press(int key = 1) { return scene.press(box, key); }
  int release(int key = 1) { return scene.release(box, key); }
  std::vector<int> frames() {
    box.draw();
    return scene.drawn_frames(5);
  }

  GUI_SCENE scene;
  KC_GUI_CHECKBOX5 box{7, "box"};
};

TEST_F(Checkbox5, AClickChecksAndTheMarkIsDrawnOverTheHoveredBox) {
  EXPECT_EQ(box.kind, 2);
  EXPECT_EQ(move_to(100, 100), 3);
  EXPECT_EQ(press(), 7);
  EXPECT_EQ(release(), 8);
  EXPECT_TRUE(box.is_checked());
  EXPECT_EQ(hook_log, (std::vector<std::string>{"enter", "down", "up"}));
  // Checked and still under the pointer once the next move reports it.
  move_to(101, 100);
  EXPECT_EQ(frames(), (std::vector<int>{1, 3}));
}

TEST_F(Checkbox5, TheBoxUnderTheMarkFollowsPointerAndPress) {
  box.set_checked(true, false);
  EXPECT_EQ(frames(), (std::vector<int>{0, 3}));
  move_to(100, 100);
  EXPECT_EQ(frames(), (std::vector<int>{1, 3}));
  EXPECT_EQ(press(), 7);
  EXPECT_EQ(frames(), (std::vector<int>{2, 3}));
  EXPECT_EQ(release(), 8);
  EXPECT_FALSE(box.is_checked());
  EXPECT_EQ(frames(), std::vector<int>{1});
}

TEST_F(Checkbox5, ClicksAtOnePlaceCheckAndUncheckByTurns) {
  box.set_checked(true, false);
  move_to(100, 100);
  for (bool checked : {false, true, false}) {
    EXPECT_EQ(press(), 7);
    EXPECT_EQ(release(), 8);
    EXPECT_EQ(box.is_checked(), checked);
  }
}

TEST_F(Checkbox5, LeavingCancelsAnUncheckButNotACheck) {
  move_to(100, 100);
  press();
  EXPECT_EQ(move_to(300, 100), 0);
  EXPECT_EQ(release(), 8);
  EXPECT_TRUE(box.is_checked());

  move_to(100, 100);
  press();
  EXPECT_EQ(move_to(300, 100), 0);
  EXPECT_EQ(release(), 0);
  EXPECT_TRUE(box.is_checked());
}

TEST_F(Checkbox5, AnyKeyTogglesAHoveredBox) {
  move_to(100, 100);
  EXPECT_EQ(press(32), 7);
  EXPECT_EQ(release(32), 8);
  EXPECT_TRUE(box.is_checked());
  move_to(100, 100);
  EXPECT_EQ(press(2), 7);
  EXPECT_EQ(release(2), 8);
  EXPECT_FALSE(box.is_checked());
}

TEST_F(Checkbox5, UncheckingFromCodeKeepsTheHoverSoTheNextMoveEnters) {
  box.set_checked(true, false);
  move_to(100, 100);
  hook_log.clear();
  box.set_checked(false, false);
  EXPECT_EQ(box.state, KC_GUI_CHECKBOX5::IDLE);
  EXPECT_EQ(box.hovered, 1);
  EXPECT_TRUE(hook_log.empty());
  EXPECT_EQ(move_to(100, 100), 3);
}

TEST_F(Checkbox5, SetSizeResizesPictureAndHitAreaAroundTheCentre) {
  box.set_size(80, 20);
  EXPECT_EQ(box.width(), 80.0f);
  EXPECT_EQ(box.height(), 20.0f);
  EXPECT_EQ(move_to(139, 100), 3);
  EXPECT_EQ(move_to(100, 111), 4);
}

TEST(Checkbox5Unloaded, ValueSizeAndInputBeforeTheFirstLoad) {
  GUI_SCENE scene;
  scene.add_texture("box", 200, 40);
  KC_GUI_CHECKBOX5 box(1, "box");
  box.set_size(10, 10);
  box.set_checked(true, true);
  scene.key_down();
  EXPECT_EQ(box.on_pointer_move(), nullptr);
  EXPECT_EQ(box.on_press(), nullptr);
  box.draw();
  EXPECT_TRUE(scene.drawn_frames(5).empty());
  // The value set early shows with the first picture; the early size does not.
  box.load_resources();
  EXPECT_EQ(box.width(), 40.0f);
  box.draw();
  EXPECT_EQ(scene.drawn_frames(5), (std::vector<int>{0, 3}));
}

TEST(Checkbox5Texture, ABuiltBoxWithoutANameLoadsTheDefaultTexture) {
  GUI_SCENE scene;
  KC_GUI_CHECKBOX5 box(1, scene.add_texture("box", 200, 40));
  EXPECT_EQ(box.width(), 40.0f);
  box.load_resources();
  EXPECT_EQ(box.strip.quad()->texture(), scene.default_texture());
}

}  // namespace
