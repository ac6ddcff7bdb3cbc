#include "SERVICE/KC_GAME_SERVICE.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "platform/KC_INPUT.h"
#include "platform/KC_THREAD.h"
#include "platform/KC_TIMER.h"
#include "platform/KC_WINDOW.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "support/fake_clock.h"
#include "support/hook_slots.h"
#include "support/paths.h"

using KOR::KC_GAME_SERVICE;
using test_support::FAKE_CLOCK;

namespace {

int updates = 0;
int draws = 0;
int clear_running_on_update = 0;  // the update step that clears `running`

int on_update(void*) {
  ++updates;
  if (updates == clear_running_on_update) KOR::engine_game->running = 0;
  return 1;
}

int on_draw(void*) {
  ++draws;
  return 1;
}

// The loop's pieces with a scripted clock and no display: the update step's
// pump finds no events, the render step draws on a recording device.
class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The service's file system makes "Resources" below the start folder current.
    ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
    service = new KC_GAME_SERVICE;
    KOR::engine_game = service;
    KOR::engine_input = &input;
    KOR::engine_timer = &timer;
    KOR::KC_RENDER::instance = &render;
    ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1);
    timer.output = &KOR::frame_dt;
    updates = 0;
    draws = 0;
    clear_running_on_update = 0;
    hooks.set(KOR::hook_update, &on_update);
    hooks.set(KOR::hook_draw, &on_draw);
  }
  void TearDown() override {
    KOR::engine_input = nullptr;
    KOR::engine_timer = nullptr;
    KOR::KC_RENDER::instance = nullptr;
    KOR::engine_game = nullptr;
    delete service;
  }

  // Passes of the frame loop until the clock reaches `until_ms`; each pass
  // costs one millisecond besides its sleep.
  void run_until(uint32_t until_ms) {
    service->running = 1;
    while (clock.now < until_ms) {
      ASSERT_EQ(service->frame(), 1);
      clock.now += 1;
    }
  }

  FAKE_CLOCK clock;
  KOR::KC_INPUT input;
  KOR::KC_TIMER timer;
  KOR::KC_RENDER render{std::make_unique<KOR::GPU_NULL>()};
  KC_GAME_SERVICE* service = nullptr;
  test_support::HOOK_SLOTS hooks;
};

}  // namespace

TEST_F(ServiceTest, RecordStartsWithItsDefaults) {
  EXPECT_EQ(service->title, "Korvane Game");
  EXPECT_EQ(service->resolution.x, 1024);
  EXPECT_EQ(service->resolution.y, 768);
  EXPECT_EQ(service->render_cap, 60);
  EXPECT_EQ(service->update_cap, 0);
  EXPECT_EQ(service->running, 0);
  EXPECT_NE(KOR::engine_file_system, nullptr);
  EXPECT_EQ(KOR::KC_GAME::fGetGame(), KOR::KC_GAME::fGetGame());
}

TEST_F(ServiceTest, UpdateLimiter) {
  service->update_cap = 0;
  clock.now = 3;
  EXPECT_TRUE(service->update_limiter()) << "no cap: always";
  EXPECT_TRUE(clock.sleeps.empty());

  service->update_cap = 60;
  service->update_time = 0.0f;
  service->update_frames = 0;
  clock.now += 11;  // 5.67 ms before the first slot at 16.67 ms
  EXPECT_FALSE(service->update_limiter());
  ASSERT_EQ(clock.sleeps.size(), 1u);
  EXPECT_EQ(clock.sleeps[0], 5u) << "sleeps the rest of the slot, truncated";

  service->update_cap = 50;
  service->update_time = 0.0f;
  service->update_frames = 0;
  clock.now += 20;  // exactly the first slot of 20 ms
  EXPECT_TRUE(service->update_limiter()) << "reaching the slot exactly lets the step run";
  EXPECT_EQ(clock.sleeps.size(), 1u);
}

TEST_F(ServiceTest, RenderLimiterNeverSleeps) {
  service->render_cap = 60;
  clock.now = 5;
  EXPECT_FALSE(service->render_limiter());
  clock.now = 17;
  EXPECT_TRUE(service->render_limiter());
  EXPECT_TRUE(clock.sleeps.empty());
  service->render_cap = 0;
  EXPECT_TRUE(service->render_limiter());
}

TEST_F(ServiceTest, CapsHoldOverSecondsAndTheRatesAreMeasured) {
  service->update_cap = 60;
  service->render_cap = 60;
  run_until(3000);
  // Three seconds: 60 steps of each kind per second. Passes whose update
  // step is refused still try the render step; they must not draw extra.
  EXPECT_NEAR(updates, 180, 2);
  EXPECT_NEAR(draws, 180, 2);
  EXPECT_EQ(service->measured_update_rate, 60);
  EXPECT_EQ(service->measured_render_rate, 60);
  EXPECT_NEAR(KOR::frame_dt.load(), 1.0f / 60.0f, 0.002f);
}

