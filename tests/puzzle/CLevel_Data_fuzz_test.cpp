#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/puzzle_fixture.h"

namespace {

using namespace game;

// Damages a level file the ways a broken download or a careless edit would:
// cut short, bytes changed, numbers replaced, pieces dropped or repeated.
std::string damage(std::string text, std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 5);
  const int edits = 1 + int(random() % 4);
  for (int e = 0; e < edits && !text.empty(); ++e) {
    const size_t at = random() % text.size();
    switch (kind(random)) {
      case 0:
        text.resize(at);
        break;
      case 1:
        text[at] = char(random() % 256);
        break;
      case 2: {
        static const char* numbers[] = {"-1",   "0",   "1",   "3",          "7",           "16",
                                        "45",   "90",  "135", "2147483647", "-2147483648", "300",
                                        "4501", "1e9", "nan", "",           "99999999999"};
        const size_t end = text.find('"', at + 1);
        const size_t start = text.rfind('"', at);
        if (start != std::string::npos && end != std::string::npos && start < end) {
          text.replace(start + 1, end - start - 1, numbers[random() % 17]);
        }
        break;
      }
      case 3:
        text.erase(at, random() % 40);
        break;
      case 4:
        text.insert(at, text.substr(at, random() % 120));
        break;
      default: {
        const size_t line = text.find('\n', at);
        if (line != std::string::npos) text.erase(at, line - at);
        break;
      }
    }
  }
  return text;
}

class DamagedLevelTest : public puzzle_test::PlayFixture {};

int draw_seeded() {
  static std::mt19937 random(7);
  return int(random() % 32768);
}

TEST_F(DamagedLevelTest, ReaderNeverCrashesAndAcceptedLevelsPlay) {
  const std::vector<std::string> sources = {puzzle_test::fixture_text("straight_up.xml"),
                                            puzzle_test::fixture_text("two_cell_coins.xml"),
                                            puzzle_test::fixture_text("bonus_branch.xml")};
  std::mt19937 random(20261210);
  int accepted = 0;
  for (int n = 0; n < 10000; ++n) {
    const std::string text = damage(sources[size_t(n) % sources.size()], random);
    CLevel_Data level;
    if (!level.load_bytes(n % 45 + 1, text.data(), text.size())) {
      ASSERT_FALSE(level.error().empty());
      continue;
    }
    ++accepted;
    level.prepare_special_cells();
    level.randomize_obstacles(draw_seeded);
    CLevel_Field board;
    board.init(level.header(), 1);
    board.set_intro_scroll_speed();
    for (int step = 0; step < 5 && board.intro_scroll_step() != 0; ++step) {
    }
    // Every piece at every angle at a few points, on and off the board.
    for (int k = 0; k < 12; ++k) {
      CPipe_Sprite p;
      p.load_sprite(1 + int(random() % 12));
      p.set_angle_degrees(float(90 * (random() % 4)));
      const float sx = board.origin_x + float(int(random() % 500) - 100);
      const float sy = board.origin_y + float(int(random() % 500) - 100);
      if (board.can_place_piece(&p, sx, sy)) board.drop_piece(&p, sx, sy);
      board.take_coins(&p, sx, sy);
      board.clear_cell(int(random() % 12) - 2, int(random() % 12) - 2, k % 2 == 0);
    }
    board.is_pipeline_complete();
    board.check_equipment_connection();
    board.start_water();
    for (int frame = 0; frame < 5; ++frame) board.advance_water();
  }
  // The damage leaves a fair share of files readable, so the play above ran.
  EXPECT_GT(accepted, 100);
}

}  // namespace
