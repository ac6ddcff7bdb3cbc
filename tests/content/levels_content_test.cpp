#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "resources/KC_STRING_TABLE.h"
#include "support/game_resources.h"
#include "support/level_solution.h"
#include "support/puzzle_fixture.h"

namespace {

using namespace game;

constexpr int kLevels = 45;
// Where the level's bottom panel (tape and press) begins on the screen.
constexpr float kBottomPanelTop = 650.0f;

using Action = test_support::LEVEL_ACTION;

// The levels as the game reads them: from the packed "xml/Levels" of the
// run-time folder, through the resource manager.
class LevelContent : public puzzle_test::PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    resources = std::make_unique<content_test::GameResources>();
    KOR::engine_resource_manager = resources->manager.get();
  }
  void TearDown() override {
    KOR::engine_resource_manager = nullptr;
    resources.reset();
    PlayFixture::TearDown();
  }

  // Loads level n as the scene starts it and runs the intro scroll to the
  // play position; false when the reader refuses the level.
  bool start(int n) {
    if (!data.load(n)) return false;
    data.prepare_special_cells();
    field.init(data.header(), n);
    field.set_intro_scroll_speed();
    for (int frame = 0; frame < 1000 && field.intro_scroll_step() != 0; ++frame) {
    }
    return field.scroll_state == 0;
  }

  const CLevel_Header& level() const { return *data.header(); }

  // The right turns from angle 0 after which a held piece of this type fits
  // on (x, y), as the scene turns it; -1 when it never fits.
  int turns_to_fit(int type, int x, int y) {
    for (int turns = 0; turns < 4; ++turns) {
      if (fits(type, 90 * turns, x, y)) return turns;
    }
    return -1;
  }

  std::unique_ptr<content_test::GameResources> resources;
};

class EveryLevel : public LevelContent, public ::testing::WithParamInterface<int> {};

// Whether the cells a multi-cell pipe, equipment block or obstacle block
// covers all hold it, each with its own part number.
bool parts_complete(const CLevel_Header& h, int x, int y) {
  const CLevel_Cell& c = *h.cell_at(x, y);
  const bool pipe = c.contentType == CONTENT_PIPE;
  const int type = pipe ? c.pipeType : c.obstacleType;
  const int angle = pipe ? c.pipeAngle : c.obstacleAngle;
  const int part = pipe ? c.pipePartNumber : c.obstaclePartNumber;
  const int parts = pipe ? pipe_cell_count(type) : obstacle_class(type);
  for (int t = 0; t < parts; ++t) {
    const KOR::KS_VECTOR2 v = parts == 2 ? pipe_part_cell(type, angle, part, x, y, t)
                                         : equipment_part_cell(type, angle, part, x, y, t);
    if (v.x != v.x || v.y != v.y) return false;
    const CLevel_Cell* p = h.cell_at(int(v.x), int(v.y));
    if (p == nullptr || p->contentType != c.contentType) return false;
    if (pipe ? p->pipeType != type || p->pipeAngle != angle || p->pipePartNumber != t
             : p->obstacleType != type || p->obstacleAngle != angle || p->obstaclePartNumber != t) {
      return false;
    }
  }
  return true;
}

