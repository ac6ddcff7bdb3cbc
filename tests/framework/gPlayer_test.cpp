#include "framework/gPlayer.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <utility>

namespace {

using KOR_GF::gPlayer;

// The framework's part of a profile alone.
class BASE_PLAYER : public gPlayer {
 public:
  using gPlayer::gPlayer;
  void load_profile(const pugi::xml_node& element) override { load(element); }
  void save_profile(pugi::xml_node& element) const override { save(element); }
};

// Änna at sound 37.5 and music 80, her own pointer off, full screen on.
void expect_anna(const gPlayer& player) {
  EXPECT_EQ(player.name(), L"\u00C4nna");
  EXPECT_FLOAT_EQ(player.sound_volume(), 37.5f);
  EXPECT_FLOAT_EQ(player.music_volume(), 80.0f);
  EXPECT_FALSE(player.game_cursor());
  EXPECT_EQ(player.full_screen, 1);
}

pugi::xml_node player_element(pugi::xml_document& document, const char* text) {
  EXPECT_TRUE(document.load_string(text));
  return document.first_child();
}

// What the constructor leaves is what load leaves: every attribute read,
// a missing one giving 0 or false rather than the default.
TEST(gPlayer, TheElementConstructorReadsEveryBaseAttribute) {
  pugi::xml_document document;
  const BASE_PLAYER full(
      player_element(document,
                     "<player name=\"\xC3\x84nna\" sound_volume=\"37.5\" music_volume=\"80\" "
                     "game_cursor=\"false\" full_screen=\"true\" money=\"9\"/>"));
  expect_anna(full);

  const BASE_PLAYER bare(player_element(document, "<player name=\"Bert\"/>"));
  EXPECT_FLOAT_EQ(bare.sound_volume(), 0.0f);
  EXPECT_FLOAT_EQ(bare.music_volume(), 0.0f);
  EXPECT_FALSE(bare.game_cursor());
  EXPECT_EQ(bare.full_screen, 0);
}

TEST(gPlayer, TheBinaryFormIsNameLineThenTenBytesAndReadsBack) {
  BASE_PLAYER written(L"\u00C4nna");
  written.set_sound_volume(37.5f);
  written.set_music_volume(80.0f);
  written.set_game_cursor(false);
  written.full_screen = 1;
  std::stringstream stream;
  written.write_binary(stream);
  const std::string bytes = stream.str();
  ASSERT_EQ(bytes.size(), std::string("\xC3\x84nna\n").size() + 10);
  EXPECT_EQ(bytes.substr(0, 6), "\xC3\x84nna\n");
  float sound = 0.0f;
  bytes.copy(reinterpret_cast<char*>(&sound), 4, 6);
  EXPECT_FLOAT_EQ(sound, 37.5f);
  EXPECT_EQ(bytes.substr(14), std::string("\0\1", 2)) << "game cursor, then full screen";

  BASE_PLAYER read(L"Other");
  ASSERT_TRUE(read.read_binary(stream));
  expect_anna(read);
}

// A stream that is not good, or ends inside the record, leaves the profile
// as it was; a volume out of range is brought back into 0..100.
TEST(gPlayer, AStreamThatFailsChangesNothingAndVolumesStayInRange) {
  BASE_PLAYER source(L"Cleo");
  source.set_sound_volume(20.0f);
  std::stringstream whole;
  source.write_binary(whole);
  const std::string bytes = whole.str();

  std::stringstream failed(bytes);
  failed.setstate(std::ios::failbit);
  std::stringstream truncated(bytes.substr(0, bytes.size() - 1));
  for (std::stringstream* stream : {&failed, &truncated}) {
    BASE_PLAYER kept(L"Kept");
    EXPECT_FALSE(kept.read_binary(*stream));
    EXPECT_EQ(kept.name(), L"Kept");
    EXPECT_FLOAT_EQ(kept.sound_volume(), 50.0f);
  }

  std::string loud = bytes;
  const float too_loud = 1000.0f;
  loud.replace(5, 4, reinterpret_cast<const char*>(&too_loud), 4);
  std::stringstream stream(loud);
  BASE_PLAYER read;
  ASSERT_TRUE(read.read_binary(stream));
  EXPECT_FLOAT_EQ(read.sound_volume(), 100.0f);
}

// A name read from a file or a stream keeps only what a players file can
// hold: malformed UTF-8, control characters, U+FFFE and U+FFFF and encoded
// surrogates are left out; tab and the other characters stay.
TEST(gPlayer, ANameReadKeepsOnlyWhatAPlayersFileCanHold) {
  const std::pair<std::string, std::wstring> names[] = {
      {"An\x01n\x07"
       "e",
       L"Anne"},
      {"Zo\xEB", L"Zo"},
      {"Ed\xEF\xBF\xBE\xEF\xBF\xBF", L"Ed"},
      {"S\xED\xA0\x80", L"S"},
      {"a\tb \xE2\x80\x8F<&>", L"a\tb \u200F<&>"},
  };
  for (const auto& [spelled, kept] : names) {
    pugi::xml_document document;
    document.append_child("player").append_attribute("name").set_value(spelled.c_str());
    EXPECT_EQ(BASE_PLAYER(document.first_child()).name(), kept) << spelled;

    std::stringstream stream(spelled + "\n" + std::string(10, '\0'));
    BASE_PLAYER read;
    ASSERT_TRUE(read.read_binary(stream));
    EXPECT_EQ(read.name(), kept) << spelled;
  }
}

}  // namespace
