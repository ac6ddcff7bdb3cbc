#include "shell/HUD_PANEL_TROPHY.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "hud_scene.h"

namespace {

using game::HUD_PANEL_TROPHY;

// Trophy 4 has three ranks, 5 one, 6 two, 7 claims nine; 8 has none.
constexpr const char* kConfig =
    "<config><timeOfShowingTrophyWindow text=\"2.7\"/>"
    "<trophy_4_numberOfRanks text=\"3\"/>"
    "<trophy_4_rank1_condition text=\"10\"/><trophy_4_rank1_reward text=\"100\"/>"
    "<trophy_4_rank2_condition text=\"50\"/><trophy_4_rank2_reward text=\"200\"/>"
    "<trophy_4_rank3_condition text=\"100\"/><trophy_4_rank3_reward text=\"300\"/>"
    "<trophy_5_numberOfRanks text=\"1\"/>"
    "<trophy_5_rank1_condition text=\"7\"/><trophy_5_rank1_reward text=\"40\"/>"
    "<trophy_6_numberOfRanks text=\"2\"/>"
    "<trophy_6_rank1_condition text=\"5\"/><trophy_6_rank1_reward text=\"11\"/>"
    "<trophy_6_rank2_condition text=\"9\"/><trophy_6_rank2_reward text=\"22\"/>"
    "<trophy_7_numberOfRanks text=\"9\"/>"
    "<trophy_7_rank3_condition text=\"30\"/><trophy_7_rank3_reward text=\"33\"/>"
    "</config>";

class TrophyPopUp : public ::testing::Test {
 protected:
  void SetUp() override {
    config.load_string(kConfig);
    game::CGame_Config::instance().set_document(&config);
    windows.load_list("xml/Windows trophy_list.xml");
    popup = dynamic_cast<HUD_PANEL_TROPHY*>(windows.find("HUD_TROPHY"));
    ASSERT_NE(popup, nullptr);
    windows.enable("HUD_TROPHY");
  }
  KOR::KC_GUI_IMAGE* image(unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(popup->gui()->find(id));
  }
  std::wstring label(unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(popup->gui()->find(id))->text;
  }
  std::set<int> shown() const {
    std::set<int> ids;
    for (int id : {11, 12, 13, 111, 112, 113, 114, 115, 116}) {
      if (image(id)->visible) ids.insert(id);
    }
    return ids;
  }

