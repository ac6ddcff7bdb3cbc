#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "e2e_game.h"
#include "gui/KC_GUI_IMAGE.h"
#include "level/CLevel_Tape.h"
#include "level/CScene_Level.h"
#include "render/KC_TEXTURE.h"
#include "shell/CGame_App.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "support/level_player.h"

namespace {

using game::CScene_Level;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

constexpr unsigned kPicture = 100;

CScene_Level& scene() { return *LEVEL_PLAYER::scene(); }

// What a player sees of the close-up in one frame: the picture's width
// while it shows, the frame over it (0 when none).
struct SEEN {
  float width = 0.0f;
  int frame = 0;
};

SEEN seen(const game::CLOSE_UP_WINDOW& closeup) {
  SEEN out;
  if (const auto* picture = dynamic_cast<const KOR::KC_GUI_IMAGE*>(closeup.gui()->find(kPicture))) {
    if (picture->visible && picture->quad) out.width = picture->quad->width();
  }
  for (unsigned id = 1; id <= 15; ++id) {
    const KOR::KC_GUI_OBJECT* frame = closeup.gui()->find(id);
    if (frame != nullptr && frame->visible) out.frame = static_cast<int>(id);
  }
  return out;
}

// The last level of the first pack won from the tape: the board scrolls
// away, pack 1's close-up grows its picture, plays its frames once and then
// loops from frame 5, the level's panels make way and the tape is emptied;
// the close-up closes by itself and only then the finish window opens.
TEST(closeup_e2e, WinningLevelFiveShowsPackOnesCloseUpBeforeTheFinish) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(5));
    ASSERT_TRUE(level.lay_solution(5, test_support::stored_solution(5).size()));
    ASSERT_TRUE(p.wait_until([] { return scene().state == CScene_Level::STATE_PACK_CLOSEUP; },
                             "the close-up", 4 * SCRIPTED_PLAYER::kPatience));
    EXPECT_FALSE(p.is_open("WINDOW_FINISH"));
    const auto* closeup = dynamic_cast<const game::CLOSE_UP_WINDOW*>(
        scene().closeup_windows().find("CLOSE_UP_PACK_1"));
    ASSERT_NE(closeup, nullptr);
    EXPECT_EQ(closeup->pack, 1);

    std::vector<float> widths;
    std::vector<int> frames;
    bool closed_first = false;
    ASSERT_TRUE(p.wait_until(
        [&] {
          const SEEN now = seen(*closeup);
          if (now.width > 0.0f && (widths.empty() || widths.back() != now.width)) {
            widths.push_back(now.width);
          }
          if (now.frame != 0 && (frames.empty() || frames.back() != now.frame)) {
            frames.push_back(now.frame);
          }
          if (!p.is_open("WINDOW_FINISH")) return false;
          closed_first = !closeup->is_open();
          return true;
        },
        "the finish window after the close-up"));

    EXPECT_TRUE(closed_first) << "the close-up closes before the result shows";
    EXPECT_EQ(scene().state, CScene_Level::STATE_WON);
    EXPECT_TRUE(scene().tape->slots().empty()) << "the tape emptied for the close-up";

    // The picture grows from small to its own size.
    ASSERT_GE(widths.size(), 3u);
    EXPECT_LT(widths.front(), widths.back() / 2.0f);
    for (size_t i = 1; i < widths.size(); ++i) EXPECT_GT(widths[i], widths[i - 1]);
    const auto* picture = dynamic_cast<const KOR::KC_GUI_IMAGE*>(closeup->gui()->find(kPicture));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(widths.back(), static_cast<float>(picture->quad->texture()->size().x));

    // Frames 1..N once, then round the loop from frame 5 at least once.
    const int count = closeup->frame_count;
    ASSERT_GE(count, 5);
    ASSERT_GE(frames.size(), static_cast<size_t>(2 * count - 4));
    for (int i = 0; i < count; ++i) EXPECT_EQ(frames[static_cast<size_t>(i)], i + 1);
    for (size_t i = static_cast<size_t>(count); i < frames.size(); ++i) {
      const int previous = frames[i - 1];
      EXPECT_EQ(frames[i], previous == count ? 5 : previous + 1) << "step " << i;
    }
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
