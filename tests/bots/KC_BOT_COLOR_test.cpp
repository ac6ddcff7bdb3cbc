#include "bots/KC_BOT_COLOR.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::Mesh;
using bots_test::run_frames;

namespace {

struct FadeCase {
  const char* what;
  uint32_t start;
  uint32_t end;
  float duration;
  float delay;
  float dt;
  std::vector<uint32_t> colors;  // after each update; the last is the end's
};

const FadeCase kFades[] = {
    {"splash fade-out",
     0xFFFFFFFF,
     0x00FFFFFF,
     1.0f,
     0.0f,
     0.25f,
     {0xFFFFFFFF, 0xBFFFFFFF, 0x7FFFFFFF, 0x3FFFFFFF, 0x00FFFFFF}},
    {"every channel",
     0xFF102030,
     0x80F0E0D0,
     0.5f,
     0.0f,
     0.25f,
     {0xFF102030, 0xBF808080, 0x80F0E0D0}},
    {"no duration", 0xFF000000, 0x80402010, 0.0f, 0.0f, 0.25f, {0x80402010}},
    {"delayed",
     0xFF000000,
     0x00000000,
     0.5f,
     0.5f,
     0.25f,
     {0xFF000000, 0xFF000000, 0xFF000000, 0x7F000000, 0x00000000}},
    {"negative delay counts as none",
     0xFF000000,
     0x00000000,
     0.5f,
     -1.0f,
     0.25f,
     {0xFF000000, 0x7F000000, 0x00000000}},
};

}  // namespace

TEST(BotColor, FadesMeshAndVariableOverTheFrames) {
  for (const FadeCase& c : kFades) {
    for (bool variable : {false, true}) {
      Mesh mesh(4, c.start);
      uint32_t color = c.start;
      CallCounter counter;
      KC_BASE* fade =
          variable ? static_cast<KC_BASE*>(new KC_BOT_COLOR_KS(&color, c.duration, c.end, c.delay))
                   : new KC_BOT_COLOR(&mesh.list, c.duration, c.end, c.delay);
      EXPECT_EQ(fade->name, "bot_color");
      EXPECT_EQ(fade->sort_key, kBotSortKey);
      EXPECT_EQ(fade->draw_group, 0);
      fade->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
      const int frames = static_cast<int>(c.colors.size());
      const auto run = run_frames(fade, c.dt, frames + 1, [&](int frame) {
        const uint32_t now = variable ? color : mesh.color();
        const uint32_t expected = c.colors[static_cast<size_t>(std::min(frame, frames) - 1)];
        EXPECT_EQ(now, expected) << c.what << " frame " << frame << (variable ? " (variable)" : "");
        EXPECT_EQ(counter.calls, frame >= frames ? 1 : 0) << c.what << " frame " << frame;
      });
      EXPECT_EQ(ended_on(run), frames) << c.what;
      EXPECT_EQ(run.deleted_on, frames) << c.what;
    }
  }
}

TEST(BotColor, DelayedFadeStartsFromTheColourTheMeshHasWhenTheDelayEnds) {
  Mesh mesh(4, 0xFF000000);
  run_frames(new KC_BOT_COLOR(&mesh.list, 0.5f, 0x00000000, 0.5f), 0.25f, 3, [&](int frame) {
    if (frame == 1) mesh.list.set_color(0x80FFFFFF);
    if (frame == 3) {
      EXPECT_EQ(mesh.color(), 0x80FFFFFFu);
    }
  });
}

TEST(BotColor, FinishWritesTheEndOnceAndTheFadeEndsAfterItsDelay) {
  FrameTime time(0.25f);
  Mesh mesh(4, 0xFFFFFFFF);
  CallCounter counter;
  KC_BOT_COLOR fade(&mesh.list, 1.0f, 0x00FFFFFF, 0.5f);
  fade.process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  EXPECT_EQ(fade.process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE);
  EXPECT_EQ(mesh.color(), 0x00FFFFFFu);
  EXPECT_EQ(counter.calls, 1);
  mesh.list.set_color(0xFF000000);
  EXPECT_EQ(bots_test::update(fade), BOT_RESULT_CONTINUE);  // delay
  EXPECT_EQ(bots_test::update(fade), BOT_RESULT_CONTINUE);  // delay ends
  EXPECT_EQ(mesh.color(), 0xFF000000u);
  EXPECT_EQ(bots_test::update(fade), BOT_RESULT_REMOVE);
  EXPECT_EQ(mesh.color(), 0x00FFFFFFu);
  EXPECT_EQ(counter.calls, 1);
}
