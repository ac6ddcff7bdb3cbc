#include "shell/CLOSE_UP_WINDOW.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "hud_scene.h"

namespace {

using game::CLOSE_UP_WINDOW;

// Frames of 0.1 s, a loop of 0.5 s after the first pass, a picture that
// grows for 1 s. The fixture's pictures are 64 × 32; the frames lie at
// (100, 50), the growing picture at (200, 100).
constexpr const char* kConfig =
    "<config><closeUpAnimationFrameTime text=\"0.1\"/>"
    "<closeUpAnimationTotalTimeAfterFirstPlay text=\"0.5\"/>"
    "<closeUpShowScaleTime text=\"%s\"/></config>";
constexpr int kFramesStart = 11000;  // the clock at which the picture is grown

class CloseUp : public ::testing::Test {
 protected:
  void SetUp() override { configure("1"); }
  void configure(const char* scale_time) {
    char text[256];
    std::snprintf(text, sizeof text, kConfig, scale_time);
    config.load_string(text);
    game::CGame_Config::instance().set_document(&config);
  }
  // A fresh close-up manager, as each pack end makes, with the window shown
  // for the pack and fully open.
  CLOSE_UP_WINDOW* open(const char* name, int pack) {
    windows = std::make_unique<KOR_GF::G_WINDOW_MANAGER>(&game::level_closeup_window_factory);
    windows->load_list("xml/Windows closeup_list.xml");
    windows->enable(name);
    auto* window = dynamic_cast<CLOSE_UP_WINDOW*>(windows->show(name));
    if (window == nullptr) return nullptr;
    window->pack = pack;
    for (int i = 0; i < 4; ++i) windows->update();
    return window;
  }
  static KOR::KC_GUI_IMAGE* image(const CLOSE_UP_WINDOW* window, unsigned int id) {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(window->gui()->find(id));
  }
  // The frames among 1..15 that show.
  static std::vector<int> shown(const CLOSE_UP_WINDOW* window) {
    std::vector<int> ids;
    for (int id = 1; id <= 15; ++id) {
      KOR::KC_GUI_IMAGE* frame = image(window, id);
      if (frame != nullptr && frame->visible) ids.push_back(id);
    }
    return ids;
  }
  // Grows the picture from 10 s on and runs frame steps 0.1 s apart; the
  // frame showing after each step, and whether the window is still open.
  static std::vector<int> play(CLOSE_UP_WINDOW* window, int steps) {
    window->update_animation(kFramesStart - 1000);
    window->update_animation(kFramesStart);
    std::vector<int> frames;
    for (int i = 1; i <= steps && window->is_open(); ++i) {
      window->update_animation(kFramesStart + 100 * i);
      frames.push_back(window->current_frame);
      EXPECT_EQ(shown(window), std::vector<int>{window->current_frame}) << "step " << i;
    }
    return frames;
  }

