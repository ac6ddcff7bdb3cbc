#include "fieldview/CLevel_FieldView.h"

#include <gtest/gtest.h>

#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_SETTINGS.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace {

using namespace game;

TEST(FieldView, VisibleWindowFollowsTheScreenWidth) {
  KOR_GF::G_SETTINGS::screen_width = 1024;
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

TEST(ExplosionList, NewEffectsTakeTheSmallestFreeId) {
  CEffect_ExplosionList list;
  list.add(0, 1.0f, 2.0f);
  list.add(2, 3.0f, 4.0f);
  list.add(2, 5.0f, 6.0f);
  list.shift(10.0f, -1.0f);
  ASSERT_EQ(list.effects().size(), 3u);
  EXPECT_EQ(list.effects().at(2)->x, 13.0f);
  EXPECT_EQ(list.effects().at(2)->y, 3.0f);
  EXPECT_EQ(list.effects().at(3)->kind, 2u);
}

}  // namespace