TEST_P(EveryLevel, KeepsTheAuthoringRules) {
  const int n = GetParam();
  const pugi::xml_node file =
      resources->root("xml/Levels Levels/level_" + std::to_string(n) + ".xml");
  ASSERT_STREQ(file.name(), "level");
  const int width = file.attribute("fieldWidth").as_int();
  const int height = file.attribute("fieldHeight").as_int();
  int starts = 0;
  int finals = 0;
  for (const pugi::xml_node e : file.children("cell")) {
    const int x = e.attribute("x").as_int();
    const int y = e.attribute("y").as_int();
    EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "cell " << x << ", " << y;
    if (e.attribute("contentType").as_int() != CONTENT_PIPE) continue;
    starts += e.attribute("isStarting").as_bool();
    finals += e.attribute("isFinal").as_bool();
  }
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(finals, 1);

  ASSERT_TRUE(data.load(n)) << data.error();
  const CLevel_Header& h = level();
  int sx = 0;
  int sy = 0;
  ASSERT_TRUE(h.find_start(sx, sy));
  int ix = 0;
  int iy = 0;
  EXPECT_GE(h.water_inlet(sx, sy, ix, iy), 0) << "no equipment beside the starting pipe";
  for (int x = 0; x < h.fieldWidth; ++x) {
    for (int y = 0; y < h.fieldHeight; ++y) {
      const CLevel_Cell& c = *h.cell_at(x, y);
      const bool multi =
          c.contentType == CONTENT_PIPE ? c.pipeType >= 6 : obstacle_class(c.obstacleType) == 4;
      if (c.contentType != CONTENT_EMPTY && multi) {
        EXPECT_TRUE(parts_complete(h, x, y)) << "cell " << x << ", " << y;
      }
      // What the level needs to stay winnable is out of the destruction
      // bonus's reach.
      if (c.contentType == CONTENT_PIPE && !c.isSpecial) {
        EXPECT_FALSE(c.isDestructible) << "pipe at " << x << ", " << y;
      }
    }
  }
  EXPECT_GE(h.timeFor3Stars, 1);
  EXPECT_GT(h.timeFor2Stars, h.timeFor3Stars);
  EXPECT_GT(h.stepOfWaterFlowingOut, 0.0f);
  if (n % 5 == 0) {
    // The end scroll slides a board that grows upward and is taller than
    // the screen down below it, revealing the pack picture above its top.
    EXPECT_EQ(h.scrollingType, SIDE_UP);
    EXPECT_GT(h.fieldHeight * 50, 750);
  }
}

TEST_P(EveryLevel, IsWonByItsSolution) {
  const int n = GetParam();
  ASSERT_TRUE(start(n)) << data.error();
  const std::vector<Action> actions = test_support::stored_solution(n);
  ASSERT_FALSE(actions.empty());
  const int coins = data.special_cells_money();
  // A good player beats the 3-star limit: the water clock runs at the gauge
  // step, and the limit leaves at least 3 s of real time per piece laid.
  const float pieces = float(actions.size());
  EXPECT_GE(float(level().timeFor2Stars) / level().stepOfWaterFlowingOut, 3.0f * pieces);
  for (size_t i = 0; i < actions.size(); ++i) {
    const Action& a = actions[i];
    SCOPED_TRACE("action " + std::to_string(i + 1) + " on " + std::to_string(a.x) + ", " +
                 std::to_string(a.y));
    if (a.destroy) {
      const CLevel_Cell& c = cell(a.x, a.y);
      ASSERT_TRUE(c.isDestructible);
      ASSERT_EQ(obstacle_strength(c.obstacleType), 1);  // one bonus clears it
      ASSERT_EQ(field.clear_cell(a.x, a.y, false), CONTENT_OBSTACLE);
      continue;
    }
    ASSERT_TRUE(level().availablePipes.at(a.type)) << "type " << a.type << " is not dealt";
    // A board scrolling sideways keeps its rows where they are: a cell
    // under the bottom panel can never be clicked.
    if (level().scrollingType == SCROLL_LEFT || level().scrollingType == SCROLL_RIGHT) {
      const KOR::KS_VECTOR2 other = pipe_part_cell(a.type, a.angle, 0, a.x, a.y, 1);
      EXPECT_LT(field.cell_center(a.x, a.y).y, kBottomPanelTop);
      EXPECT_LT(field.cell_center(int(other.x), int(other.y)).y, kBottomPanelTop);
    }
    EXPECT_FALSE(field.is_pipeline_complete());
    ASSERT_TRUE(place(a.type, a.angle, a.x, a.y)) << "type " << a.type << " at " << a.angle;
  }
  EXPECT_EQ(field.open_connection_count(), 0);
  ASSERT_TRUE(field.is_pipeline_complete());
  EXPECT_EQ(owner.money, coins);  // every coin cell lies on the route

  owner.won = true;
  field.start_water();
  run_water(20000);
  EXPECT_TRUE(field.finished);
  int x = 0;
  int y = 0;
  ASSERT_TRUE(level().find_final(x, y));
  EXPECT_EQ(cell(x, y).waterFill, float(pipe_water_capacity(cell(x, y).pipeType)));
}

