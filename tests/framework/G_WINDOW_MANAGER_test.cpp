#include "framework/G_WINDOW_MANAGER.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_ROOT.h"
#include "support/window_probe.h"

using framework_test::PROBE_WINDOW;
using framework_test::window_log;
using KOR_GF::G_WINDOW;
using KOR_GF::G_WINDOW_MANAGER;

namespace {

using NAMES = std::vector<std::string>;

class WindowManager : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(manager.load_list("xml/Windows list.xml")); }

  NAMES stack() const {
    NAMES names;
    for (const G_WINDOW* window : manager.open_stack()) names.push_back(window->name());
    return names;
  }
  PROBE_WINDOW* probe(const char* name) { return dynamic_cast<PROBE_WINDOW*>(manager.find(name)); }
  // The log entries of one kind ("draw", "update", ...) in order, as the
  // names of the windows that wrote them; the log is cleared.
  NAMES taken(const std::string& what) {
    NAMES names;
    for (const std::string& entry : window_log) {
      const size_t colon = entry.find(':');
      if (entry.substr(colon + 1) == what) names.push_back(entry.substr(0, colon));
    }
    window_log.clear();
    return names;
  }
  // A left click released on the screen point, offered to the manager.
  void click(int x, int y) {
    scene.click_up(x, y);
    manager.key_up(1);
  }

  framework_test::WINDOW_SCENE scene;
  G_WINDOW_MANAGER manager{&framework_test::probe_factory};
};

TEST_F(WindowManager, ListBuildsEveryUsableEntryAndGivesTheDescriptionsBack) {
  NAMES built;
  for (const auto& window : manager.windows()) built.push_back(window->name());
  EXPECT_EQ(built, (NAMES{"menu", "plain", "modal", "top", "middle", "menu", "question", "simple",
                          "Players_EditBox", "bare_edit"}));
  // The first of two windows with one name wins.
  EXPECT_EQ(manager.find("menu")->layer(), 0u);
  EXPECT_EQ(manager.find("nobody"), nullptr);
  for (const char* name : {"xml/Windows menu.xml", "xml/Windows list.xml"}) {
    EXPECT_EQ(scene.res.references(name), 0) << name;
  }
  // Construction loads no texture.
  EXPECT_EQ(scene.res.references("graphics page.png"), 0);

  G_WINDOW_MANAGER empty(&framework_test::probe_factory);
  EXPECT_FALSE(empty.load_list("xml/Windows no_list.xml"));
  EXPECT_FALSE(empty.load_list("xml/Windows broken.xml"));
  EXPECT_TRUE(empty.windows().empty());
  G_WINDOW_MANAGER no_factory(nullptr);
  EXPECT_TRUE(no_factory.load_list("xml/Windows list.xml"));
  EXPECT_TRUE(no_factory.windows().empty());
}

TEST_F(WindowManager, NewWindowsGoInFrontOfTheirLayer) {
  manager.show("plain");
  manager.show("simple");
  EXPECT_EQ(stack(), (NAMES{"simple", "plain"}));
  manager.show("top");
  manager.show("middle");
  EXPECT_EQ(stack(), (NAMES{"top", "middle", "simple", "plain"}));

  window_log.clear();
  manager.draw();
  EXPECT_EQ(taken("draw"), (NAMES{"plain", "middle", "top"}));  // probes only, back to front
  manager.update();
  EXPECT_EQ(taken("update"), (NAMES{"top", "middle", "plain"}));
}

