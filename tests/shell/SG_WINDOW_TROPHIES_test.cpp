#include "shell/SG_WINDOW_TROPHIES.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"
#include "puzzle/CGame_Config.h"
#include "shell/window_paging.h"

namespace {

using game::SG_WINDOW_TROPHIES;
using KOR_GF::widget_of;

// Trophy 8 (pieces placed, paid in play) has three ranks (10, 50, 100;
// rewards 5, 6, 7), trophy 7 (total score, awarded without money) the
// same ranks and rewards, trophy 13 one
// (20), the pack trophies 1 and 2 name the last packs of worlds 1 and 2
// (packs 3 and 6, as the game's data does), and trophy 4 claims seven
// ranks, of which only three can be shown.
const char* const kConfig =
    "<config>"
    "<trophy_8_numberOfRanks text='3'/>"
    "<trophy_8_rank1_condition text='10'/><trophy_8_rank2_condition text='50'/>"
    "<trophy_8_rank3_condition text='100'/>"
    "<trophy_8_rank1_reward text='5'/><trophy_8_rank2_reward text='6'/>"
    "<trophy_8_rank3_reward text='7'/>"
    "<trophy_7_numberOfRanks text='3'/>"
    "<trophy_7_rank1_condition text='10'/><trophy_7_rank2_condition text='50'/>"
    "<trophy_7_rank3_condition text='100'/>"
    "<trophy_7_rank1_reward text='5'/><trophy_7_rank2_reward text='6'/>"
    "<trophy_7_rank3_reward text='7'/>"
    "<trophy_13_numberOfRanks text='1'/><trophy_13_rank1_condition text='20'/>"
    "<trophy_13_rank1_reward text='9'/>"
    "<trophy_1_numberOfRanks text='1'/><trophy_1_rank1_condition text='3'/>"
    "<trophy_2_numberOfRanks text='1'/><trophy_2_rank1_condition text='6'/>"
    "<trophy_4_numberOfRanks text='7'/>"
    "<trophy_4_rank1_condition text='1'/><trophy_4_rank2_condition text='2'/>"
    "<trophy_4_rank3_condition text='3'/><trophy_4_rank4_condition text='4'/>"
    "</config>";

class Trophies : public ::testing::Test {
 protected:
  Trophies() {
    config.load_string(kConfig);
    game::CGame_Config::instance().set_document(&config);
    scene.manager.load_list("xml/Windows shop_trophies_help.xml");
    player = scene.add_player(L"P", true);
  }
  ~Trophies() override { game::CGame_Config::instance().set_document(nullptr); }

  SG_WINDOW_TROPHIES* open() {
    scene.manager.enable("WINDOW_TROPHIES");
    return scene.open<SG_WINDOW_TROPHIES>("WINDOW_TROPHIES");
  }
  SG_WINDOW_TROPHIES* window() const {
    return dynamic_cast<SG_WINDOW_TROPHIES*>(scene.manager.find("WINDOW_TROPHIES"));
  }
  std::wstring label(unsigned int id) const {
    return widget_of<KOR::KC_GUI_WLABEL>(*window(), id)->text;
  }
  bool visible(unsigned int id) const { return KOR_GF::find_widget(*window(), id)->visible != 0; }
  // The visible ones among the ids.
  std::vector<unsigned int> shown(std::initializer_list<unsigned int> ids) const {
    std::vector<unsigned int> on;
    for (unsigned int id : ids) {
      if (visible(id)) on.push_back(id);
    }
    return on;
  }
  void set_trophy(int n, int value) { player->trophies[n - 1] = value; }

  pugi::xml_document config;
  shell_test::MENU_SCENE scene;
  game::gPlayer_Flumo* player = nullptr;
};

TEST_F(Trophies, ATrophyOfThreeRanksShowsTheNextRankItsRewardProgressAndPictures) {
  struct Case {
    int value;
    std::wstring goal, reward, progress;
    std::vector<unsigned int> shown;
  } const cases[] = {
      {0, L"Goal 10", L"Reward 5", L"0 of 10", {804, 805}},
      {10, L"Goal 50", L"Reward 6", L"10 of 50", {805, 806, 812}},
      {50, L"Goal 100", L"Reward 7", L"50 of 100", {805, 807, 812, 814}},
      {120, L"Goal 100", L"", L"", {808, 812, 814, 816}},
  };
  open();
  window()->on_control(game::kNextPageButton);
  for (const Case& c : cases) {
    set_trophy(8, c.value);
    window()->fill();
    EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(8, SG_WINDOW_TROPHIES::kCondition)), c.goal)
        << c.value;
    if (!c.reward.empty()) {
      EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(8, SG_WINDOW_TROPHIES::kReward)), c.reward)
          << c.value;
      EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(8, SG_WINDOW_TROPHIES::kProgress)), c.progress)
          << c.value;
    }
    EXPECT_EQ(visible(SG_WINDOW_TROPHIES::part(8, SG_WINDOW_TROPHIES::kReward)), !c.reward.empty())
        << c.value;
    EXPECT_EQ(visible(SG_WINDOW_TROPHIES::part(8, SG_WINDOW_TROPHIES::kProgress)),
              !c.reward.empty())
        << c.value;
    EXPECT_EQ(shown({804, 805, 806, 807, 808, 812, 814, 816}), c.shown) << c.value;
  }
}

