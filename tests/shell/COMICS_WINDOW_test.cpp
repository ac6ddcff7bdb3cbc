#include "shell/COMICS_WINDOW.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "gui/KC_GUI_IMAGE.h"
#include "road_scene.h"
#include "shell/SG_WINDOW_LEVELS.h"

namespace {

using game::COMICS_WINDOW;
using game::SG_MAIN_PANEL;

class Comics : public ::testing::Test {
 protected:
  // The page opened, its panels 1 s to grow with 2 s between them.
  COMICS_WINDOW* open(const char* name, float frame_time = 1.0f, float till_next = 2.0f) {
    auto* comic = dynamic_cast<COMICS_WINDOW*>(scene.manager.find(name));
    comic->set_timing(frame_time, till_next);
    scene.manager.show(name);
    scene.settle();
    return comic;
  }
  // The clock at t ms, then one update.
  void at(int32_t ms) {
    game::game_clock_ms = ms;
    scene.manager.update();
  }
  // Which panels show: '.' hidden, else their opacity in tenths ('a' whole).
  std::string panels(const char* name) {
    std::string shown;
    for (unsigned int i = 1; i <= 3; ++i) {
      auto* image = scene.widget<KOR::KC_GUI_IMAGE>(name, i);
      if (!image->visible) {
        shown += '.';
        continue;
      }
      const int tenths = int(image->quad->vertices[0].color.a) * 10 / 255;
      shown += tenths == 10 ? 'a' : char('0' + tenths);
    }
    return shown;
  }
  void press_close(COMICS_WINDOW* comic) {
    comic->on_control(COMICS_WINDOW::kCloseButton);
    scene.settle();
  }

  shell_test::ROAD_SCENE scene;
};

TEST_F(Comics, PanelsFadeInOneAfterTheOtherThenTheCloseButton) {
  COMICS_WINDOW* comic = open("WINDOW_COMICS2");
  EXPECT_EQ(comic->frame_count(), 3);
  // The updates that ended the opening started panel 1 at the clock's 0.
  EXPECT_EQ(panels("WINDOW_COMICS2"), "0..");
  EXPECT_FALSE(scene.visible("WINDOW_COMICS2", 20));
  struct STEP {
    int32_t ms;
    const char* panels;
    bool close;
  };
  const STEP steps[] = {
      {0, "0..", false},    {600, "6..", false},  {1000, "a..", false},
      {2999, "a..", false}, {3000, "a0.", false}, {4000, "aa.", false},
      {6000, "aa0", false}, {8999, "aaa", false}, {9000, "aaa", true},
  };
  for (const STEP& step : steps) {
    SCOPED_TRACE(step.ms);
    at(step.ms);
    EXPECT_EQ(panels("WINDOW_COMICS2"), step.panels);
    EXPECT_EQ(scene.visible("WINDOW_COMICS2", 20), step.close);
  }
  auto* middle = scene.widget<KOR::KC_GUI_IMAGE>("WINDOW_COMICS2", 2);
  EXPECT_EQ(middle->width(), 64.0f) << "grown to its picture's size";
}

TEST_F(Comics, AClickShowsEveryPanelAndTheSequenceNeverStarts) {
  auto* comic = dynamic_cast<COMICS_WINDOW*>(scene.manager.find("WINDOW_COMICS3"));
  comic->set_timing(1.0f, 2.0f);
  scene.manager.show("WINDOW_COMICS3");
  comic->key_down(1);  // still opening
  EXPECT_TRUE(comic->all_shown());
  EXPECT_EQ(panels("WINDOW_COMICS3"), "aaa");
  EXPECT_TRUE(scene.visible("WINDOW_COMICS3", 20));
  scene.settle();
  at(500);
  at(5000);
  EXPECT_EQ(panels("WINDOW_COMICS3"), "aaa");
  EXPECT_EQ(comic->current_frame(), 0);
}

TEST_F(Comics, NoFrameTimeShowsEachPanelWholeAtOnce) {
  COMICS_WINDOW* comic = open("WINDOW_COMICS2", 0.0f, 1.0f);
  at(0);
  EXPECT_EQ(panels("WINDOW_COMICS2"), "a..");
  at(1000);
  EXPECT_EQ(panels("WINDOW_COMICS2"), "aa.");
  EXPECT_FALSE(comic->all_shown());
}

TEST(ComicsWithoutPanels, APageWithoutPanelsEndsWithItsCloseButton) {
  shell_test::MENU_SCENE scene("xml/Windows comics_empty.xml");
  auto* comic = dynamic_cast<COMICS_WINDOW*>(scene.manager.find("WINDOW_COMICS1"));
  ASSERT_NE(comic, nullptr);
  comic->set_timing(1.0f, 1.0f);
  scene.manager.show("WINDOW_COMICS1");
  scene.settle();
  for (int32_t ms : {0, 1000, 2000, 3000}) {
    game::game_clock_ms = ms;
    scene.manager.update();
  }
  EXPECT_EQ(comic->frame_count(), 0);
  EXPECT_TRUE(comic->all_shown());
  EXPECT_EQ(comic->gui()->find(COMICS_WINDOW::kCloseButton)->visible, 1);
}

TEST_F(Comics, WhatFollowsAPage) {
  struct CASE {
    const char* comic;
    bool from_title;
    int level;
    bool levels_open;
    const char* then;  // the window that must stand open after, or ""
  };
  const CASE cases[] = {
      {"WINDOW_COMICS1", true, 30, false, "WINDOW_WORLDS"},
      {"WINDOW_COMICS1", false, 1, false, "WINDOW_WORLDS"},
      {"WINDOW_COMICS2", false, 15, true, "WINDOW_LEVELS"},
      {"WINDOW_COMICS4", false, 45, false, "Title"},
      // Closed elsewhere: the player is never left with the backdrop.
      {"WINDOW_COMICS3", false, 7, false, "WINDOW_WORLDS"},
  };
  for (const CASE& c : cases) {
    SCOPED_TRACE(std::string(c.comic) + " level " + std::to_string(c.level));
    game::current_level_number = c.level;
    if (c.levels_open) scene.open_panel(SG_MAIN_PANEL::TAB_LEVELS);
    game::levels_window()->set_comic_pending(true);
    COMICS_WINDOW* comic = open(c.comic);
    if (c.from_title) comic->set_opened_from_title();
    comic->show_all_frames();
    press_close(comic);
    EXPECT_FALSE(scene.is_open(c.comic));
    EXPECT_FALSE(game::levels_window()->comic_pending());
    EXPECT_TRUE(scene.is_open(c.then));
    if (std::string(c.then) == "Title") {
      EXPECT_TRUE(scene.is_open("Logo"));
    }
    if (std::string(c.then) == "WINDOW_WORLDS") {
      EXPECT_EQ(scene.panel()->tab(), SG_MAIN_PANEL::TAB_WORLDS);
    }
    scene.manager.close_all();
    scene.settle();
  }
}

}  // namespace
