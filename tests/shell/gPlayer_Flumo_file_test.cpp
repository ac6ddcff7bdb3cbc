#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "framework/G_PLAYERS.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "support/temp_folder.h"

namespace {

using namespace game;

void expect_same_progress(const gPlayer_Flumo& a, const gPlayer_Flumo& b) {
  EXPECT_EQ(a.name(), b.name());
  EXPECT_EQ(a.sound_volume(), b.sound_volume());
  EXPECT_EQ(a.music_volume(), b.music_volume());
  EXPECT_EQ(a.game_cursor(), b.game_cursor());
  EXPECT_EQ(a.full_screen, b.full_screen);
  EXPECT_EQ(a.money, b.money);
  EXPECT_EQ(a.score, b.score);
  EXPECT_EQ(a.completionBonuses, b.completionBonuses);
  EXPECT_EQ(a.destructionBonuses, b.destructionBonuses);
  EXPECT_EQ(a.lastComicsShowed, b.lastComicsShowed);
  EXPECT_EQ(a.trophies, b.trophies);
  EXPECT_EQ(a.shop, b.shop);
  ASSERT_EQ(a.levels.size(), b.levels.size());
  for (const auto& [key, level] : a.levels) {
    const CPlayer_LevelRecord& other = b.levels.at(key);
    EXPECT_EQ(level.id, other.id) << key;
    EXPECT_EQ(level.lock, other.lock) << key;
    EXPECT_EQ(level.score, other.score) << key;
    EXPECT_EQ(level.stars, other.stars) << key;
    EXPECT_EQ(level.bonusesUsed, other.bonusesUsed) << key;
    EXPECT_EQ(level.pressUsed, other.pressUsed) << key;
    ASSERT_EQ(level.coins.size(), other.coins.size()) << key;
    for (const auto& [coin_key, coin] : level.coins) {
      EXPECT_EQ(coin.x, other.coins.at(coin_key).x);
      EXPECT_EQ(coin.y, other.coins.at(coin_key).y);
    }
  }
}

// A profile with a value in every field.
void fill(gPlayer_Flumo& player) {
  player.set_sound_volume(37.5f);
  player.set_music_volume(0.0f);
  player.set_game_cursor(false);
  player.full_screen = 0;
  player.money = 1234;
  player.completionBonuses = 4;
  player.destructionBonuses = 1;
  player.lastComicsShowed = 2;
  player.tutorialCompleted = 1;
  for (int32_t n = 1; n <= 18; ++n) player.trophies[n - 1] = n * 3;
  for (int32_t n = 1; n <= 16; ++n) player.shop[n - 1] = n % 4;
  player.award_trophy(6);
  player.award_trophy(9);
  for (int32_t n = 1; n <= 20; ++n) {
    current_level_number = n;
    player.store_level_result(100 * n, n % 4, n % 3 == 0, n % 5 != 0);
    if (n % 7 == 0) {
      player.add_coin(n, 2);
      player.add_coin(n, 2);
      player.add_coin(-1, 40);
    }
  }
  current_level_number = 1;
}

gPlayer_Flumo loaded(const char* element_text) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(element_text));
  gPlayer_Flumo player;
  player.load_profile(document.first_child());
  return player;
}

TEST(PlayerElement, AProfileSavedAndReadBackIsTheSame) {
  gPlayer_Flumo player(L"Anna \u00e9t\u00e9");
  fill(player);
  pugi::xml_document document;
  pugi::xml_node element = document.append_child("player");
  player.save_profile(element);

  gPlayer_Flumo back;
  back.load_profile(element);
  expect_same_progress(player, back);
  EXPECT_EQ(back.score, 100 * (21 * 20 / 2));
  EXPECT_EQ(back.unlocked_level_count(), 21);
  // Not kept: the tutorial mark, and which trophies were new.
  EXPECT_EQ(back.tutorialCompleted, 0);
  EXPECT_EQ(back.new_trophies[0], 1);
  EXPECT_EQ(back.new_trophies[5], 0);
  EXPECT_TRUE(back.has_new_trophy());

  pugi::xml_node again = document.append_child("player");
  back.clear_new_trophies();
  back.save_profile(again);
  EXPECT_FALSE(again.attribute("isHadNewAchivements").as_bool());
  EXPECT_STREQ(again.attribute("tutorialCompleted").value(), "false");
}

