#include <gtest/gtest.h>

#include <string>

#include "e2e_game.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace {

using e2e::current_name;
using e2e::file_text;
using e2e::write_players;
using test_support::SCRIPTED_PLAYER;

// Deleting the chosen player asks first; the player is gone from the file,
// and the selection moves to the first row.
TEST(players_e2e, ADeletedPlayerIsGoneFromThePlayersFileAndTheSelectionMoves) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_players(player.user_folder(), "Bob", {{"Ada"}, {"Bob"}, {"Cy"}});
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    p.skip_splashes();
    p.click("Title", game::SG_WINDOW_TITLE::kPlayersButton);
    ASSERT_TRUE(p.wait_open("Players"));
    auto* list = dynamic_cast<KOR::KC_GUI_LISTBOX*>(p.widget("Players", 4));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->selection(), 1) << "the current player is selected";

    p.click("Players", game::SG_WINDOW_PLAYERS::kFirstDeleteButton + 1);
    ASSERT_TRUE(p.wait_open("Players_Confirm_Del"));
    p.click("Players_Confirm_Del", game::SG_WINDOW_CONFIRM_EX::kYesButton);
    ASSERT_TRUE(p.wait_closed("Players_Confirm_Del"));
    const std::string file = file_text(p.user_folder() / "players.xml");
    EXPECT_EQ(file.find("name=\"Bob\""), std::string::npos) << file;
    EXPECT_NE(file.find("name=\"Ada\""), std::string::npos);
    EXPECT_NE(file.find("name=\"Cy\""), std::string::npos);
    ASSERT_EQ(list->item_count(), 2);
    EXPECT_EQ(list->selection(), 0);

    p.click("Players", game::SG_WINDOW_PLAYERS::kOkButton);
    ASSERT_TRUE(p.wait_closed("Players"));
    EXPECT_EQ(current_name(), L"Ada");
  });
  EXPECT_EQ(status, 0);
}

TEST(players_e2e, ExitAsksAndYesEndsTheGameNormallyWithThePlayersSaved) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_players(player.user_folder(), "Ada", {{"Ada"}});
  bool ended_by_yes = false;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    p.skip_splashes();
    p.click("Title", game::SG_WINDOW_TITLE::kExitButton);
    ASSERT_TRUE(p.wait_open("Confirm_Exit"));
    p.click("Confirm_Exit", KOR_GF::G_WINDOW_CONFIRM::kNoButton);
    ASSERT_TRUE(p.wait_closed("Confirm_Exit"));
    EXPECT_TRUE(p.running()) << "no keeps the game";
    p.click("Title", game::SG_WINDOW_TITLE::kExitButton);
    p.click("Confirm_Exit", KOR_GF::G_WINDOW_CONFIRM::kYesButton);
    ended_by_yes = p.wait_until([&] { return !p.running(); }, "the game ends");
  });
  EXPECT_TRUE(ended_by_yes);
  EXPECT_EQ(status, 0);
  EXPECT_NE(file_text(player.user_folder() / "players.xml").find("current=\"Ada\""),
            std::string::npos);
}

}  // namespace