TEST_F(ServiceTest, NoCapsRunEveryStepWithoutSleeping) {
  service->update_cap = 0;
  service->render_cap = 0;
  run_until(50);
  EXPECT_EQ(updates, 50);
  EXPECT_EQ(draws, 50);
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_FLOAT_EQ(KOR::frame_dt.load(), 0.001f);
}

TEST_F(ServiceTest, ClearingRunningInTheUpdateEndsThePassBeforeItsRender) {
  service->update_cap = 0;
  service->render_cap = 0;
  clear_running_on_update = 2;
  service->running = 1;
  EXPECT_EQ(service->frame(), 1);
  EXPECT_EQ(service->frame(), -109);
  EXPECT_EQ(updates, 2);
  EXPECT_EQ(draws, 1);
  EXPECT_EQ(service->frame(), -109) << "nothing runs while `running` is clear";
  EXPECT_EQ(updates, 2);
}

// Every drawn step is one whole frame on the renderer: cleared to the
// renderer's colour, then the draw hook, then shown.
TEST_F(ServiceTest, EachRenderStepClearsDrawsAndPresentsAFrame) {
  auto* device = static_cast<KOR::GPU_NULL*>(render.get_device());
  render.clear_color = KOR::KS_COLOR(0xFF000000);
  hooks.set(
      KOR::hook_draw,
      [](void* log) {
        static_cast<std::vector<std::string>*>(log)->push_back("draw hook");
        return 1;
      },
      &device->calls);
  service->update_cap = 0;
  service->render_cap = 0;
  device->calls.clear();
  run_until(2);

  const std::vector<std::string> frame = {"begin_scene", "clear 7 FF000000 1 0", "draw hook",
                                          "end_scene", "present"};
  std::vector<std::string> expected;
  for (int i = 0; i < 2; ++i) expected.insert(expected.end(), frame.begin(), frame.end());
  std::vector<std::string> seen;
  for (const std::string& call : device->calls) {
    if (std::find(frame.begin(), frame.end(), call) != frame.end()) seen.push_back(call);
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(ServiceTest, RunNeedsTheCoreServices) {
  KOR::KC_RENDER::instance = nullptr;
  EXPECT_EQ(service->run(), 0);
  KOR::KC_RENDER::instance = &render;
  KOR::engine_input = nullptr;
  EXPECT_EQ(service->run(), 0);
  EXPECT_EQ(service->running, 0);
  EXPECT_EQ(service->sound_thread_record, nullptr);
  EXPECT_TRUE(KOR::thread_list().empty()) << "no sound thread";
}

TEST_F(ServiceTest, DisplayModeChangesOnlyWhenSomethingDiffers) {
  KOR::KC_WINDOW window;
  KOR::engine_window = &window;
  window.width = 1;  // marks that the window was not touched
  service->set_display_mode(1024, 768, false, false);
  EXPECT_EQ(window.width, 1);

  KOR::desktop_size = KOR::KS_IVECTOR2{1920, 1080};
  service->set_display_mode(1024, 768, true, true);
  EXPECT_EQ(service->full_screen, 1);
  EXPECT_EQ(service->stretch_to_desktop, 1);
  EXPECT_EQ(window.width, 1024);
  EXPECT_EQ(window.full_screen, 1);
  EXPECT_FLOAT_EQ(window.picture_scale, 1.40625f);

  service->set_display_mode(1366, 768, true, true);
  EXPECT_EQ(service->resolution.x, 1366);
  EXPECT_EQ(window.width, 1366);
  KOR::engine_window = nullptr;
}

TEST_F(ServiceTest, ReleasingUnknownDataChangesNothing) {
  KOR::KC_RESOURCE_MANAGER manager;
  KOR::engine_resource_manager = &manager;
  int unknown = 0;
  EXPECT_EQ(KC_GAME_SERVICE::release_resource_by_data(&unknown), 0);
  KOR::engine_resource_manager = nullptr;
}

namespace {

std::atomic<int> main_result{0};
int game_main_stand_in(void*) { return main_result; }

}  // namespace

TEST(KC_GAME_SERVICE, ExitStatusOfTheGameMain) {
  EXPECT_EQ(KOR::service_main(), 1) << "nothing registered";
  KOR::service_register_main(&game_main_stand_in);
  EXPECT_NE(KOR::hook_close, nullptr) << "a close hook until the game sets its own";
  main_result = 100500;
  EXPECT_EQ(KOR::service_main(), 0) << "the normal end";
  main_result = -112;
  EXPECT_EQ(KOR::service_main(), 1);
  main_result = 0;
  EXPECT_EQ(KOR::service_main(), 1);
  KOR::hook_main = nullptr;
  KOR::hook_close = nullptr;
}