TEST(PlayerElement, ThePlayersFileKeepsEveryProfile) {
  const test_support::TempFolder scratch("player_element");
  const std::string folder = scratch.path().string() + "/";
  auto ben = std::make_unique<gPlayer_Flumo>(L"Ben");
  gPlayer_Flumo* player = ben.get();
  fill(*player);
  {
    KOR_GF::G_PLAYERS players;
    players.factory = new_player_profile;
    std::unique_ptr<KOR_GF::gPlayer> added = std::move(ben);
    ASSERT_TRUE(players.add(added));
    std::unique_ptr<KOR_GF::gPlayer> cleo = std::make_unique<gPlayer_Flumo>(L"Cleo");
    players.add(cleo);
    players.current = player;
    ASSERT_TRUE(players.save(folder));

    KOR_GF::G_PLAYERS read;
    read.factory = new_player_profile;
    ASSERT_TRUE(read.load(folder));
    ASSERT_EQ(read.players.size(), 2u);
    const auto* back = dynamic_cast<gPlayer_Flumo*>(read.current);
    ASSERT_NE(back, nullptr);
    expect_same_progress(*player, *back);
    const auto* fresh = dynamic_cast<gPlayer_Flumo*>(read.find(L"Cleo"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->unlocked_level_count(), 1);
  }
}

TEST(PlayerElement, MissingValuesReadAsZeroOrFalse) {
  const gPlayer_Flumo player = loaded("<player name='Dora'/>");
  EXPECT_EQ(player.name(), L"Dora");
  EXPECT_EQ(player.sound_volume(), 0.0f);  // silent, not the settings default
  EXPECT_EQ(player.music_volume(), 0.0f);
  EXPECT_EQ(player.completionBonuses, 0);  // not the configured maximum
  EXPECT_EQ(player.money, 0);
  EXPECT_FALSE(player.has_new_trophy());
  EXPECT_EQ(player.trophy(18), 0);
  EXPECT_EQ(player.shop_level(16), 0);
  // Without levels the profile still has its new-profile levels to play.
  EXPECT_EQ(player.levels.size(), 45u);
  EXPECT_EQ(player.unlocked_level_count(), 1);
  EXPECT_EQ(player.world_count(), 3);

  const gPlayer_Flumo bare = loaded("<player><levels><level id='1'/><level/></levels></player>");
  EXPECT_FALSE(bare.is_level_locked(2));  // a level without "lock" is open
  EXPECT_EQ(bare.levels.at(2).bonusesUsed, 0);
  EXPECT_TRUE(bare.is_level_locked(3));
}

TEST(PlayerElement, LevelsAreKeyedByTheirPlaceInTheList) {
  const gPlayer_Flumo player = loaded(
      "<player><levels>"
      "<level id='3' lock='false' score='30'/>"
      "<level id='1' lock='false' score='10'><coin x='4' y='5'/><coin x='6'/></level>"
      "<level id='2' lock='true' score='20'/>"
      "</levels></player>");
  EXPECT_EQ(player.level_score(1), 30);
  EXPECT_EQ(player.levels.at(1).id, 3);
  EXPECT_EQ(player.level_score(2), 10);
  ASSERT_EQ(player.levels.at(2).coins.size(), 2u);
  EXPECT_EQ(player.levels.at(2).coins.at(2).x, 6);
  EXPECT_EQ(player.levels.at(2).coins.at(2).y, 0);
  EXPECT_EQ(player.unlocked_level_count(), 2);
}

TEST(PlayerElement, BooleansReadFromTheirFirstLetter) {
  const struct {
    const char* text;
    bool locked;
  } cases[] = {{"yes", true}, {"1", true},  {"True", true}, {"t", true},
               {"no", false}, {"0", false}, {"", false},    {"false", false}};
  for (const auto& c : cases) {
    const std::string text =
        std::string("<player><levels><level/><level lock='") + c.text + "'/></levels></player>";
    EXPECT_EQ(loaded(text.c_str()).is_level_locked(2), c.locked) << c.text;
  }
}

TEST(PlayerElement, ADamagedElementIsBroughtIntoRange) {
  std::string many =
      "<player money='-50' completionBonuses='-2' lastComicsShowed='9'>"
      "<shop item3='-4'/><levels><level lock='true' stars='9'/>"
      "<level lock='false' stars='-1'/>";
  for (int n = 3; n <= 60; ++n) many += "<level lock='false' score='7'/>";
  many += "</levels></player>";
  const gPlayer_Flumo player = loaded(many.c_str());
  EXPECT_EQ(player.money, 0);
  EXPECT_EQ(player.completionBonuses, 0);
  EXPECT_EQ(player.lastComicsShowed, 4);
  EXPECT_EQ(player.shop_level(3), 0);
  EXPECT_EQ(player.level_stars(1), 3);
  EXPECT_EQ(player.level_stars(2), 0);
  // The first level is never locked, and a list longer than the game ends at level 45.
  EXPECT_FALSE(player.is_level_locked(1));
  EXPECT_EQ(player.levels.size(), 45u);
  EXPECT_EQ(player.unlocked_level_count(), 45);
  EXPECT_EQ(player.world_count(), 3);
  EXPECT_EQ(player.total_score(), 43 * 7);
}

// Numbers a hand or a broken disk put there: volumes stay 0..100 (no
// volume reads as silence), counts and scores stay small enough that the
// 45 scores add up and earnings cannot wrap.
TEST(PlayerElement, AbsurdNumbersAreBroughtIntoRange) {
  std::string text =
      "<player sound_volume='nan' music_volume='1e30' money='2147483647' score='-2147483648' "
      "destructionBonuses='99999999999'><trophies trophy1='2147483647' trophy2='-9'/>"
      "<shop item1='2147483647'/><levels>";
  for (int n = 1; n <= 45; ++n) text += "<level lock='false' score='2147483647' stars='3'/>";
  text += "</levels></player>";
  const gPlayer_Flumo player = loaded(text.c_str());
  EXPECT_EQ(player.sound_volume(), 0.0f);
  EXPECT_EQ(player.music_volume(), 100.0f);
  EXPECT_EQ(loaded("<player sound_volume='-20' music_volume='inf'/>").sound_volume(), 0.0f);
  EXPECT_EQ(loaded("<player sound_volume='-20' music_volume='inf'/>").music_volume(), 100.0f);
  constexpr int32_t largest = 9'999'999;
  EXPECT_EQ(player.money, largest);
  EXPECT_EQ(player.score, 0);
  EXPECT_EQ(player.destructionBonuses, largest);
  EXPECT_EQ(player.trophy(1), largest);
  EXPECT_EQ(player.trophy(2), 0);
  EXPECT_EQ(player.shop_level(1), largest);
  EXPECT_EQ(player.level_score(45), largest);
  EXPECT_EQ(player.total_score(), 45 * largest) << "the sum does not wrap";
}

}  // namespace
