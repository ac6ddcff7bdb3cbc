#include <gtest/gtest.h>

#include <fstream>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_VERTEX.h"
#include "puzzle/CLevel_Data.h"
#include "render/KC_TEXTURE.h"
#include "support/field_graphics_fixture.h"

namespace {

using namespace game;

class FieldGraphics : public puzzle_test::FieldGraphicsFixture {
 protected:
  void write_objects(const std::string& text) {
    std::ofstream(sandbox.resources() / "objects.xml") << text;
    ASSERT_EQ(manager->add_repository("", ""), 1);
  }
  KOR::KC_TEXTURE* texture_of(const std::string& name) {
    KOR::KC_TEXTURE* t = manager->get_texture(name);
    manager->release_texture(t);
    return t;
  }
};

TEST_F(FieldGraphics, EverySpriteComesFromTheLevelsAtlasItems) {
  config_.load_string(
      "<config><tile_level1 text=\"6\"/><obstacle3_type_level1 text=\"2.9\"/></config>");
  CLevel_Header header;
  header.fieldWidth = 15;
  header.fieldHeight = 300;
  {
    CLevel_FieldView view;
    view.set_level(&header);
    view.load_graphics(1);
    for (int t = 1; t <= 17; ++t) {
      ASSERT_NE(view.pipe_sprites[t - 1], nullptr) << t;
      EXPECT_EQ(view.pipe_frame_sprites[t - 1] != nullptr, t <= 12) << t;
    }
    EXPECT_EQ(view.active_equipment_sprites.size(), 7u);
    // The wall look of set 2, half a texel in; variant 1 from the basic set.
    const KOR::KC_QUAD* wall = view.obstacle_sprites[2][1].get();
    EXPECT_EQ(wall->width(), 64.0f);
    EXPECT_FLOAT_EQ(wall->vertices[0].u, (934.0f + 0.5f) / 2048.0f);
    EXPECT_EQ(view.obstacle_sprites[2][13]->hot_spot(), unsigned(KOR::HS_UL));
    EXPECT_EQ(view.obstacle_sprites[2][17]->hot_spot(), unsigned(KOR::HS_MID));
    // Water: upper-left anchored, its rectangle recorded as cut.
    const KOR::KC_QUAD* water = view.water_sprites[1][1].get();
    EXPECT_EQ(water->hot_spot(), unsigned(KOR::HS_UL));
    EXPECT_EQ(view.water_sizes[1].width, 24);
    EXPECT_EQ(view.water_sizes[1].height, 50);
    EXPECT_EQ(view.water_uv_rects[1][1].u, water->vertices[0].u);
    EXPECT_FLOAT_EQ(view.water_uv_rects[1][1].du, 24.0f / 2048.0f - 2.0f / 4096.0f);
    // Tile set 6 with its 200-pixel tile; decor set 3 from the decor_3_4 atlas.
    EXPECT_EQ(view.tile_count, 1);
    EXPECT_EQ(view.tile_width, 200);
    EXPECT_EQ(view.tile_layout.size(), 6u);         // columns 0..5
    EXPECT_EQ(view.tile_layout.at(0).size(), 78u);  // rows 0..77
    EXPECT_EQ(view.decor_sprites.at(1)->texture(), texture_of("graphics/main decor_3_4_atlas.png"));
    EXPECT_GT(view.decor_sprites.at(18)->width(), 0.0f);
    EXPECT_EQ(view.hovered_cell, (KOR::KS_VECTOR2{-1, -1}));
    EXPECT_GT(references("graphics/main game_elements_atlas.png"), 300);
  }
  // The view gives every reference back, the marker's too.
  EXPECT_EQ(references("graphics/main game_elements_atlas.png"), 0);
  EXPECT_EQ(references("graphics/main decor_3_4_atlas.png"), 0);
  EXPECT_EQ(references("graphics/gui destruction.png"), 0);
}

TEST_F(FieldGraphics, TileSetsChooseTheirDecorAtlas) {
  struct Row {
    int tile;
    const char* decor_item;
    const char* atlas;
  };
  const Row rows[] = {{0, "main_elements_decor_1_", "decor_1_2"},
                      {4, "main_elements_decor_2_", "decor_1_2"},
                      {5, "main_elements_decor_5_", "decor_5_6"},
                      {9, "main_elements_decor_9_", "decor_7"}};
  CLevel_Header header;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tile);
    config_.load_string(
        ("<config><tile_level3 text=\"" + std::to_string(row.tile) + "\"/></config>").c_str());
    CLevel_FieldView view;
    view.set_level(&header);
    view.load_graphics(3);
    EXPECT_EQ(view.decor_sprites.at(2)->texture(),
              texture_of(std::string("graphics/main ") + row.atlas + "_atlas.png"));
    // Set 9 has no items: its sprites exist and show nothing.
    EXPECT_EQ(view.decor_sprites.at(2)->width() == 0.0f, row.tile == 9);
  }
}

