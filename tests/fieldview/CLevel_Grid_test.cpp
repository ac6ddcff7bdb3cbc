#include "fieldview/CLevel_Grid.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_FONT_LIST.h"
#include "support/field_graphics_fixture.h"

namespace {

using game::CLevel_Grid;

class GridTest : public puzzle_test::FieldGraphicsFixture {};

struct Line {
  float w, h;
  uint32_t color;
  bool operator==(const Line&) const = default;
};

Line line(const CLevel_Grid& grid, int key) {
  const KOR::KC_QUAD* q = grid.line_quads.at(key).get();
  return {q->width(), q->height(), q->vertex_color(0)};
}

TEST_F(GridTest, LinesFrameEveryCellAndHighlightTheMiddle) {
  constexpr uint32_t plain = 0x64FFFFFF, middle = 0xAA7FFF00;
  CLevel_Grid grid;
  grid.set_size(15, 300);
  grid.build();
  ASSERT_EQ(grid.line_quads.size(), 317u);
  EXPECT_EQ(line(grid, 0), (Line{1, 15000, plain}));
  EXPECT_EQ(line(grid, 7), (Line{2, 15000, middle}));
  EXPECT_EQ(line(grid, 8), (Line{2, 15000, middle}));
  EXPECT_EQ(line(grid, 9), (Line{1, 15000, plain}));
  EXPECT_EQ(line(grid, 16), (Line{750, 1, plain}));
  EXPECT_EQ(line(grid, 166), (Line{750, 2, middle}));
  EXPECT_EQ(line(grid, 167), (Line{750, 1, plain}));

  grid.set_size(14, 10);
  grid.build();
  ASSERT_EQ(grid.line_quads.size(), 26u);
  EXPECT_EQ(line(grid, 7), (Line{2, 500, middle}));
  EXPECT_EQ(line(grid, 6).color, plain);
  EXPECT_EQ(line(grid, 8).color, plain);
  EXPECT_EQ(line(grid, 20), (Line{700, 2, middle}));
  EXPECT_EQ(line(grid, 21).color, plain);

  grid.set_position(100, -40);
  EXPECT_EQ(grid.line_quads.at(3)->transform()->position, KOR::KS_VECTOR3(250, -40, 0));
  EXPECT_EQ(grid.line_quads.at(17)->transform()->position, KOR::KS_VECTOR3(100, 60, 0));
  grid.draw();
  EXPECT_EQ(render.drawn().size(), 26u * 4u);
  // Rebuilding returned the first set's picture references.
  EXPECT_EQ(references("graphics/gui white_pixel.png"), 26);
}

TEST_F(GridTest, AnEmptyBoardStillHasItsTwoBorders) {
  CLevel_Grid grid;
  grid.set_size(0, 0);
  grid.build();
  EXPECT_EQ(grid.line_quads.size(), 2u);
  grid.set_size(-1, 3);
  grid.build();
  EXPECT_TRUE(grid.line_quads.empty());
}

TEST_F(GridTest, CellsNearTheScreenAreLabelledWithColumnAndRow) {
  CLevel_Grid grid;
  grid.set_size(3, 20);
  grid.build();
  grid.set_position(-100, 100);
  grid.draw();
  EXPECT_EQ(render.drawn().size(), 25u * 4u) << "without the font only the lines show";

  const std::filesystem::path from = test_support::runtime_dir() + "/Resources";
  std::filesystem::copy(from / "fonts", sandbox.resources() / "fonts");
  std::filesystem::copy(from / "xml" / "fonts.xml", sandbox.resources() / "xml" / "fonts.xml");
  ASSERT_EQ(manager->add_repository("fonts", ""), 1);
  ASSERT_EQ(manager->add_repository("xml", ""), 1);
  KOR_GF::G_FONT_LIST& fonts = KOR_GF::font_list_instance();
  ASSERT_TRUE(fonts.load("xml fonts.xml"));
  ASSERT_TRUE(fonts.has("font_cg_14_white"));
  grid.draw();
  // Column 0 lies left of the screen and rows from 15 on below it; columns
  // 1 and 2 show rows 0..14 as "1\n0" .. "2\n14", one glyph per digit.
  const size_t digits = 2 * (10 * 2 + 5 * 3);
  EXPECT_EQ(render.drawn().size(), (25u + digits) * 4u);
  fonts.release_textures();
}

}  // namespace