  shell_test::HUD_SCENE scene;
  pugi::xml_document config;
  std::unique_ptr<KOR_GF::G_WINDOW_MANAGER> windows;
};

TEST_F(CloseUp, LoopFrameByPack) {
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_6", 6);
  ASSERT_NE(window, nullptr);
  const int loop_frames[] = {5, 5, 3, 5, 5, 7, 5, 5, 4};
  for (int pack = 1; pack <= 9; ++pack) {
    window->pack = pack;
    EXPECT_EQ(window->loop_frame(), loop_frames[pack - 1]) << pack;
  }
}

TEST_F(CloseUp, OpeningShiftsThePicturesByHalfTheScreen) {
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_6", 6);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->frame_count, 9);
  EXPECT_EQ(window->scale_end, 0);
  for (unsigned int id = 1; id <= 9; ++id) {
    const KOR::KC_QUAD& quad = *image(window, id)->quad;
    EXPECT_EQ(quad.hot_spot(), KOR::HS_UL);
    EXPECT_EQ(quad.transform()->position.x, 100.0f - 512.0f);
    EXPECT_EQ(quad.transform()->position.y, 50.0f - 384.0f);
  }
  const KOR::KC_QUAD& picture = *image(window, 100)->quad;
  EXPECT_EQ(picture.hot_spot(), KOR::HS_MID);
  EXPECT_EQ(picture.transform()->position.x, 200.0f - 512.0f + 32.0f);
  EXPECT_EQ(picture.transform()->position.y, 100.0f - 384.0f + 16.0f);
}

TEST_F(CloseUp, ThePictureGrowsAboutItsCentreThenTheFramesStart) {
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_6", 6);
  ASSERT_NE(window, nullptr);
  window->update_animation(-1);  // no time: nothing starts
  EXPECT_EQ(window->scale_end, 0);
  struct STEP {
    int clock;
    float width, height;
    int next_frame_time;
  };
  const STEP steps[] = {{10000, 0, 0, -1},
                        {10500, 32, 16, -1},
                        {10750, 48, 24, -1},
                        {kFramesStart, 64, 32, kFramesStart + 100}};
  for (const STEP& s : steps) {
    window->update_animation(s.clock);
    const KOR::KC_QUAD& picture = *image(window, 100)->quad;
    EXPECT_EQ(image(window, 100)->visible, 1);
    EXPECT_EQ(picture.width(), s.width) << s.clock;
    EXPECT_EQ(picture.height(), s.height) << s.clock;
    EXPECT_EQ(picture.hot_spot(), KOR::HS_MID);
    EXPECT_EQ(window->next_frame_time, s.next_frame_time) << s.clock;
  }
  EXPECT_EQ(window->current_frame, 1);
  EXPECT_EQ(shown(window), std::vector<int>{1});
}

TEST_F(CloseUp, WithoutScaleTimeThePictureIsFullAtTheFirstUpdate) {
  configure("0");
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_6", 6);
  ASSERT_NE(window, nullptr);
  window->update_animation(5000);
  EXPECT_EQ(image(window, 100)->quad->width(), 64.0f);
  EXPECT_EQ(window->current_frame, 1);
}

// The first wrap comes at step 9 (or 3), so the window closes at the first
// step at or after 0.5 s later.
TEST_F(CloseUp, FramesPlayOnceThenLoopFromThePacksFrameUntilClosing) {
  struct CASE {
    const char* name;
    int pack;
    std::vector<int> frames;
  };
  const CASE cases[] = {
      {"CLOSE_UP_PACK_6", 6, {2, 3, 4, 5, 6, 7, 8, 9, 7, 8, 9, 7, 8, 9}},
      {"CLOSE_UP_PACK_3", 3, {2, 3, 3, 3, 3, 3, 3, 3}},
      // Pack 1's loop frame 5 is beyond three frames: the last one stays.
      {"CLOSE_UP_PACK_3", 1, {2, 3, 3, 3, 3, 3, 3, 3}},
  };
  for (const CASE& c : cases) {
    CLOSE_UP_WINDOW* window = open(c.name, c.pack);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(play(window, 100), c.frames) << c.name << " pack " << c.pack;
    EXPECT_FALSE(window->is_open());
  }
}

TEST_F(CloseUp, WithoutFramesItClosesAtTheFirstStepPlusTheLoopTime) {
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_1", 1);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->frame_count, 0);
  window->update_animation(kFramesStart - 1000);
  window->update_animation(kFramesStart);
  window->update_animation(kFramesStart + 100);  // the first step wraps at once
  EXPECT_EQ(window->first_pass_done, 1);
  EXPECT_EQ(window->close_time, kFramesStart + 600);
  window->update_animation(kFramesStart + 599);
  EXPECT_TRUE(window->is_open());
  window->update_animation(kFramesStart + 600);
  EXPECT_FALSE(window->is_open());
}

TEST_F(CloseUp, EveryOpeningStartsAfresh) {
  CLOSE_UP_WINDOW* window = open("CLOSE_UP_PACK_3", 3);
  ASSERT_NE(window, nullptr);
  play(window, 100);
  windows->show("CLOSE_UP_PACK_3");
  for (int i = 0; i < 4; ++i) windows->update();
  EXPECT_EQ(window->current_frame, 0);
  EXPECT_EQ(window->first_pass_done, 0);
  EXPECT_EQ(window->next_frame_time, -1);
  EXPECT_EQ(window->frame_count, 3);
  EXPECT_TRUE(shown(window).size() <= 1);
}

}  // namespace