// The coins of the 45 levels (every coin cell lies on its level's solution)
// against the upgrades of the shop: they pay most of them by the last level,
// and not all of them, so the shop stays a choice.
TEST_F(LevelContent, TheLevelsCoinsPayMostOfTheUpgrades) {
  int coins = 0;
  for (int n = 1; n <= kLevels; ++n) {
    ASSERT_TRUE(data.load(n)) << n;
    data.prepare_special_cells();
    coins += data.special_cells_money();
  }
  pugi::xml_document* strings = resources->manager->get_xml("xml strings.xml");
  ASSERT_NE(strings, nullptr);
  KOR::KC_STRING_TABLE table;
  table.load(*strings, 0, 0);
  resources->manager->release_xml(strings);
  int upgrades = 0;
  for (int item = 5; item <= 12; ++item) {
    const int levels =
        CGame_Config::instance().get_int_w(L"shop_" + std::to_wstring(item) + L"_numberOfUpgrades");
    for (int level = 1; level <= levels; ++level) {
      upgrades += std::stoi(
          table.get("shop_item" + std::to_string(item) + "_price" + std::to_string(level)));
    }
  }
  EXPECT_GE(coins * 100, upgrades * 60) << coins << " coins for upgrades of " << upgrades;
  EXPECT_LT(coins, upgrades);
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel, ::testing::Range(1, kLevels + 1));

using TutorialLevels = LevelContent;

TEST_F(TutorialLevels, LevelOneHoldsWhatEachStepPointsAt) {
  ASSERT_TRUE(start(1)) << data.error();
  // Step 1: the straight from the tape goes on (7, 18).
  ASSERT_GE(turns_to_fit(5, 7, 18), 0);
  ASSERT_TRUE(place(5, 90, 7, 18));
  // Steps 2 and 3: the T piece fits on (7, 17) after exactly one right turn.
  EXPECT_EQ(turns_to_fit(2, 7, 17), 1);
  ASSERT_TRUE(place(2, 90, 7, 17));
  // Step 4: a straight on (14, 14).
  ASSERT_GE(turns_to_fit(5, 14, 14), 0);
  ASSERT_TRUE(place(5, 90, 14, 14));
  // Step 6: the completion bonus fills (6, 14) and the fill is kept.
  CPipe_Sprite preview;
  preview.load_sprite(1);
  field.fit_piece_preview(6, 14, &preview);
  ASSERT_TRUE(preview.is_visible());
  ASSERT_TRUE(field.drop_piece(&preview, at_x(6), at_y(14)));
  // Step 7 points below the final pipe, which the scroll brings below the
  // top edge once the route is near it.
  int fx = 0;
  int fy = 0;
  ASSERT_TRUE(level().find_final(fx, fy));
  EXPECT_TRUE(field.neighbour_opens_back(fx, fy + 1, SIDE_UP));
  EXPECT_FALSE(field.final_below_top());
  field.scroll_step(SIDE_DOWN, (field.intro_y - field.origin_y) / KOR::frame_dt);
  EXPECT_TRUE(field.final_below_top());
}

TEST_F(TutorialLevels, LevelTwoHoldsWhatEachStepPointsAt) {
  ASSERT_TRUE(start(2)) << data.error();
  // Step 9: the straight from the tape goes on (9, 24).
  ASSERT_GE(turns_to_fit(5, 9, 24), 0);
  ASSERT_TRUE(place(5, 90, 9, 24));
  // Step 5: one destruction bonus clears (9, 21), and the route runs on
  // through it.
  const CLevel_Cell& rock = cell(9, 21);
  ASSERT_EQ(rock.contentType, CONTENT_OBSTACLE);
  EXPECT_TRUE(rock.isDestructible);
  EXPECT_EQ(obstacle_strength(rock.obstacleType), 1);
  ASSERT_TRUE(place(5, 90, 9, 23));
  EXPECT_FALSE(fits(5, 90, 9, 22));  // it would open into the shrub
  ASSERT_EQ(field.clear_cell(9, 21, false), CONTENT_OBSTACLE);
  EXPECT_TRUE(fits(5, 90, 9, 22));
}

}  // namespace
