#include "gui/KC_GUI_PANEL.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/gui_scene.h"

namespace {

using KOR::KC_GUI_PANEL;
using namespace gui_test;

inline constexpr char kGrab[] = "grab";

// A 300 x 200 panel centred on (100, 100).
class Panel : public ::testing::Test {
 protected:
  Panel() {
    scene.add_texture("panel", 300, 200);
    panel.set_position(100, 100, 0);
    panel.load_resources();
    log_hooks(panel);
    panel.hook_grab = KOR::callback_create(&log_hook<kGrab>, "", nullptr);
  }

  int move_to(int x, int y) { return scene.move_to(panel, x, y); }
  int press() { return scene.press(panel); }
  int release() { return scene.release(panel); }
  KOR::KS_VECTOR3 position() const { return panel.transform->position; }

  GUI_SCENE scene;
  KC_GUI_PANEL panel{9, "panel"};
};

TEST_F(Panel, TakesItsTextureSizeCentredAndCanBeResized) {
  EXPECT_EQ(panel.kind, 7);
  EXPECT_EQ(panel.width(), 300.0f);
  EXPECT_EQ(panel.height(), 200.0f);
  EXPECT_EQ(panel.panel_width, 300);
  EXPECT_EQ(move_to(-49, 1), 3);
  EXPECT_EQ(move_to(-51, 1), 4);
  panel.set_size(400, 100);
  EXPECT_EQ(panel.width(), 400.0f);
  EXPECT_EQ(panel.height(), 100.0f);
  EXPECT_EQ(move_to(-99, 51), 3);
  EXPECT_EQ(move_to(-99, 49), 4);
}

TEST_F(Panel, AMovablePanelFollowsThePointerFromWhereItWasTaken) {
  EXPECT_EQ(panel.movable, 1);
  move_to(110, 120);
  EXPECT_EQ(press(), 7);
  EXPECT_EQ(panel.grab_x, 10);
  EXPECT_EQ(panel.grab_y, 20);
  EXPECT_EQ(move_to(150, 170), 9);
  EXPECT_EQ(position().x, 140.0f);
  EXPECT_EQ(position().y, 150.0f);
  EXPECT_EQ(release(), 8);
  EXPECT_EQ(move_to(200, 200), 0);
  EXPECT_EQ(position().x, 140.0f);
  EXPECT_EQ(hook_log, (std::vector<std::string>{"enter", "down", "grab", "up"}));
}

TEST_F(Panel, AFixedPanelAnswersButStaysPut) {
  panel.movable = 0;
  move_to(110, 120);
  EXPECT_EQ(press(), 7);
  EXPECT_EQ(move_to(150, 170), 0);
  EXPECT_EQ(move_to(400, 170), 4);
  EXPECT_EQ(position().x, 100.0f);
}

TEST_F(Panel, AReleaseAwayFromThePanelDoesNotEndTheDrag) {
  move_to(100, 100);
  press();
  scene.point(600, 100);
  EXPECT_EQ(code_of(panel.on_pointer_move()), 9);  // left behind: LEAVE, then the drag step
  EXPECT_EQ(panel.hovered, 0);
  EXPECT_EQ(release(), 0);
  EXPECT_EQ(panel.dragging, 1);
  EXPECT_EQ(move_to(610, 100), 9);
  EXPECT_EQ(position().x, 610.0f);
}

TEST_F(Panel, APressElsewhereTakesTheFocusSoNoClickFollows) {
  move_to(100, 100);
  press();
  release();
  move_to(500, 500);
  EXPECT_EQ(press(), 0);
  EXPECT_EQ(panel.focused, 0);
  move_to(100, 100);
  EXPECT_EQ(release(), 0);
}

TEST(PanelUnloaded, ASizeBeforeTheFirstLoadGivesWayToTheTexture) {
  GUI_SCENE scene;
  scene.add_texture("panel", 300, 200);
  KC_GUI_PANEL panel(1, "panel");
  panel.set_size(50, 50);
  EXPECT_EQ(panel.width(), 0.0f);
  scene.key_down();
  EXPECT_EQ(panel.on_pointer_move(), nullptr);
  EXPECT_EQ(panel.on_press(), nullptr);
  panel.load_resources();
  EXPECT_EQ(panel.panel_width, 300);
  EXPECT_EQ(panel.width(), 300.0f);
  panel.release_resources();
  panel.load_resources();
  EXPECT_EQ(scene.references("panel"), 1);
}

}  // namespace
