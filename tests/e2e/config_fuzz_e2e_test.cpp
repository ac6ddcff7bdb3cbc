#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <pugixml.hpp>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_game.h"
#include "level/CLevel_Tape.h"
#include "level/CScene_Level.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_MAIN_PANEL.h"
#include "support/damaged_text.h"
#include "support/level_player.h"
#include "support/paths.h"

namespace {

using game::CScene_Level;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// A game run per configuration is slow: the values out of range come
// first, then a few that are otherwise damaged.
constexpr size_t kConfigurations = 10;

// The tuning values damaged every way a description is, those that still
// parse each once, after one for a configuration that did not parse at
// all.
std::vector<std::unique_ptr<pugi::xml_document>> damaged_configurations() {
  std::ifstream in(test_support::source_path("content/Config/config.xml"), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::mt19937 random(20261211);
  std::vector<std::unique_ptr<pugi::xml_document>> documents;
  documents.push_back(nullptr);
  std::set<std::string> seen;
  std::vector<std::string> variants = test_support::damaged_variants(text.str(), random);
  std::reverse(variants.begin(), variants.end());
  for (const std::string& variant : variants) {
    if (documents.size() == kConfigurations) break;
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_buffer(variant.data(), variant.size()) || !seen.insert(variant).second) {
      continue;
    }
    documents.push_back(std::move(document));
  }
  return documents;
}

void press_at(SCRIPTED_PLAYER& p, KOR::KS_VECTOR2 at) { p.press_button(int(at.x), int(at.y)); }

// A level played roughly, whatever the values make of it: the tape and
// the press used, a piece laid, the water let go early; then the pack's
// close-up, and back to the menus with the shop and a comic.
void play_with_the_values(SCRIPTED_PLAYER& p) {
  LEVEL_PLAYER level(p);
  ASSERT_TRUE(level.start(5));
  CScene_Level* scene = LEVEL_PLAYER::scene();
  p.frames(240);
  press_at(p, level.call_button_point());
  p.frames(30);
  if (!scene->tape->slots().empty()) press_at(p, scene->tape->first_piece_position());
  p.press_right();
  press_at(p, level.cell_point(5, 5));
  if (!scene->tape->slots().empty()) press_at(p, scene->tape->first_piece_position());
  press_at(p, level.press_point());
  p.frames(60);
  scene->water_timer = scene->level->header()->timeFor3Stars * 1000;
  p.frames(240);
  scene->open_pack_closeup();
  p.frames(240);
  game::game_instance().leave_level_to_main_panel();
  p.frames(30);
  p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kShopTab);
  p.frames(30);
  game::window_manager_instance().show("WINDOW_COMICS1");
  p.frames(120);
  p.press_button(512, 384);
  p.frames(30);
  p.click("WINDOW_COMICS1", game::COMICS_WINDOW::kCloseButton);
  p.frames(30);
}

// Under the sanitizers: whatever the tuning values say, the game plays on;
// none crashes it, overflows or reads out of bounds.
TEST(config_fuzz_e2e, DamagedTuningValuesNeverCrashTheGame) {
  const std::vector<std::unique_ptr<pugi::xml_document>> configurations = damaged_configurations();
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  testing::internal::CaptureStderr();
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    for (size_t i = 0; i < configurations.size(); ++i) {
      SCOPED_TRACE("configuration " + std::to_string(i));
      game::CGame_Config::instance().set_document(configurations[i].get());
      ASSERT_NO_FATAL_FAILURE(play_with_the_values(p));
    }
    game::CGame_Config::instance().load();
  });
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(configurations.size(), kConfigurations);
}

}  // namespace
