#include "shell/SG_WINDOW_LEVELS.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "gui/KC_GUI_IMAGE.h"
#include "road_scene.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/star_images.h"

namespace {

using game::SG_MAIN_PANEL;
using game::SG_WINDOW_LEVELS;
using game::SG_WINDOW_WORLDS;
using KOR::KC_GUI_BUTTON5;

class WorldsAndLevels : public ::testing::Test {
 protected:
  SG_WINDOW_LEVELS* open_levels(int world) {
    game::current_world_number = world;
    scene.open_panel(SG_MAIN_PANEL::TAB_LEVELS);
    return game::levels_window();
  }
  void close_levels() {
    scene.manager.close_all();
    scene.settle();
  }
  // Which of the packs 1..9 show open ('o'), locked ('x') or not at all.
  std::string packs() {
    std::string shown;
    for (int p = 1; p <= 9; ++p) {
      const bool open = scene.visible("WINDOW_LEVELS", SG_WINDOW_LEVELS::open_pack_picture(p));
      const bool locked = scene.visible("WINDOW_LEVELS", SG_WINDOW_LEVELS::locked_pack_picture(p));
      shown += open && locked ? '?' : open ? 'o' : locked ? 'x' : '.';
    }
    return shown;
  }
  // Per row: '-' locked, else the stars shown.
  std::string rows() {
    std::string shown;
    for (int i = 1; i <= 15; ++i) {
      const unsigned int button = SG_WINDOW_LEVELS::level_button(i);
      const bool open = scene.visible("WINDOW_LEVELS", button) &&
                        scene.button_state("WINDOW_LEVELS", button) == KC_GUI_BUTTON5::NORMAL;
      EXPECT_NE(open, scene.visible("WINDOW_LEVELS", SG_WINDOW_LEVELS::level_lock(i)))
          << "the lock of row " << i;
      int stars = 0;
      for (int k = 1; k <= 3; ++k)
        stars += scene.visible("WINDOW_LEVELS", game::star_picture(i, k));
      shown += open ? char('0' + stars) : stars == 0 ? '-' : '!';
    }
    return shown;
  }

  shell_test::ROAD_SCENE scene;
};

TEST_F(WorldsAndLevels, LevelsPacksAndStarsFollowTheProgress) {
  struct CASE {
    int won, stars, world;
    const char* rows;
    const char* packs;
    const wchar_t* first_label;
  };
  const CASE cases[] = {
      {0, 0, 1, "0--------------", "oxx......", L"1"},
      {4, 2, 1, "22220----------", "oxx......", L"1"},
      {5, 3, 1, "333330---------", "oox......", L"1"},
      {15, 1, 2, "0--------------", "...oxx...", L"16"},
      // World 1's stars never stand beside world 2's locked rows.
      {16, 3, 1, "333333333333333", "ooo......", L"1"},
      {16, 3, 2, "30-------------", "...oxx...", L"16"},
      {14, 3, 2, "---------------", "...xxx...", L"16"},
  };
  for (const CASE& c : cases) {
    SCOPED_TRACE(std::string(c.rows) + " world " + std::to_string(c.world));
    scene.win_levels(c.won, c.stars);
    open_levels(c.world);
    EXPECT_EQ(rows(), c.rows);
    EXPECT_EQ(packs(), c.packs);
    EXPECT_EQ(scene.label("WINDOW_LEVELS", SG_WINDOW_LEVELS::level_number_label(1)), c.first_label);
    EXPECT_EQ(scene.label("WINDOW_LEVELS", SG_WINDOW_LEVELS::level_number_label(15)),
              std::to_wstring(15 * c.world));
    close_levels();
  }
}

TEST_F(WorldsAndLevels, AFileWithTooManyStarsAndLevelsShowsSaneValues) {
  std::string text = "<player name='Ann' money='-40'><levels>";
  for (int n = 1; n <= 47; ++n) text += "<level id='1' lock='false' stars='7' score='5'/>";
  pugi::xml_document file;
  file.load_string((text + "</levels></player>").c_str());
  scene.ann->load(file.document_element());
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kMoneyLabel), L"Money 0");
  EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsLabel), L"135 of 135");
  scene.manager.find("WINDOW_WORLDS")->on_control(SG_WINDOW_WORLDS::world_button(3));
  scene.settle();
  EXPECT_EQ(panel->tab(), SG_MAIN_PANEL::TAB_LEVELS);
  EXPECT_EQ(rows(), "333333333333333");
  EXPECT_EQ(packs(), "......ooo");
  EXPECT_EQ(scene.label("WINDOW_LEVELS", SG_WINDOW_LEVELS::level_number_label(15)), L"45");
  EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsLabel), L"45 of 45");
}

