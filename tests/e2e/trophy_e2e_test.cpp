#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <string>

#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Scoring.h"
#include "level/CLevel_Tape.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "level/CTrophy.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/HUD_PANEL_TROPHY.h"
#include "shell/gPlayer_Flumo.h"
#include "support/level_player.h"
#include "support/level_solution.h"

namespace {

namespace fs = std::filesystem;
using game::CLevel_Scoring;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

constexpr const char* kPopUp = "HUD_TROPHY";
constexpr int kStartMoney = 500;
// The first ranks of the press and pieces-placed trophies in the game's
// configuration.
constexpr int kPressGoal = 10;
constexpr int kPlacedGoal = 100;

// "Ada", who has seen the first comic, one press use short of the press
// trophy's first rank and one piece short of the pieces-placed trophy's.
void write_ada(const fs::path& folder) {
  fs::create_directories(folder);
  std::ofstream(folder / "players.xml")
      << "<Players current=\"Ada\">\n\t<player name=\"Ada\" sound_volume=\"50\" "
         "music_volume=\"50\" game_cursor=\"true\" full_screen=\"false\" lastComicsShowed=\"1\" "
         "money=\""
      << kStartMoney << "\"><trophies trophy6=\"" << kPressGoal - 1 << "\" trophy8=\""
      << kPlacedGoal - 1 << "\"/></player>\n</Players>\n";
}

game::gPlayer_Flumo& ada() { return *game::current_player(); }

KOR_GF::G_WINDOW_MANAGER& hud() { return LEVEL_PLAYER::scene()->hud_windows(); }

bool popup_open() { return hud().is_open(kPopUp); }

KOR::KC_GUI_OBJECT* widget(unsigned id) { return hud().find(kPopUp)->gui()->find(id); }

std::wstring label(unsigned id) {
  auto* found = dynamic_cast<KOR::KC_GUI_WLABEL*>(widget(id));
  return found != nullptr ? found->text : L"<none>";
}

// The pop-up names trophy n with the reward paid and its first rank's
// picture, stays a while as the level runs and closes by itself.
void pops_up_and_closes(SCRIPTED_PLAYER& p, int n, int reward) {
  ASSERT_TRUE(p.wait_until([] { return hud().find(kPopUp)->state() == KOR_GF::WINDOW_OPENED; },
                           "the pop-up open"));
  EXPECT_EQ(label(game::HUD_PANEL_TROPHY::kTitleLabel),
            KOR::string_table_instance().get_wide("trophy_item" + std::to_string(n) + "_title"));
  EXPECT_NE(label(game::HUD_PANEL_TROPHY::kRewardLabel).find(std::to_wstring(reward)),
            std::wstring::npos);
  EXPECT_NE(widget(game::HUD_PANEL_TROPHY::kRankPictures + 1)->visible, 0);
  p.frames(60);
  EXPECT_TRUE(popup_open()) << "a second is too soon to close";
  ASSERT_TRUE(p.wait_until([] { return !popup_open(); }, "the pop-up closed by itself"));
}

// On level 3 a piece crushed in the press brings the press trophy to its
// first rank: the pop-up names it with its reward, which is in the money at
// once, and closes by itself. The first piece of the level's solution is
// the hundredth laid: the pieces-placed trophy pops up the same way. The
// rest of the level raises neither again, and the players file saved when
// the level is won holds both trophies, their rewards in the money and the
// new-trophy mark.
TEST(trophy_e2e, TrophiesReachedInPlayPopUpPayOnceAndAreSaved) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_ada(player.user_folder());
  int press_reward = 0;
  int placed_reward = 0;
  int coins = 0;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    ASSERT_EQ(CLevel_Scoring::trophy_condition(game::TROPHY_PRESS_USES, 1), kPressGoal);
    ASSERT_EQ(CLevel_Scoring::trophy_condition(game::TROPHY_PIECES_PLACED, 1), kPlacedGoal);
    press_reward = CLevel_Scoring::trophy_reward(game::TROPHY_PRESS_USES, 1);
    placed_reward = CLevel_Scoring::trophy_reward(game::TROPHY_PIECES_PLACED, 1);
    ASSERT_GT(press_reward, 0);
    ASSERT_GT(placed_reward, 0);

    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(3));
    ASSERT_TRUE(level.wait_board_still());
    ASSERT_TRUE(p.wait_until([] { return !LEVEL_PLAYER::scene()->tape->slots().empty(); },
                             "a piece on the tape"));
    ASSERT_TRUE(level.take(LEVEL_PLAYER::scene()->tape->slots().begin()->second->type()));
    ASSERT_TRUE(level.crush());
    EXPECT_EQ(ada().money, kStartMoney + press_reward);
    pops_up_and_closes(p, game::TROPHY_PRESS_USES, press_reward);
    EXPECT_EQ(ada().money, kStartMoney + press_reward) << "the crushing ends without paying again";

    ASSERT_TRUE(level.lay_solution(3, 1));
    EXPECT_EQ(ada().trophy(game::TROPHY_PIECES_PLACED), kPlacedGoal);
    pops_up_and_closes(p, game::TROPHY_PIECES_PLACED, placed_reward);

    ASSERT_TRUE(level.lay_actions(3, 1, test_support::stored_solution(3).size()));
    ASSERT_TRUE(level.wait_finish());
    EXPECT_FALSE(popup_open());
    coins = LEVEL_PLAYER::scene()->result.money_collected;
    EXPECT_EQ(ada().money, kStartMoney + press_reward + placed_reward + coins);
  });
  EXPECT_EQ(status, 0);

  pugi::xml_document file;
  ASSERT_TRUE(file.load_file((player.user_folder() / "players.xml").c_str()));
  const pugi::xml_node ada_saved =
      file.child("Players").find_child_by_attribute("player", "name", "Ada");
  EXPECT_EQ(ada_saved.attribute("money").as_int(),
            kStartMoney + press_reward + placed_reward + coins);
  EXPECT_GE(ada_saved.child("trophies").attribute("trophy6").as_int(), kPressGoal);
  EXPECT_GT(ada_saved.child("trophies").attribute("trophy8").as_int(), kPlacedGoal);
  EXPECT_TRUE(ada_saved.attribute("isHadNewAchivements").as_bool());
}

}  // namespace
