#include "fieldview/CLevel_FieldView.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "foundation/KS_AUTO_POSITION.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace {

using namespace game;

TEST(FieldView, VisibleWindowFollowsTheScreenWidth) {
  KOR::auto_position_screen_width = 1024;
  CLevel_Header header;
  header.fieldWidth = 15;
  CLevel_FieldView view;
  view.set_level(&header);
  EXPECT_EQ(view.visible_left, 137);
  EXPECT_EQ(view.water_visible, 0);
  EXPECT_EQ(view.show_pipes, 1);
  header.fieldWidth = 30;
  view.update_visible_window();
  EXPECT_EQ(view.visible_left, 0);
}

TEST(FieldView, CellCentresAndTheOpenConnectionCopy) {
  CLevel_FieldView view;
  view.set_origin(10.0f, -40.0f);
  EXPECT_EQ(view.cell_center(3, 4).x, 185.0f);
  EXPECT_EQ(view.cell_center(3, 4).y, 185.0f);
  CLevel_OpenConnection record;
  std::map<int, CLevel_OpenConnection*> list{{1, &record}};
  view.set_open_connections(list);
  list.clear();
  ASSERT_EQ(view.open_connections.size(), 1u);
  EXPECT_EQ(view.open_connections.at(1), &record);
  view.set_open_connections(view.open_connections);
  EXPECT_EQ(view.open_connections.size(), 1u);
}

// The view's clocks on the level clock, with 0.1 s coin frames resting
// 2 s on frame 4, a 0.2 s glow and a 0.5 s equipment period.
class ViewClocks : public ::testing::Test {
 protected:
  void SetUp() override {
    config.load_string(
        "<config><coinAnimationFrameTime text=\"0.1\"/><coinAnimationDelay text=\"2\"/>"
        "<bottomOpenConnectionGlowAnimationFrameTimeRender text=\"0.2\"/>"
        "<equipmentAnimationFrameTime text=\"0.5\"/></config>");
    CGame_Config::instance().set_document(&config);
    view.set_level(&header);
  }
  void TearDown() override { CGame_Config::instance().set_document(nullptr); }

  pugi::xml_document config;
  CLevel_Header header;
  CLevel_FieldView view;
};

TEST_F(ViewClocks, CoinGlowAndEquipmentStepOnTheirOwnPeriods) {
  view.update_timers(-1);
  EXPECT_EQ(view.coin_last_step, -1);
  view.update_timers(1000);  // the first call only records its time
  EXPECT_EQ(view.coin_frame, 1);
  view.update_timers(1000);
  EXPECT_EQ(view.coin_frame, 1);
  const int coin_after[][2] = {{1099, 1}, {1100, 2}, {1200, 3}, {1300, 4},
                               {3299, 4}, {3300, 1}, {3400, 2}};
  for (const auto& [now, frame] : coin_after) {
    view.update_timers(now);
    EXPECT_EQ(view.coin_frame, frame) << now;
  }
  // The glow stepped at 1200 and 3299; the equipment period has passed.
  EXPECT_EQ(view.glow_frame, 3);
  EXPECT_EQ(view.equipment_tick, 1);
  view.draw(-1, -1);  // a level without cells draws nothing, tick and all
  EXPECT_EQ(view.equipment_tick, 1);
}

TEST_F(ViewClocks, WaterFramesStepEvery62AndAHalfMilliseconds) {
  view.advance_water_frame(-1);
  EXPECT_EQ(view.water_last_step, -1);
  view.advance_water_frame(0);
  EXPECT_EQ(view.water_frame, 1);
  view.advance_water_frame(62);
  EXPECT_EQ(view.water_frame, 1);
  view.advance_water_frame(63);
  EXPECT_EQ(view.water_frame, 2);
  for (int i = 1; i <= 15; ++i) view.advance_water_frame(63 + 63 * i);
  EXPECT_EQ(view.water_frame, 1);
}

}  // namespace