// Trophies awarded without money show their goal and progress but promise
// no reward, whatever rewards the configuration holds.
TEST_F(Trophies, OnlyATrophyThatPaysItsRewardShowsIt) {
  open();
  window()->on_control(game::kNextPageButton);
  for (int value : {0, 10, 50}) {
    set_trophy(7, value);
    window()->fill();
    EXPECT_TRUE(visible(703)) << value;
    EXPECT_EQ(shown({702, 705}), std::vector<unsigned int>{}) << value;
  }
}

TEST_F(Trophies, SingleRankTrophiesAndTrophiesOfMoreRanksThanCanBeShown) {
  SG_WINDOW_TROPHIES* list = open();
  list->on_control(game::kNextPageButton);
  list->on_control(game::kNextPageButton);
  EXPECT_EQ(shown({1303, 1304, 1305, 1308, 1312}), (std::vector<unsigned int>{1303, 1304}));
  set_trophy(13, 25);
  list->fill();
  EXPECT_EQ(shown({1303, 1304, 1305, 1308, 1312}), (std::vector<unsigned int>{1308, 1312}));
  // More ranks than can be shown count as three.
  set_trophy(4, 4);
  list->fill();
  EXPECT_EQ(shown({404, 405, 408, 412, 414, 416}), (std::vector<unsigned int>{408, 412, 414, 416}));
}

// A pack trophy is awarded when the last level of its pack is won (its value
// becomes 1): the list shows it reached then and only then, and until then
// counts the levels won in the world the trophy names.
TEST_F(Trophies, PackTrophiesAreReachedByTheirAwardAndCountTheLevelsOfTheirWorld) {
  struct Case {
    int won_levels;  // levels 1..n won
    int value_1, value_2;
    std::wstring progress_1, progress_2;
    bool reached_1;
  } const cases[] = {
      {0, 0, 0, L"0 of 15", L"0 of 15", false},   {3, 0, 0, L"3 of 15", L"0 of 15", false},
      {14, 0, 0, L"14 of 15", L"0 of 15", false}, {15, 1, 0, L"", L"0 of 15", true},
      {16, 1, 0, L"", L"1 of 15", true},          {30, 1, 1, L"", L"", true},
  };
  SG_WINDOW_TROPHIES* list = open();
  for (const Case& c : cases) {
    for (int level = 1; level <= 45; ++level) {
      player->levels[level].stars = level <= c.won_levels ? 2 : 0;
      player->levels[level].lock = level <= c.won_levels + 1 ? 0 : 1;
    }
    set_trophy(1, c.value_1);
    set_trophy(2, c.value_2);
    list->fill();
    const std::vector<unsigned int> reached_1 =
        c.reached_1 ? std::vector<unsigned int>{108, 112} : std::vector<unsigned int>{103, 104};
    EXPECT_EQ(shown({103, 104, 108, 112}), reached_1) << c.won_levels;
    if (!c.progress_1.empty()) {
      EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(1, SG_WINDOW_TROPHIES::kProgress)), c.progress_1)
          << c.won_levels;
    }
    EXPECT_EQ(visible(SG_WINDOW_TROPHIES::part(2, SG_WINDOW_TROPHIES::kProgress)),
              !c.progress_2.empty())
        << c.won_levels;
    if (!c.progress_2.empty()) {
      EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(2, SG_WINDOW_TROPHIES::kProgress)), c.progress_2)
          << c.won_levels;
    }
  }
  // A won last level whose award has not come (the value is still 0) is not
  // shown as reached.
  set_trophy(2, 0);
  list->fill();
  EXPECT_EQ(label(SG_WINDOW_TROPHIES::part(2, SG_WINDOW_TROPHIES::kProgress)), L"15 of 15");
  EXPECT_EQ(shown({204, 208, 212}), std::vector<unsigned int>{204});
}

TEST_F(Trophies, OpeningTheListClearsTheNewTrophyMarksAndStartsAtPageOneOfThree) {
  player->award_trophy(4);
  ASSERT_TRUE(player->has_new_trophy());
  SG_WINDOW_TROPHIES* list = open();
  EXPECT_FALSE(player->has_new_trophy());
  struct Case {
    int control, page;
    bool previous, next;
  } const cases[] = {{30000, 2, true, true}, {30000, 3, true, false}, {30000, 3, true, false},
                     {20000, 2, true, true}, {20000, 1, false, true}, {20000, 1, false, true}};
  EXPECT_EQ(label(SG_WINDOW_TROPHIES::kPageLabel), L"Page 1 of 3");
  for (const Case& c : cases) {
    list->on_control(c.control);
    EXPECT_EQ(list->page(), c.page);
    EXPECT_EQ(label(SG_WINDOW_TROPHIES::kPageLabel), L"Page " + std::to_wstring(c.page) + L" of 3");
    for (int n = 1; n <= 18; ++n) EXPECT_EQ(visible(n), (n - 1) / 6 + 1 == c.page) << n;
    const auto enabled = [&](unsigned int id) {
      return widget_of<KOR::KC_GUI_BUTTON5>(*list, id)->state != KOR::KC_GUI_BUTTON5::DISABLED;
    };
    EXPECT_EQ(enabled(20000), c.previous);
    EXPECT_EQ(enabled(30000), c.next);
  }
  scene.manager.close("WINDOW_TROPHIES");
  scene.settle();
  list->on_control(game::kNextPageButton);
  scene.manager.show("WINDOW_TROPHIES");
  scene.settle();
  EXPECT_EQ(list->page(), 1);
}

}  // namespace
