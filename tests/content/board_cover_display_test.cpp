// The board as the game draws it on a real window, in both logical widths:
// every level's first screens (where its intro starts and where play
// starts) and every pack's close-up over the picture the board scrolls to.
// The board alone must cover the whole screen; a pixel still showing the
// clear colour is a hole the player would see as a black band. A screen
// with holes is saved as build/test/board_previews/<screen>_<width>.png.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/screen_layout.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "platform/host.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/window_factory.h"
#include "support/game_resources.h"
#include "support/images.h"
#include "support/logical_screen.h"
#include "support/puzzle_fixture.h"

namespace {

constexpr int kHeight = KOR::kScreenHeight;
constexpr int kLevels = 45;
// Never drawn by the game's art, so a pixel of it was not drawn at all.
constexpr uint32_t kUncovered = 0xFFFF00FFu;

// Where the clear colour still shows: the box around it and the rows and
// columns it fills from edge to edge.
struct HOLES {
  long count = 0;
  int left = 0, top = 0, right = -1, bottom = -1;
  std::vector<int> rows, columns;
};

HOLES holes_in(const std::vector<uint32_t>& pixels, int width) {
  HOLES h;
  h.left = width;
  h.top = kHeight;
  std::vector<int> per_column(static_cast<size_t>(width), 0);
  for (int y = 0; y < kHeight; ++y) {
    int in_row = 0;
    for (int x = 0; x < width; ++x) {
      if (pixels[static_cast<size_t>(y * width + x)] != kUncovered) continue;
      ++h.count;
      ++in_row;
      ++per_column[static_cast<size_t>(x)];
      h.left = std::min(h.left, x);
      h.right = std::max(h.right, x);
      h.top = std::min(h.top, y);
      h.bottom = std::max(h.bottom, y);
    }
    if (in_row == width) h.rows.push_back(y);
  }
  for (int x = 0; x < width; ++x) {
    if (per_column[static_cast<size_t>(x)] == kHeight) h.columns.push_back(x);
  }
  return h;
}

std::string describe(const HOLES& h) {
  std::ostringstream out;
  out << h.count << " pixels not drawn, within x " << h.left << ".." << h.right << ", y " << h.top
      << ".." << h.bottom << "; " << h.columns.size() << " whole columns, " << h.rows.size()
      << " whole rows";
  return out.str();
}

class BoardCover : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    const int width = GetParam();
    if (!screen.open("board", width, kHeight, kUncovered)) {
      GTEST_SKIP() << "no display: " << KOR::host_error();
    }
    ASSERT_NE(screen.render, nullptr);
    ASSERT_TRUE(resources.config_loaded);
    folder = std::filesystem::path(test_support::runtime_dir()).parent_path() / "board_previews";
    std::filesystem::create_directories(folder);
  }

  void TearDown() override {
    KOR::auto_position_screen_width = KOR::kNarrowScreenWidth;
    KOR::frame_dt = 0.0f;
  }

  // Draws the board (and the close-up windows over it), reads the picture
  // back and expects it whole; a picture with holes is saved.
  void expect_covered(game::CLevel_Field& field, KOR_GF::G_WINDOW_MANAGER* closeups,
                      const std::string& screen_name) {
    const int width = GetParam();
    ASSERT_EQ(screen.render->begin_frame(), 1);
    field.draw(0, -1, -1);
    if (closeups) closeups->draw();
    const std::vector<uint32_t> pixels = screen.end_frame();
    ASSERT_FALSE(pixels.empty());
    const HOLES h = holes_in(pixels, width);
    EXPECT_EQ(h.count, 0) << screen_name << ": " << describe(h);
    if (h.count == 0) return;
    const std::vector<unsigned char> png = test_support::encode_png(width, kHeight, pixels);
    std::ofstream(folder / (screen_name + "_" + std::to_string(width) + ".png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }

  content_test::GameResources resources;
  test_support::LOGICAL_SCREEN screen;
  std::filesystem::path folder;
};

// A frame long enough for any scroll to reach its end in one step.
constexpr float kLongFrame = 1000.0f;

TEST_P(BoardCover, EveryLevelCoversTheScreenWhereItsIntroAndItsPlayStart) {
  for (int level = 1; level <= kLevels; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    game::CLevel_Data data;
    ASSERT_TRUE(data.load(level)) << data.error();
    data.prepare_special_cells();
    game::CLevel_Field field;
    field.init(data.header(), level);
    const std::string name = "level" + std::to_string(level);
    expect_covered(field, nullptr, name + "_intro");
    field.set_intro_scroll_speed();
    KOR::frame_dt = kLongFrame;
    ASSERT_EQ(field.intro_scroll_step(), 0);
    expect_covered(field, nullptr, name + "_play");
  }
}

// The last level of each pack, won: the board scrolls down to the pack's
// picture and the close-up opens over it at full size.
TEST_P(BoardCover, EveryPackCloseUpStandsOnAWholeScreen) {
  for (int pack = 1; pack <= kLevels / 5; ++pack) {
    const int level = 5 * pack;
    SCOPED_TRACE("level " + std::to_string(level));
    game::CLevel_Data data;
    ASSERT_TRUE(data.load(level)) << data.error();
    data.prepare_special_cells();
    puzzle_test::RecordingOwner owner;
    game::CLevel_Field field(&owner, &owner);
    field.init(data.header(), level);
    field.set_intro_scroll_speed();
    KOR::frame_dt = kLongFrame;
    ASSERT_EQ(field.intro_scroll_step(), 0);
    // The end scroll as the water's end starts it on a pack's last level.
    field.target_y = static_cast<float>(field.pack_gap) + field.intro_y + kHeight;
    field.scroll_direction = game::SCROLL_DOWN;
    field.scroll_state = 2;
    field.update(0);
    ASSERT_EQ(owner.closeups, 1) << "the end scroll reached the pack picture";

    KOR_GF::G_WINDOW_MANAGER closeups(&game::level_closeup_window_factory);
    ASSERT_TRUE(closeups.load_list("xml/Game CloseUpWindows.xml"));
    const std::string name = "CLOSE_UP_PACK_" + std::to_string(pack);
    ASSERT_NE(closeups.show(name), nullptr);
    closeups.enable(name);
    auto* closeup = dynamic_cast<game::CLOSE_UP_WINDOW*>(closeups.find(name));
    ASSERT_NE(closeup, nullptr);
    closeup->pack = pack;
    KOR::frame_dt = 0.05f;
    for (int step = 0; step < 40; ++step) closeups.update();
    closeup->update_animation(1000);
    closeup->update_animation(1000 + static_cast<int>(closeup->scale_time * 1000.0f) + 1);
    ASSERT_EQ(closeup->current_frame, 1) << "the picture at full size, its first frame over it";
    expect_covered(field, &closeups, "closeup" + std::to_string(pack));
  }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, BoardCover,
                         ::testing::Values(KOR::kNarrowScreenWidth, KOR::kWideScreenWidth));

}  // namespace
