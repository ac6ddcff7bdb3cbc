#include "gui/KC_GUI_BUTTON5.h"

#include <gtest/gtest.h>

#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_ROOT.h"
#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_BUTTON5;
using namespace gui_test;

class Button5 : public ::testing::Test {
 protected:
  // A 100 x 60 button centred on (200, 100).
  Button5() {
    scene.add_texture("button", 500, 60);
    button.set_position(200, 100, 0);
    button.load_resources();
    log_hooks(button);
  }

  int move_to(int x, int y) { return scene.move_to(button, x, y); }
  int press(int key = 1) { return scene.press(button, key); }
  int release(int key = 1) { return scene.release(button, key); }
  int frame() {
    button.draw();
    return scene.drawn_frames(5).at(0);
  }

  GUI_SCENE scene;
  KC_GUI_BUTTON5 button{7, "button"};
};

TEST_F(Button5, IsOneFrameOfTheStripCentredOnItsPosition) {
  EXPECT_EQ(button.kind, 1);
  EXPECT_EQ(button.width(), 100.0f);
  EXPECT_EQ(button.height(), 60.0f);
  struct CASE {
    int x, y;
    bool inside;
  };
  for (const CASE& c : {CASE{151, 71, true}, CASE{249, 129, true}, CASE{149, 100, false},
                        CASE{251, 100, false}, CASE{200, 131, false}}) {
    EXPECT_EQ(move_to(c.x, c.y), c.inside ? 3 : 0) << c.x << "," << c.y;
    move_to(0, 0);
  }
  for (int k = 0; k < 5; ++k) {
    button.strip.show(k);
    EXPECT_EQ(frame(), k);
    EXPECT_FLOAT_EQ(button.strip.quad()->vertices[1].u - button.strip.quad()->vertices[0].u, 0.2f);
  }
}

TEST(Button5Strip, AWidthNotAMultipleOfFiveCutsThePictureButNotTheHitArea) {
  GUI_SCENE scene;
  scene.add_texture("odd", 503, 60);
  KC_GUI_BUTTON5 button(1, "odd");
  button.set_position(200, 100, 0);
  button.load_resources();
  EXPECT_EQ(button.width(), 100.0f);
  // The hit area is 100.6 wide: 250 lies inside it, past the drawn frame.
  scene.point(250, 100);
  EXPECT_EQ(code_of(button.on_pointer_move()), 3);
}

TEST_F(Button5, AClickIsEnterPressRelease) {
  EXPECT_EQ(move_to(200, 100), 3);
  EXPECT_EQ(frame(), 1);
  EXPECT_EQ(press(), 7);
  EXPECT_EQ(frame(), 2);
  EXPECT_EQ(release(), 8);
  EXPECT_EQ(hook_log, (std::vector<std::string>{"enter", "down", "up"}));
  // Back over the button, but the hover look waits for the next move.
  EXPECT_EQ(button.state, KC_GUI_BUTTON5::HOVER);
  EXPECT_EQ(frame(), 0);
  EXPECT_EQ(move_to(201, 100), 0);
  EXPECT_EQ(frame(), 1);
}

TEST_F(Button5, LeavingWhilePressedCancelsTheClick) {
  move_to(200, 100);
  press();
  EXPECT_EQ(move_to(400, 100), 4);
  EXPECT_EQ(release(), 0);
  EXPECT_EQ(hook_log, (std::vector<std::string>{"enter", "down", "leave"}));
  EXPECT_EQ(button.state, KC_GUI_BUTTON5::NORMAL);
  EXPECT_EQ(button.focused, 0);
}

TEST_F(Button5, OnlyTheLeftButtonPressesIt) {
  move_to(200, 100);
  for (int key : {2, 4, 13, 65}) {
    EXPECT_EQ(press(key), 0) << key;
    EXPECT_EQ(release(key), 0) << key;
  }
  EXPECT_EQ(button.state, KC_GUI_BUTTON5::HOVER);
}

TEST_F(Button5, SelectedAndDisabledButtonsIgnoreThePointerUntilEnabled) {
  for (void (KC_GUI_BUTTON5::*look)() : {&KC_GUI_BUTTON5::select, &KC_GUI_BUTTON5::disable}) {
    (button.*look)();
    const int shown = button.state;
    hook_log.clear();
    EXPECT_EQ(move_to(200, 100), 0);
    EXPECT_EQ(press(), 0);
    EXPECT_EQ(release(), 0);
    EXPECT_EQ(move_to(0, 0), 0);
    EXPECT_TRUE(hook_log.empty());
    EXPECT_EQ(frame(), shown);
    button.enable();
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(move_to(200, 100), 3);
    move_to(0, 0);
  }
}