  shell_test::HUD_SCENE scene;
  pugi::xml_document config;
  KOR_GF::G_WINDOW_MANAGER windows{&game::level_hud_window_factory};
  HUD_PANEL_TROPHY* popup = nullptr;
};

// The reward shown is the money paid, which the scene gives: two ranks
// climbed at once pay both.
TEST_F(TrophyPopUp, TextsShowTheRanksConditionAsReachedAndTheMoneyPaid) {
  popup->show_trophy(4, 2, 300);
  EXPECT_EQ(label(1), L"Wrecker");
  EXPECT_EQ(label(2), L"Use 50 blasts");
  EXPECT_EQ(label(4), L"50 of 50");
  EXPECT_EQ(label(3), L"Reward 300");
}

TEST_F(TrophyPopUp, ThreeRankTrophyShowsItsRankPictureAndMarks) {
  struct CASE {
    int rank;
    std::set<int> shown;
  };
  const CASE cases[] = {
      {1, {11, 111, 113, 115, 112}},
      {2, {12, 111, 113, 115, 112, 114}},
      {3, {13, 111, 113, 115, 112, 114, 116}},
      {1, {11, 111, 113, 115, 112}},  // a lower rank after a higher one
  };
  for (const CASE& c : cases) {
    popup->show_trophy(4, c.rank, 0);
    EXPECT_EQ(shown(), c.shown) << c.rank;
  }
}

// A trophy with fewer ranks than the rank asked for shows its own last
// rank's condition, not the empty one of a missing rank.
TEST_F(TrophyPopUp, FewerRanksKeepTheMarksAndShowTheLastRealRank) {
  struct CASE {
    int n;
    int rank;
    std::set<int> shown;
    std::wstring condition;
  };
  const std::set<int> marks = {111, 113, 115, 112, 114};
  const CASE cases[] = {
      {5, 1, {13, 111, 113, 115, 112, 114}, L"Reach 7"},
      {5, 3, {13, 111, 113, 115, 112, 114}, L"Reach 7"},
      {6, 3, marks, L"Reach 9"},
      {6, 1, marks, L"Reach 5"},
      {8, 2, marks, L"Reach 0"},  // no ranks in the table: 0, no picture
  };
  for (const CASE& c : cases) {
    popup->show_trophy(4, 2, 0);
    popup->show_trophy(c.n, c.rank, 0);
    EXPECT_EQ(shown(), c.shown) << c.n << " " << c.rank;
    EXPECT_EQ(label(2), c.condition) << c.n << " " << c.rank;
  }
}

TEST_F(TrophyPopUp, OutOfBoundsTrophiesAndRanksStayInside) {
  popup->show_trophy(7, 5, 0);  // nine ranks claimed, rank 5 asked: rank 3
  EXPECT_EQ(shown(), (std::set<int>{13, 111, 113, 115, 112, 114, 116}));
  EXPECT_EQ(label(2), L"Reach 30");
  popup->show_trophy(4, 0, 0);
  EXPECT_EQ(shown(), (std::set<int>{11, 111, 113, 115, 112}));
  const std::wstring title = label(1);
  for (int n : {0, -1, 19}) {
    popup->show_trophy(n, 1, 0);
    EXPECT_EQ(label(1), title) << n;
    EXPECT_EQ(shown(), (std::set<int>{11, 111, 113, 115, 112})) << n;
  }
}

TEST_F(TrophyPopUp, WithoutMarksOnlyExistingFilledMarksCountTheRank) {
  std::unique_ptr<HUD_PANEL_TROPHY> bare(scene.make<HUD_PANEL_TROPHY>(
      R"(<window _name="HUD_TROPHY"><GUI>
           <IMAGE ID="13" TEXTURE="graphics page.png"/>
           <IMAGE ID="111" TEXTURE="graphics page.png"/>
           <IMAGE ID="114" VISIBLE="0" TEXTURE="graphics page.png"/>
           <IMAGE ID="116" VISIBLE="0" TEXTURE="graphics page.png"/>
         </GUI></window>)"));
  bare->enable();
  bare->show_trophy(4, 1, 0);
  // Mark 114 is the first filled one there is, so rank 1 fills it.
  const auto visible = [&](unsigned int id) {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(bare->gui()->find(id))->visible;
  };
  EXPECT_EQ(visible(13), 0);
  EXPECT_EQ(visible(111), 1);
  EXPECT_EQ(visible(114), 1);
  EXPECT_EQ(visible(116), 0);
}

// "timeOfShowingTrophyWindow" is read in whole seconds: 2.7 keeps the pop-up
// for 2000 ms after its first update once open.
TEST_F(TrophyPopUp, ClosesOnceItsWholeSecondsHavePassed) {
  popup->show_trophy(4, 1, 0);
  windows.show("HUD_TROPHY");
  for (int i = 0; i < 4; ++i) windows.update();
  ASSERT_EQ(popup->state(), KOR_GF::WINDOW_OPENED);
  EXPECT_EQ(popup->show_time, 2.0f);
  popup->update_timeout(-1);  // no time yet: not the start
  popup->update_timeout(5000);
  popup->update_timeout(7000);
  EXPECT_TRUE(popup->is_open());
  popup->update_timeout(7001);
  EXPECT_FALSE(popup->is_open());
  // A new opening counts from its own first update.
  windows.show("HUD_TROPHY");
  for (int i = 0; i < 4; ++i) windows.update();
  popup->update_timeout(20000);
  popup->update_timeout(21999);
  EXPECT_TRUE(popup->is_open());
  popup->update_timeout(22001);
  EXPECT_FALSE(popup->is_open());
}

}  // namespace
