#include <gtest/gtest.h>

#include <filesystem>
#include <numbers>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "fieldview/CLevel_Grid.h"
#include "fieldview/CWater_Animations.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "support/field_graphics_fixture.h"

namespace {

using namespace game;
using std::numbers::pi_v;

// straight_up.xml: 5 x 6 cells, start at (2, 5), 3-star time 100 s, gauge
// step 1; another growth direction on request.
class FieldFrame : public puzzle_test::FieldGraphicsFixture {
 protected:
  bool load_fixture(int scrolling = 0) {
    std::string text = puzzle_test::fixture_text("straight_up.xml");
    const std::string from = "scrollingType=\"0\"";
    text.replace(text.find(from), from.size(),
                 "scrollingType=\"" + std::to_string(scrolling) + "\"");
    source = text;
    return load(text);
  }

  // What the scene does before a restart: the level read and prepared anew.
  void restart() {
    ASSERT_TRUE(data.load_bytes(level_number, source.data(), source.size()));
    data.prepare_special_cells();
    field.reinit(level_number);
  }

  // The vertices the board itself draws, which come before the field's own.
  // The board's own vertices, drawn layer by layer as in every frame of its
  // own; the picture of its still layers has tests of its own.
  size_t board_vertices(int x, int y) {
    field.view->compose_still_layers = false;
    field.view->draw(x, y);
    return render.drawn().size();
  }

  KOR::KS_VECTOR2 start_centre() const {
    const KOR::KS_IVECTOR2 s = field.start_cell();
    return field.cell_center(s.x, s.y);
  }