TEST_F(WindowManager, ShowEnablesAndOpensOnceUnknownNamesDoNothing) {
  G_WINDOW* menu = manager.show("menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->is_enabled());
  EXPECT_TRUE(menu->is_open());
  EXPECT_EQ(scene.res.references("graphics page.png"), 1);
  window_log.clear();
  EXPECT_EQ(manager.show("menu"), menu);
  EXPECT_EQ(stack(), (NAMES{"menu"}));
  EXPECT_TRUE(window_log.empty());
  EXPECT_TRUE(manager.is_open("menu"));
  EXPECT_EQ(manager.find_open("menu"), menu);

  for (const char* name : {"nobody", "plain"}) {
    EXPECT_EQ(manager.close(name), nullptr) << name;
  }
  EXPECT_EQ(manager.show("nobody"), nullptr);
  EXPECT_EQ(manager.enable("nobody"), nullptr);
  EXPECT_EQ(manager.disable("nobody"), nullptr);
  EXPECT_EQ(stack(), (NAMES{"menu"}));
}

TEST_F(WindowManager, ModalWindowTakesEveryClickThatReachesIt) {
  manager.show("plain");
  manager.show("modal");
  manager.update();
  window_log.clear();
  // The click hits no widget of the modal window, and still goes no further.
  click(5, 5);
  EXPECT_EQ(window_log, NAMES{"modal:key_up"});

  // A window of a higher layer in front of the modal one is offered first.
  manager.show("top");
  window_log.clear();
  click(5, 5);
  EXPECT_EQ(window_log, (NAMES{"top:key_up", "modal:key_up"}));
}

// A jump from a button of the front window onto one of a window behind:
// the front button's leave does not keep the move from the window behind,
// whose button enters at once and takes the click.
TEST_F(WindowManager, ALeaveInFrontLetsTheMoveOnToTheWindowsBehind) {
  auto* behind = new KOR::KC_GUI_BUTTON5(1, "graphics page.png");
  behind->set_position(0, -50, 0);
  probe("plain")->gui()->add(behind);
  auto* front = new KOR::KC_GUI_BUTTON5(2, "graphics page.png");
  front->set_position(0, 50, 0);
  probe("top")->gui()->add(front);
  manager.show("plain");
  manager.show("top");
  manager.update();

  scene.point(512, 434);
  manager.mouse_move();
  ASSERT_EQ(front->state, KOR::KC_GUI_BUTTON5::HOVER);
  scene.point(512, 334);
  manager.mouse_move();
  EXPECT_EQ(front->state, KOR::KC_GUI_BUTTON5::NORMAL);
  EXPECT_EQ(behind->state, KOR::KC_GUI_BUTTON5::HOVER);
  scene.click_down(512, 334);
  manager.key_down(1);
  scene.next_frame();
  window_log.clear();
  click(512, 334);
  EXPECT_EQ(window_log, (NAMES{"top:key_up", "plain:key_up", "plain:control 1"}));
}

TEST_F(WindowManager, ActivationFollowsTheFirstModalWindow) {
  manager.show("plain");
  manager.show("top");
  window_log.clear();
  manager.show("modal");
  EXPECT_EQ(stack(), (NAMES{"top", "modal", "plain"}));
  // The pass runs while the new window is still at the very front, so even
  // the window of a higher layer, sorted in front of it afterwards, is
  // deactivated.
  const NAMES log = window_log;
  EXPECT_EQ(taken("activate"), (NAMES{"modal"}));
  window_log = log;
  EXPECT_EQ(taken("deactivate"), (NAMES{"top", "plain"}));
  EXPECT_FALSE(probe("top")->is_active());
  EXPECT_FALSE(probe("plain")->is_active());

  manager.update();
  window_log.clear();
  manager.close("modal");
  manager.update();  // the close-done timer fires, and the window leaves
  EXPECT_EQ(stack(), (NAMES{"top", "plain"}));
  EXPECT_EQ(taken("activate"), (NAMES{"top", "plain"}));
  EXPECT_TRUE(probe("plain")->is_active());
}

TEST_F(WindowManager, ClosingWindowStaysUntilTheUpdateAfterItsTimer) {
  manager.show("plain");
  manager.show("simple");
  PROBE_WINDOW* plain = probe("plain");
  manager.update();
  manager.show("top");
  manager.update();
  manager.close("top");
  window_log.clear();

  click(5, 5);
  EXPECT_EQ(taken("key_up"), (NAMES{"top", "plain"}));
  manager.draw();
  EXPECT_EQ(taken("draw"), (NAMES{"plain", "top"}));
  manager.update();  // the timer fires: closed, off the stack, nothing behind updated
  EXPECT_EQ(taken("update"), (NAMES{"top"}));
  EXPECT_EQ(stack(), (NAMES{"simple", "plain"}));
  manager.update();
  EXPECT_EQ(taken("update"), (NAMES{"plain"}));
  EXPECT_EQ(plain->state(), KOR_GF::WINDOW_OPENED);

  plain->block_updates = true;
  manager.show("middle");
  window_log.clear();
  manager.update();
  manager.draw();
  EXPECT_EQ(window_log,
            (NAMES{"middle:update", "middle:opened", "plain:update", "plain:draw", "middle:draw"}));
  probe("middle")->block_updates = true;
  window_log.clear();
  manager.update();
  EXPECT_EQ(taken("update"), (NAMES{"middle"}));
}

TEST_F(WindowManager, ShowingAWindowWhileItClosesKeepsItOnceOnTheStack) {
  manager.show("menu");
  for (int i = 0; i < 3; ++i) manager.update();
  manager.close("menu");
  manager.update();
  EXPECT_EQ(manager.show("menu"), manager.find("menu"));
  EXPECT_EQ(stack(), (NAMES{"menu"}));
  for (int i = 0; i < 6; ++i) manager.update();
  EXPECT_EQ(stack(), (NAMES{"menu"}));
  EXPECT_EQ(manager.find("menu")->state(), KOR_GF::WINDOW_OPENED);

  manager.close_all();
  for (int i = 0; i < 3; ++i) manager.update();
  EXPECT_TRUE(stack().empty());
}

TEST_F(WindowManager, ControlEventsMayShowAndCloseWindowsDuringTheOffer) {
  manager.show("menu");
  manager.show("plain");  // in front, takes nothing at the picture
  for (int i = 0; i < 3; ++i) manager.update();
  PROBE_WINDOW* menu = probe("menu");
  menu->on_control_action = [this] {
    manager.close("menu");
    manager.close("plain");
    manager.show("simple");
  };
  window_log.clear();
  click(512, 384);
  EXPECT_EQ(window_log, (NAMES{"plain:key_up", "menu:key_up", "menu:control 7", "menu:close_begin",
                               "menu:close_started", "plain:close_begin", "plain:close_started"}));
  EXPECT_EQ(stack(), (NAMES{"simple", "plain", "menu"}));
}

TEST_F(WindowManager, DisableAllGivesTexturesBackAndFreesThem) {
  manager.show("menu");
  manager.enable("plain");
  EXPECT_TRUE(scene.res.is_loaded("graphics page.png"));
  window_log.clear();
  manager.disable_all();
  EXPECT_EQ(window_log, (NAMES{"menu:disable", "plain:disable"}));
  EXPECT_EQ(scene.res.references("graphics page.png"), 0);
  EXPECT_FALSE(scene.res.is_loaded("graphics page.png"));
  EXPECT_FALSE(scene.res.is_loaded("graphics back1.png"));

  window_log.clear();
  manager.refresh_all();
  EXPECT_EQ(taken("refresh").size(), 6u);
}

TEST_F(WindowManager, RelayoutReachesClosedWindowsToo) {
  scene.switch_width(1366);
  manager.relayout(1024);
  EXPECT_NEAR(manager.find("plain")->shown().position.x, 683.0f, 0.01f);
  EXPECT_NEAR(manager.find("modal")->shown().position.x, 683.0f, 0.01f);
}

}  // namespace