TEST_F(WorldsAndLevels, OnlyTheButtonOfAnOpenWorldChoosesIt) {
  scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  auto* worlds = dynamic_cast<game::SG_WINDOW_WORLDS*>(scene.manager.find("WINDOW_WORLDS"));
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(1)),
            KC_GUI_BUTTON5::NORMAL);
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(2)),
            KC_GUI_BUTTON5::DISABLED);
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(3)),
            KC_GUI_BUTTON5::DISABLED);
  // A picture's event (its id 50 or a star's 112) and a locked world's id
  // are no world to go to.
  for (int id : {50, 112, 2, 3, 0, -1}) {
    worlds->on_control(id);
    scene.settle();
    EXPECT_TRUE(scene.is_open("WINDOW_WORLDS")) << id;
    EXPECT_EQ(game::current_world_number, 0) << id;
  }

  scene.win_levels(30, 3);
  worlds->refresh();
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(3)),
            KC_GUI_BUTTON5::NORMAL);
  for (int world : {1, 2}) {
    for (int k = 1; k <= 3; ++k) {
      EXPECT_TRUE(scene.visible("WINDOW_WORLDS", game::star_picture(world, k))) << world << k;
    }
  }
  EXPECT_FALSE(scene.visible("WINDOW_WORLDS", game::star_picture(3, 1)));
  worlds->on_control(SG_WINDOW_WORLDS::world_button(3));
  scene.settle();
  EXPECT_EQ(game::current_world_number, 3);
  EXPECT_TRUE(scene.is_open("WINDOW_LEVELS"));
  EXPECT_EQ(scene.label("WINDOW_LEVELS", SG_WINDOW_LEVELS::level_number_label(1)), L"31");
}

TEST_F(WorldsAndLevels, AnOpenLevelIsChosenALockedOneSendsNothing) {
  scene.win_levels(17, 2);
  SG_WINDOW_LEVELS* levels = open_levels(2);
  for (int id : {4, 15, 0, 16, 10003, 212}) {
    levels->on_control(id);
    EXPECT_TRUE(scene.is_open("WINDOW_LEVELS")) << id;
  }
  EXPECT_EQ(game::current_level_number, 1);

  // While a comic stands open the level waits.
  scene.manager.show("WINDOW_COMICS2");
  levels->on_control(SG_WINDOW_LEVELS::level_button(3));
  EXPECT_TRUE(scene.is_open("WINDOW_LEVELS"));
  scene.manager.close("WINDOW_COMICS2");
  scene.settle();

  levels->on_control(SG_WINDOW_LEVELS::level_button(3));
  EXPECT_EQ(game::current_level_number, 18);
  EXPECT_EQ(levels->chosen_button(), 3);
  EXPECT_EQ(levels->state(), KOR_GF::WINDOW_CLOSING) << "the level starts when it has closed";
  EXPECT_FALSE(scene.is_open("WINDOW_MAIN_PANEL"));
  EXPECT_EQ(scene.panel()->last_control(), 0);
}

TEST_F(WorldsAndLevels, TheComicBandShowsTheWorldsComicAndTheClickStillReachesTheWidgets) {
  SG_WINDOW_LEVELS* levels = open_levels(1);
  auto* band = scene.widget<KOR::KC_GUI_IMAGE>("WINDOW_LEVELS", SG_WINDOW_LEVELS::kComicBand);
  ASSERT_NE(band, nullptr);
  // The band lies at (-200, -250) from the middle of the 1024 × 768 screen.
  struct CASE {
    int x, y;
    bool comic;
  };
  // Left and right of the band at its height: the main panel's buttons
  // lie there.
  const CASE cases[] = {{312, 134, true}, {0, 134, false}, {1023, 100, false}, {312, 500, false}};
  for (const CASE& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    scene.click_down(c.x, c.y);
    levels->key_down(1);
    EXPECT_EQ(scene.is_open("WINDOW_COMICS1"), c.comic);
    scene.manager.close("WINDOW_COMICS1");
    scene.settle();
  }
  // A right click, or one while a comic stands open, shows none.
  scene.click_down(312, 134);
  levels->key_down(2);
  EXPECT_FALSE(scene.is_open("WINDOW_COMICS1"));
  scene.manager.show("WINDOW_COMICS3");
  levels->key_down(1);
  EXPECT_FALSE(scene.is_open("WINDOW_COMICS1"));
}

TEST_F(WorldsAndLevels, ADueComicShowsWhenTheLevelsHaveOpened) {
  struct CASE {
    int level;
    const char* comic;
  };
  for (const CASE& c : {CASE{15, "WINDOW_COMICS2"}, CASE{30, "WINDOW_COMICS3"}}) {
    SCOPED_TRACE(c.comic);
    game::current_level_number = c.level;
    game::levels_window()->set_comic_pending(true);
    open_levels(c.level / 15 + 1);
    EXPECT_TRUE(scene.is_open(c.comic));
    EXPECT_TRUE(game::levels_window()->comic_pending()) << "until the comic closes";
    scene.manager.close(c.comic);
    scene.settle();
    EXPECT_FALSE(game::levels_window()->comic_pending());
    EXPECT_TRUE(scene.is_open("WINDOW_LEVELS")) << "back at the levels";
    close_levels();
  }
  game::current_level_number = 15;
  open_levels(2);
  EXPECT_FALSE(scene.is_open("WINDOW_COMICS2")) << "no comic due";
}

// The developer switch shows at once on the worlds or levels on screen.
TEST_F(WorldsAndLevels, TheOpenAllLevelsKeyShowsAtOnce) {
  game::CGame_App& app = game::game_instance();
  app.developer_mode = 1;
  scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(3)),
            KC_GUI_BUTTON5::DISABLED);
  app.on_key_down('O');
  EXPECT_EQ(scene.button_state("WINDOW_WORLDS", SG_WINDOW_WORLDS::world_button(3)),
            KC_GUI_BUTTON5::NORMAL);
  close_levels();
  open_levels(1);
  EXPECT_EQ(rows(), "000000000000000");
  app.on_key_down('O');
  EXPECT_EQ(rows(), "0--------------");
  app.developer_mode = 0;
}

}  // namespace