TEST_F(FieldGraphics, PartOffsetsAreReadByGroupAndNameAndMissingValuesAreZero) {
  write_objects(
      "<obstacles><left_side><obstacle3_2 offsetX=\"-3.5\" offsetY=\"4\"/>"
      "<obstacle3_5 offsetX=\" 12abc\" offsetY=\"\"/><obstacle3_6 offsetY=\"7\"/>"
      "<obstacle3_7 offsetX=\"abc\" offsetY=\"0x10\"/>"
      "<obstacle3_13_left offsetX=\"9\"/></left_side>"
      "<center><obstacle3_13_right offsetX=\"1e1\"/></center></obstacles>"
      "<shadows><left_side><obstacle3_21 offsetX=\"5\"/><obstacle3_23 offsetX=\"6\"/></left_side>"
      "<right_side><obstacle3_21 offsetY=\"-2\"/></right_side></shadows>");
  CLevel_Header header;
  CLevel_FieldView view;
  view.set_level(&header);
  for (int load = 0; load < 2; ++load) {
    EXPECT_EQ(view.part_offsets.size(), 49u);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_2").offsetX, -3.5f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_2").offsetY, 4.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_5").offsetX, 12.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_5").offsetY, 0.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_6").offsetX, 0.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_6").offsetY, 7.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_7").offsetX, 0.0f);
    EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_7").offsetY, 0.0f);
    EXPECT_EQ(view.part_offset("obstacles_center_obstacle3_13_left").offsetX, 0.0f);
    EXPECT_EQ(view.part_offset("obstacles_center_obstacle3_13_right").offsetX, 10.0f);
    EXPECT_EQ(view.part_offset("shadows_left_obstacle3_21").offsetX, 0.0f);
    EXPECT_EQ(view.part_offset("shadows_left_obstacle3_23").offsetX, 6.0f);
    EXPECT_EQ(view.part_offset("shadows_right_obstacle3_21").offsetY, -2.0f);
    EXPECT_EQ(view.part_offset("no_such_part").offsetX, 0.0f);
    view.load_part_offsets();
  }
}

TEST_F(FieldGraphics, AWrappedOrMissingOffsetFileGivesZeroOffsets) {
  CLevel_Header header;
  write_objects(
      "<root><obstacles><left_side><obstacle3_2 offsetX=\"3\"/></left_side>"
      "</obstacles></root>");
  CLevel_FieldView view;
  view.set_level(&header);
  EXPECT_EQ(view.part_offset("obstacles_left_obstacle3_2").offsetX, 0.0f);
  std::filesystem::remove(sandbox.resources() / "objects.xml");
  manager->unload_unused();
  CLevel_FieldView other;
  other.set_level(&header);
  EXPECT_EQ(other.part_offsets.size(), 49u);
  EXPECT_EQ(other.part_offset("obstacles_left_obstacle3_2").offsetX, 0.0f);
}

}  // namespace