  std::string source;
};

TEST_F(FieldFrame, InitBuildsThePicturesAndARestartKeepsWhatItShould) {
  ASSERT_TRUE(load_fixture());
  ASSERT_NE(field.pump_gutter, nullptr);
  ASSERT_NE(field.pump_gauge, nullptr);
  EXPECT_EQ(field.gauge_height, 50);
  EXPECT_EQ(field.pump_gutter->hot_spot(), unsigned(KOR::HS_MID));
  EXPECT_EQ(field.pump_gauge->hot_spot(), unsigned(KOR::HS_UL));
  ASSERT_EQ(field.water_strip->frames.size(), 15u);
  for (const auto& [n, frame] : field.water_strip->frames) EXPECT_NE(frame, nullptr) << n;
  EXPECT_EQ(field.grid->line_quads.size(), 13u);  // 5 + 6 + 2 borders
  EXPECT_EQ(field.view->hovered_cell.x, -1.0f);
  EXPECT_EQ(field.scroll_state, 1);
  EXPECT_EQ(field.pack_back, nullptr);
  ASSERT_NE(field.find_open_connection(2, 4), 0);

  // A played, scrolled, debugged field, on a screen that has changed width.
  ASSERT_TRUE(place(5, 90, 2, 4));
  ASSERT_EQ(field.find_open_connection(2, 4), 0);
  field.grid_debug = 1;
  field.water_started = 1;
  field.finished = 1;
  field.origin_y += 123.0f;
  field.target_y = 999.0f;
  field.scroll_direction = 3;
  field.view->water_visible = 1;
  field.water_strip->update(0);
  field.water_strip->update(1000);
  KOR::auto_position_screen_width = 1366;
  CLevel_Grid* grid = field.grid.get();
  KOR::KC_QUAD* gutter = field.pump_gutter.get();
  KOR::KC_QUAD* gauge = field.pump_gauge.get();
  const int pixel_refs = references("graphics/gui white_pixel.png");
  const int gutter_refs = references("graphics/main/interface pump_gutter.png");

  for (int i = 0; i < 10; ++i) restart();
  EXPECT_EQ(field.grid.get(), grid);
  EXPECT_EQ(field.grid->line_quads.size(), 13u);
  EXPECT_EQ(field.pump_gutter.get(), gutter);
  EXPECT_EQ(field.pump_gauge.get(), gauge);
  EXPECT_EQ(field.grid_debug, 1);
  EXPECT_EQ(field.screen_width, 1024);
  EXPECT_EQ(field.view->water_visible, 0);
  EXPECT_NE(field.find_open_connection(2, 4), 0);
  EXPECT_EQ(field.find_open_connection(2, 3), 0);
  EXPECT_EQ(field.water_node_count(), 0);
  EXPECT_EQ(field.water_started, 0);
  EXPECT_EQ(field.finished, 0);
  EXPECT_EQ(field.scroll_state, 1);
  EXPECT_EQ(field.origin_y, field.intro_y);
  EXPECT_EQ(field.target_y, field.play_y);
  EXPECT_EQ(field.scroll_direction, 0);
  EXPECT_EQ(field.water_strip->current_frame, 1);
  // Each layout returns the grid's line pictures before it takes new ones.
  EXPECT_EQ(references("graphics/gui white_pixel.png"), pixel_refs);
  EXPECT_EQ(references("graphics/main/interface pump_gutter.png"), gutter_refs);
}

TEST_F(FieldFrame, ALevelWithoutPicturesStillRuns) {
  KOR::engine_resource_manager = nullptr;
  ASSERT_TRUE(load_fixture());
  EXPECT_EQ(field.pump_gauge, nullptr);
  EXPECT_TRUE(field.grid->line_quads.empty());
  field.update(0);
  field.draw(0, -1, -1);
  EXPECT_TRUE(render.drawn().empty());
}

TEST_F(FieldFrame, OneFrameDrawsTheStripThePumpAndItsGauge) {
  ASSERT_TRUE(load_fixture());
  field.update(0);
  const size_t board = board_vertices(1, 1);
  field.draw(50000, 1, 1);
  const auto drawn = render.drawn();
  ASSERT_EQ(drawn.size(), board + (8u + 2u) * 4u);
  const std::vector<std::array<float, 3>> p(drawn.begin() + long(board), drawn.end());
  // The strip's band, 10 pixels above the board's lower edge, 172 apart.
  const float band_y = field.origin_y + 300.0f - 10.0f;
  EXPECT_EQ(p[0], (std::array<float, 3>{-7.0f, band_y, 0.0f}));
  EXPECT_EQ(p[28], (std::array<float, 3>{-7.0f + 7 * 172.0f, band_y, 0.0f}));
  // The gutter centred on the start cell, the gauge half full from below.
  const KOR::KS_VECTOR2 c = start_centre();
  EXPECT_EQ(p[32], (std::array<float, 3>{c.x - 25, c.y - 25, 0.0f}));
  EXPECT_EQ(p[36], (std::array<float, 3>{c.x - 25, c.y, 0.0f}));
  EXPECT_EQ(p[38], (std::array<float, 3>{c.x + 25, c.y + 25, 0.0f}));
}

TEST_F(FieldFrame, TheGaugeFillsFromTheEdgeTheWaterComesIn) {
  struct Row {
    int scrolling;
    float turn;
    float dx, dy;  // gauge position from the start cell's centre at half fill
  };
  const Row rows[] = {{0, 0.0f, -25, 0},
                      {1, pi_v<float> / 2, 0, -25},
                      {2, pi_v<float>, 25, 0},
                      {3, 3 * pi_v<float> / 2, 0, 25}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.scrolling);
    ASSERT_TRUE(load_fixture(row.scrolling));
    const KOR::KS_VECTOR2 c = start_centre();
    field.draw(50000, -1, -1);  // 50 s of 100: half
    const KOR::KS_TRANSFORM3& t = *field.pump_gauge->transform();
    EXPECT_EQ(t.position.x, c.x + row.dx);
    EXPECT_EQ(t.position.y, c.y + row.dy);
    EXPECT_EQ(t.rotation.z, row.turn);
    EXPECT_EQ(field.pump_gutter->transform()->rotation.z, row.turn);
    EXPECT_EQ(field.pump_gutter->transform()->position.x, c.x);
    EXPECT_EQ(field.pump_gauge->height(), 25.0f);
    EXPECT_EQ(field.pump_gauge->width(), 50.0f);
    // The lower half of the gauge picture.
    EXPECT_EQ(field.pump_gauge->vertices[0].v, 0.5f);
    EXPECT_EQ(field.pump_gauge->vertices[2].v, 1.0f);
    field.draw(100000, -1, -1);
    EXPECT_EQ(field.pump_gauge->height(), 50.0f);
    field.draw(250000, -1, -1);
    EXPECT_EQ(field.pump_gauge->height(), 50.0f);
    EXPECT_EQ(field.pump_gauge->vertices[0].v, 0.0f);
    field.draw(0, -1, -1);
    EXPECT_EQ(field.pump_gauge->height(), 0.0f);
    render.drawn();
  }
}