TEST_F(Button5, ReleasedTexturesAreGivenBackOnceAndSwappedInAgain) {
  EXPECT_EQ(scene.references("button"), 1);
  button.strip.show(3);
  button.release_resources();
  button.release_resources();
  EXPECT_EQ(scene.references("button"), 0);
  EXPECT_EQ(button.strip.quad()->texture(), scene.default_texture());
  button.load_resources();
  EXPECT_EQ(scene.references("button"), 1);
  EXPECT_NE(button.strip.quad()->texture(), scene.default_texture());
  EXPECT_EQ(button.width(), 100.0f);
  EXPECT_EQ(frame(), 3);
}

TEST(Button5Unloaded, WithoutItsPictureItAnswersNothingAndDrawsNothing) {
  GUI_SCENE scene;
  KC_GUI_BUTTON5 button(1, "never loaded");
  scene.point(0, 0);
  scene.key_down();
  EXPECT_EQ(button.on_pointer_move(), nullptr);
  EXPECT_EQ(button.on_press(), nullptr);
  scene.key_up();
  EXPECT_EQ(button.on_release(), nullptr);
  button.draw();
  EXPECT_TRUE(scene.drawn_frames(5).empty());
  EXPECT_EQ(button.width(), 0.0f);
  button.release_resources();
}

TEST(Button5Texture, ABuiltButtonWithoutANameLoadsTheDefaultTexture) {
  GUI_SCENE scene;
  KC_GUI_BUTTON5 button(1, scene.add_texture("strip", 500, 60));
  button.disable();
  EXPECT_EQ(button.width(), 100.0f);
  button.load_resources();
  EXPECT_EQ(button.strip.quad()->texture(), scene.default_texture());
  button.draw();
  EXPECT_EQ(scene.drawn_frames(5), std::vector<int>{4});
}

TEST(Button5Disabled, DisabledBeforeTheFirstLoadShowsTheDisabledFrame) {
  GUI_SCENE scene;
  scene.add_texture("strip", 500, 60);
  KC_GUI_BUTTON5 button(1, "strip");
  button.disable();
  button.load_resources();
  button.draw();
  EXPECT_EQ(scene.drawn_frames(5), std::vector<int>{4});
}

// Through a window's widget root: two buttons side by side, A at x 100 and
// B at x 200.
class Button5InRoot : public ::testing::Test {
 protected:
  Button5InRoot() {
    scene.add_texture("button", 500, 60);
    a->set_position(100, 100, 0);
    b->set_position(200, 100, 0);
    root.add(a);
    root.add(b);
    root.load_resources();
  }
  ~Button5InRoot() override { root.delete_root(); }

  GUI_SCENE scene;
  KOR::KC_GUI_ROOT root;
  KC_GUI_BUTTON5* a = new KC_GUI_BUTTON5(1, "button");
  KC_GUI_BUTTON5* b = new KC_GUI_BUTTON5(2, "button");
};

TEST_F(Button5InRoot, APressChangesTheButtonButTheWindowSeesOnlyTheClick) {
  scene.point(100, 100);
  root.on_pointer_move();
  log_hooks(*a);
  scene.key_down();
  EXPECT_EQ(root.on_press(), nullptr);
  EXPECT_EQ(a->state, KC_GUI_BUTTON5::PRESSED);
  EXPECT_EQ(hook_log, std::vector<std::string>{"down"});
  scene.next_frame();
  scene.key_up();
  const KOR::KS_GUI_EVENT* click = root.on_release();
  ASSERT_NE(click, nullptr);
  EXPECT_EQ(click->id, 1u);
  EXPECT_EQ(click->code, 8);
}

// A single jump from one button straight onto its neighbour, either way
// round: the neighbour enters in that very move and takes the press and the
// click. The one left behind takes neither; coming after the one entered,
// it shows its hover until the next move.
TEST_F(Button5InRoot, AOneStepMoveOntoASiblingEntersItAtOnce) {
  struct CASE {
    KC_GUI_BUTTON5* from;
    KC_GUI_BUTTON5* to;
  };
  for (const CASE c : {CASE{a, b}, CASE{b, a}}) {
    const int from_x = int(c.from->transform->position.x);
    const int to_x = int(c.to->transform->position.x);
    scene.point(from_x, 100);
    EXPECT_EQ(code_of(root.on_pointer_move()), 3);
    scene.point(to_x, 100);
    const KOR::KS_GUI_EVENT* entered = root.on_pointer_move();
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->id, c.to->id());
    EXPECT_EQ(entered->code, 3);
    EXPECT_EQ(c.from->state, c.from == a ? KC_GUI_BUTTON5::NORMAL : KC_GUI_BUTTON5::HOVER);
    scene.key_down();
    root.on_press();
    EXPECT_EQ(c.to->state, KC_GUI_BUTTON5::PRESSED) << "jump to " << to_x;
    EXPECT_NE(c.from->state, KC_GUI_BUTTON5::PRESSED);
    scene.next_frame();
    scene.key_up();
    const KOR::KS_GUI_EVENT* click = root.on_release();
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click->id, c.to->id());
    scene.next_frame();
    scene.point(0, 0);
    root.on_pointer_move();
  }
}

}  // namespace
