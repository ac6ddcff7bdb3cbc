// The board drawn from its composed picture against the board drawn layer by
// layer, on a real window in both logical widths: a few levels of each world
// at the intro's start, in the middle of the intro scroll, where play
// starts, after pieces are laid, in the scroll that follows, over the
// destruction target, after a piece is destroyed and with the water
// running. Each screen is drawn directly, then from a picture composed in
// that frame, then from the picture kept from it; the three must match
// pixel for pixel, but for the rounding of the software rasteriser, which
// lands a blended pixel drawn through one more picture up to two units off.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/screen_layout.h"
#include "level/CPipe_Sprite.h"
#include "platform/host.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "support/game_resources.h"
#include "support/level_solution.h"
#include "support/logical_screen.h"
#include "support/puzzle_fixture.h"

namespace {

constexpr int kHeight = KOR::kScreenHeight;

constexpr int kRounding = 2;

bool alike(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = int(a >> shift & 0xFF), cb = int(b >> shift & 0xFF);
    if (std::abs(ca - cb) > kRounding) return false;
  }
  return true;
}

std::string first_difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                             int width) {
  long count = 0;
  std::ostringstream out;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (alike(a[i], b[i])) continue;
    if (count++ == 0) {
      out << "first at (" << int(i) % width << ", " << int(i) / width << "): " << std::hex << a[i]
          << " against " << b[i] << std::dec;
    }
  }
  if (count == 0 && a.size() == b.size()) return "";
  int l = width, r = -1, t = 1 << 30, btm = -1;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (alike(a[i], b[i])) continue;
    const int x = int(i) % width, y = int(i) / width;
    l = std::min(l, x);
    r = std::max(r, x);
    t = std::min(t, y);
    btm = std::max(btm, y);
  }
  out << " box " << l << ".." << r << " x " << t << ".." << btm;
  return std::to_string(count) + " pixels differ, " + out.str();
}

class BoardPicture : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (!screen.open("board picture", GetParam(), kHeight, 0xFFFF00FFu)) {
      GTEST_SKIP() << "no display: " << KOR::host_error();
    }
    ASSERT_NE(screen.render, nullptr);
    ASSERT_TRUE(resources.config_loaded);
  }

  void TearDown() override {
    KOR::auto_position_screen_width = KOR::kNarrowScreenWidth;
    KOR::frame_dt = 0.0f;
  }

  std::vector<uint32_t> frame(game::CLevel_Field& field, bool from_picture) {
    field.view->compose_still_layers = from_picture;
    EXPECT_EQ(screen.render->begin_frame(), 1);
    field.draw(clock, hovered_x, hovered_y);
    return screen.end_frame();
  }

  // Drawn directly, then three times from the picture: the picture serves a
  // board at rest since the frame before, is composed in that frame and
  // kept in the next; a scrolling board is drawn directly.
  void expect_same(game::CLevel_Field& field, const std::string& name) {
    SCOPED_TRACE(name);
    const int composed = field.view->board_picture.compositions;
    const std::vector<uint32_t> direct = frame(field, false);
    ASSERT_FALSE(direct.empty());
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(first_difference(direct, frame(field, true), GetParam()), "") << "frame " << n;
    }
    EXPECT_LE(field.view->board_picture.compositions - composed, 1) << "composed at most once";
  }

  // One action of a stored solution, as the scene carries it out.
  static bool act(game::CLevel_Field& field, const test_support::LEVEL_ACTION& a) {
    if (a.destroy) return field.clear_cell(a.x, a.y, false) == game::CONTENT_OBSTACLE;
    game::CPipe_Sprite piece;
    piece.load_sprite(a.type);
    piece.set_angle_degrees(float(a.angle));
    // The centre's pixel. The board may rest at a fraction of a pixel and
    // the drop truncates the point to whole pixels: a two-cell piece keeps
    // its part 0 under the point from the centre toward its part 1.
    const KOR::KS_VECTOR2 c = field.cell_center(a.x, a.y);
    const bool forward = a.angle == 0 || a.angle == 90;
    return forward ? field.drop_piece(&piece, std::ceil(c.x), std::ceil(c.y))
                   : field.drop_piece(&piece, std::floor(c.x), std::floor(c.y));
  }

  content_test::GameResources resources;
  test_support::LOGICAL_SCREEN screen;
  int clock = 0;
  int hovered_x = -1;
  int hovered_y = -1;
};

// Two levels of each world, a pack's last level among them.
const int kLevels[] = {1, 4, 10, 17, 23, 31, 38, 45};

TEST_P(BoardPicture, MatchesTheBoardDrawnLayerByLayer) {
  for (const int level : kLevels) {
    SCOPED_TRACE("level " + std::to_string(level));
    game::CLevel_Data data;
    ASSERT_TRUE(data.load(level)) << data.error();
    data.prepare_special_cells();
    puzzle_test::RecordingOwner owner;
    game::CLevel_Field field(&owner, &owner);
    field.init(data.header(), level);
    clock = 0;
    hovered_x = hovered_y = -1;
    expect_same(field, "intro start");
    field.set_intro_scroll_speed();
    KOR::frame_dt = 0.377f;
    field.intro_scroll_step();
    expect_same(field, "intro scrolling");
    KOR::frame_dt = 1000.0f;
    while (field.intro_scroll_step() != 0) {
    }
    expect_same(field, "play start");
    EXPECT_GE(field.view->board_picture.compositions, 1) << "composed at rest";

    const std::vector<test_support::LEVEL_ACTION> actions = test_support::stored_solution(level);
    ASSERT_FALSE(actions.empty());
    KOR::frame_dt = 0.05f;
    int laid = 0;
    size_t next = 0;
    size_t last = 0;
    for (; next < actions.size() && laid < 4; ++next) {
      const test_support::LEVEL_ACTION& a = actions[next];
      ASSERT_TRUE(act(field, a)) << a.type << " at " << a.x << ", " << a.y;
      if (a.destroy) continue;
      last = next;
      // A frame of the scroll toward the new open end and of the clocks.
      clock += 160;
      field.update(clock);
      if (++laid == 3) expect_same(field, "three pieces laid, scrolling");
    }
    // The scroll ends on its target, where the board rests.
    KOR::frame_dt = 1000.0f;
    field.update(clock);
    ASSERT_EQ(field.scroll_state, 0);
    hovered_x = actions[last].x;
    hovered_y = actions[last].y;
    field.set_hovered_cell(hovered_x, hovered_y);
    expect_same(field, "aiming at the last piece");
    field.clear_cell(hovered_x, hovered_y, false);
    hovered_x = hovered_y = -1;
    field.set_hovered_cell(-1, -1);
    expect_same(field, "the last piece destroyed");

    ASSERT_TRUE(act(field, actions[last])) << "laid again";
    for (; next < actions.size(); ++next) {
      const test_support::LEVEL_ACTION& a = actions[next];
      ASSERT_TRUE(act(field, a)) << a.type << " at " << a.x << ", " << a.y;
      field.update(clock);  // the board follows the open end, as for a player
    }
    ASSERT_TRUE(field.is_pipeline_complete());
    field.update(clock);
    KOR::frame_dt = 0.04f;
    field.start_water();
    for (int f = 0; f < 60; ++f) {
      clock += 40;
      field.update(clock);
    }
    expect_same(field, "water running");
  }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, BoardPicture,
                         ::testing::Values(KOR::kNarrowScreenWidth, KOR::kWideScreenWidth));

}  // namespace
