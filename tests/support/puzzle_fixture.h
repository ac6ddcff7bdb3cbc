#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "level/CPipe_Sprite.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CPipe_Network.h"
#include "puzzle/CShop_Item.h"
#include "support/paths.h"

namespace puzzle_test {

inline std::string fixture_text(const std::string& name) {
  std::ifstream in(test_support::fixture_path("puzzle/" + name), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A level element around the given cells.
inline std::string level_xml(int width, int height, int scrolling, const std::string& cells) {
  return "<level fieldWidth=\"" + std::to_string(width) + "\" fieldHeight=\"" +
         std::to_string(height) + "\" scrollingType=\"" + std::to_string(scrolling) +
         "\" timeFor2Stars=\"200\" timeFor3Stars=\"100\" stepOfWaterFlowingOut=\"1\">" + cells +
         "</level>";
}

inline std::string pipe(int x, int y, int type, int angle, int part = 0,
                        const std::string& extra = "") {
  return "<cell x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
         "\" contentType=\"2\" pipeType=\"" + std::to_string(type) + "\" pipeAngle=\"" +
         std::to_string(angle) + "\" pipePartNumber=\"" + std::to_string(part) + "\" " + extra +
         "/>";
}

inline std::string obstacle(int x, int y, int type, int angle = 0, int part = 0) {
  return "<cell x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
         "\" contentType=\"1\" obstacleType=\"" + std::to_string(type) + "\" obstacleAngle=\"" +
         std::to_string(angle) + "\" obstaclePartNumber=\"" + std::to_string(part) +
         "\" isDestructible=\"true\"/>";
}

// The four cells of a 2x2 equipment block with part 0 at (x, y), angle 0.
inline std::string equipment(int x, int y, int type) {
  return pipe(x, y, type, 0, 0) + pipe(x, y - 1, type, 0, 1) + pipe(x + 1, y - 1, type, 0, 2) +
         pipe(x + 1, y, type, 0, 3);
}

// The field's owner as a test sees it: what the field tells it, recorded,
// and shop levels set by hand.
struct RecordingOwner : game::CLevel_FieldOwner, game::CShop_Levels {
  struct Effect {
    unsigned kind;
    float x;
    float y;
  };

  void board_scrolled(float dx, float dy) override {
    scrolled_x += dx;
    scrolled_y += dy;
  }
  bool tutorial_running() const override { return tutorial; }
  void tutorial_scrolled(float dy, bool ended) override {
    tutorial_moved += dy;
    tutorial_ends += ended ? 1 : 0;
  }
  void effect_at_cell(unsigned kind, float x, float y) override { effects.push_back({kind, x, y}); }
  void money_taken(int x, int y, int amount) override {
    money += amount;
    coins.push_back({x, y});
  }
  bool level_won() const override { return won; }
  void level_finished() override { ++finishes; }
  void pack_closeup_due() override { ++closeups; }
  int shop_level(game::CShop_Item item) const override {
    const auto found = shop.find(item);
    return found == shop.end() ? 0 : found->second;
  }

  bool won = false;
  bool tutorial = false;
  float scrolled_x = 0.0f;
  float scrolled_y = 0.0f;
  float tutorial_moved = 0.0f;
  int tutorial_ends = 0;
  std::vector<Effect> effects;
  int money = 0;
  std::vector<KOR::KS_IVECTOR2> coins;
  int finishes = 0;
  int closeups = 0;
  std::map<game::CShop_Item, int> shop;
};

// A configuration made current for the test, and a level attached to a
// field whose owner records what it is told.
class PlayFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    config_.load_string(
        "<config><timeOfScrollingFieldBeforeLevelStart text=\"2\"/>"
        "<shop_5_upgrade1_value text=\"15\"/><flowingWaterOneCycleTime text=\"3\"/>"
        "<flowingWaterPauseTime text=\"1\"/></config>");
    game::CGame_Config::instance().set_document(&config_);
    KOR::auto_position_screen_width = 1024;
    KOR::auto_position_screen_height = 768;
    KOR::frame_dt = 0.1f;
  }

  void TearDown() override {
    game::CGame_Config::instance().set_document(nullptr);
    KOR::frame_dt = 0.0f;
  }

  // Loads, prepares and attaches a level; false when the reader refuses it.
  bool load(const std::string& xml) {
    if (!data.load_bytes(level_number, xml.data(), xml.size())) return false;
    data.prepare_special_cells();
    field.init(data.header(), level_number);
    return true;
  }

  game::CLevel_Cell& cell(int x, int y) { return *data.header()->cell_at(x, y); }

  static game::CPipe_Sprite piece(int type, int angle) {
    game::CPipe_Sprite p;
    p.load_sprite(type);
    p.set_angle_degrees(float(angle));
    return p;
  }

  // The screen point (ox, oy) pixels into cell (x, y).
  float at_x(int x, float ox = 25.0f) const { return field.origin_x + 50.0f * float(x) + ox; }
  float at_y(int y, float oy = 25.0f) const { return field.origin_y + 50.0f * float(y) + oy; }

  bool fits(int type, int angle, int x, int y, float ox = 25.0f, float oy = 25.0f) {
    const game::CPipe_Sprite p = piece(type, angle);
    return field.can_place_piece(&p, at_x(x, ox), at_y(y, oy));
  }

  // Places a piece as the scene does: the rule first, then the drop.
  bool place(int type, int angle, int x, int y, float ox = 25.0f, float oy = 25.0f) {
    const game::CPipe_Sprite p = piece(type, angle);
    const float sx = at_x(x, ox);
    const float sy = at_y(y, oy);
    return field.can_place_piece(&p, sx, sy) && field.drop_piece(&p, sx, sy);
  }

  // Advances the water until it stops changing or the frame budget is spent.
  int run_water(int frames) {
    int n = 0;
    for (; n < frames && !field.finished; ++n) field.advance_water();
    return n;
  }

  pugi::xml_document config_;
  // The level number the next load attaches.
  int level_number = 1;
  RecordingOwner owner;
  game::CLevel_Data data;
  game::CLevel_Field field{&owner, &owner};
};

}  // namespace puzzle_test