TEST_F(FieldFrame, FifthLevelsShowTheirPackPicturesAboveTheBoard) {
  std::filesystem::remove(sandbox.resources() / "graphics/main/backs/back4.png");
  struct Row {
    int level;
    int gap;
    bool stripe;
    const char* back;
  };
  const Row rows[] = {{10, 80, true, "back2.png"},
                      {15, -40, false, "back3.png"},
                      {20, 80, true, "back1.png"},  // back4.png is missing
                      {30, -20, false, "back6.png"},
                      {45, -40, false, "back9.png"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.level);
    level_number = row.level;
    ASSERT_TRUE(load_fixture());
    EXPECT_EQ(field.pack_gap, row.gap);
    EXPECT_EQ(field.pack_stripe != nullptr, row.stripe);
    ASSERT_NE(field.pack_back, nullptr);
    KOR::KC_TEXTURE* expected =
        manager->get_texture(std::string("graphics/main/backs ") + row.back);
    EXPECT_EQ(field.pack_back->texture(), expected);
    manager->release_texture(expected);

    size_t board = board_vertices(-1, -1);
    field.draw(0, -1, -1);
    const float y = field.origin_y;
    EXPECT_EQ(field.pack_back->transform()->position,
              KOR::KS_VECTOR3(512, y - float(row.gap) - 384.0f, 0));
    if (row.stripe) {
      EXPECT_EQ(field.pack_stripe->transform()->position,
                KOR::KS_VECTOR3(512, y - 0.5f * float(row.gap), 0));
    }
    const size_t quads = 10u + (row.stripe ? 2u : 1u);
    EXPECT_EQ(render.drawn().size(), board + quads * 4u);
    // With the intro at 0 the pictures show only while the board's top
    // (moved down by 100 for the close packs) is below the screen's top.
    field.intro_y = 0.0f;
    field.origin_y = -50.0f;
    field.view->set_origin(field.origin_x, field.origin_y);
    board = board_vertices(-1, -1);
    field.draw(0, -1, -1);
    const bool close = row.gap < 0;
    EXPECT_EQ(render.drawn().size(), board + (close ? quads : 10u) * 4u);
  }
}

TEST_F(FieldFrame, TheEndScrollOfAFifthLevelOpensTheCloseUpInTheFrameItPassesItsTarget) {
  level_number = 10;
  ASSERT_TRUE(load_fixture());
  field.scroll_state = 0;
  owner.won = true;
  KOR::frame_dt = 0.5f;  // 87.5 pixels a frame
  // The end of the water sets this target: 848 pixels below, 10 frames.
  field.target_y = float(field.pack_gap) + field.intro_y + 768.0f;
  field.scroll_direction = 2;
  field.scroll_state = 2;
  int frames = 0;
  while (owner.closeups == 0 && frames < 50) {
    field.update(1000 * frames);
    ++frames;
  }
  EXPECT_EQ(frames, 10);
  EXPECT_EQ(field.origin_y, field.target_y);
  EXPECT_EQ(field.scroll_state, 0);

  // A scroll after a drop ends elsewhere and opens nothing.
  owner.won = false;
  field.target_y = field.origin_y + 100.0f;
  field.scroll_state = 2;
  for (int i = 0; i < 5; ++i) field.update(0);
  EXPECT_EQ(field.scroll_state, 0);
  EXPECT_EQ(owner.closeups, 1);
}

TEST_F(FieldFrame, UpdateRunsTheWaterAndTheClocksEveryFrame) {
  ASSERT_TRUE(load_fixture());
  field.update(0);
  field.update(250);
  EXPECT_EQ(field.water_strip->current_frame, 2);
  EXPECT_EQ(field.view->coin_frame, 2);
  field.water_started = 1;
  field.update(300);
  field.update(400);
  EXPECT_EQ(field.view->water_frame, 2);
}

}  // namespace
