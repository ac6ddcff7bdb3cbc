#include <gtest/gtest.h>

#include <filesystem>

#include "SERVICE/engine_globals.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/game_repositories.h"
#include "support/puzzle_fixture.h"
#include "support/resource_sandbox.h"

namespace {

using namespace game;

// The packed level and configuration repositories of the fixture folder,
// mounted as the game mounts its own.
class PackedLevelTest : public puzzle_test::PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    std::filesystem::copy(test_support::fixture_path("puzzle/Resources"), sandbox.resources(),
                          std::filesystem::copy_options::recursive);
    mount_repositories(&manager);
    ASSERT_NE(manager.find_repository("xml/Levels"), nullptr);
    ASSERT_NE(manager.find_repository("xml/Config"), nullptr);
    KOR::engine_resource_manager = &manager;
  }
  void TearDown() override {
    KOR::engine_resource_manager = nullptr;
    PlayFixture::TearDown();
  }

  ResourceSandbox sandbox{false};
  KOR::KC_RESOURCE_MANAGER manager;
};

TEST_F(PackedLevelTest, HorizontalLevelLoadsAndPlaysToItsEnd) {
  ASSERT_TRUE(CGame_Config::instance().load());
  EXPECT_EQ(CGame_Config::instance().get_float("timeOfScrollingFieldBeforeLevelStart"), 2.5f);
  ASSERT_TRUE(data.load(1)) << data.error();
  EXPECT_EQ(data.header()->scrollingType, 1);
  EXPECT_EQ(data.header()->additionalTasks.size(), 2u);
  data.prepare_special_cells();
  field.init(data.header(), 1);
  field.set_intro_scroll_speed();
  EXPECT_EQ(field.intro_scroll_step(), 0);  // six columns fit the screen

  ASSERT_TRUE(place(5, 0, 1, 1));
  ASSERT_TRUE(place(5, 0, 2, 1));
  ASSERT_TRUE(place(11, 0, 3, 1, 30, 25));
  EXPECT_FALSE(field.is_pipeline_complete());
  ASSERT_TRUE(place(1, 90, 3, 2));
  ASSERT_TRUE(field.is_pipeline_complete());
  owner.won = true;
  field.start_water();
  EXPECT_EQ(cell(0, 1).waterInflowSide, SIDE_DOWN);
  run_water(100);
  EXPECT_TRUE(field.finished);
  EXPECT_EQ(field.water_node_count(), 7);
}

TEST_F(PackedLevelTest, UnreadableLevelsAreRefused) {
  EXPECT_FALSE(data.load(2));  // cut short
  EXPECT_NE(data.error().find("level_2.xml\" is missing or not readable"), std::string::npos)
      << data.error();
  EXPECT_FALSE(data.load(3));  // not in the repository
  EXPECT_NE(data.error().find("level 3: "), std::string::npos);
  EXPECT_TRUE(data.header()->cells.empty());
  KOR::engine_resource_manager = nullptr;
  EXPECT_FALSE(data.load(1));
  EXPECT_FALSE(CGame_Config::instance().load());
  EXPECT_EQ(CGame_Config::instance().get_int("shop_5_upgrade1_value"), 0);
}

}  // namespace
