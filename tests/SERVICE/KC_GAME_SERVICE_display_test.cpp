#include <gtest/gtest.h>
#include <unistd.h>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "platform/KC_THREAD.h"
#include "platform/KC_WINDOW.h"
#include "platform/host.h"
#include "support/hook_slots.h"
#include "support/paths.h"

namespace {

int inits = 0;
int updates = 0;
int draws = 0;
int closes = 0;
int shutdowns = 0;
bool services_ready_at_init = false;

int on_init(void*) {
  ++inits;
  services_ready_at_init = KOR::engine_input && KOR::engine_window &&
                           KOR::engine_window->get_handle() && KOR::engine_timer &&
                           KOR::engine_random && KOR::engine_sound_system &&
                           KOR::engine_resource_manager && KOR::engine_file_system;
  return 7;
}

int on_update(void*) {
  // The close box is clicked during the fifth update step.
  if (++updates == 5) KOR::host_request_close();
  return 1;
}

int on_draw(void*) {
  ++draws;
  return 1;
}

int on_close(void*) {
  ++closes;
  KOR::engine_game->running = 0;
  return 1;
}

int on_shutdown(void*) {
  ++shutdowns;
  return 9;
}

}  // namespace

TEST(KC_GAME_SERVICE_display, StartsRunsFramesAndEndsWhenTheWindowIsClosed) {
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  KOR::KC_GAME_SERVICE* service = KOR::KC_GAME::fGetGame();
  KOR::engine_game = service;
  test_support::HOOK_SLOTS hooks;
  hooks.set(KOR::hook_init, &on_init);
  hooks.set(KOR::hook_update, &on_update);
  hooks.set(KOR::hook_draw, &on_draw);
  hooks.set(KOR::hook_close, &on_close);
  hooks.set(KOR::hook_shutdown, &on_shutdown);

  ASSERT_EQ(service->start("Aquavex service test"), 7) << "start returns the init hook's result";
  EXPECT_EQ(inits, 1);
  EXPECT_TRUE(services_ready_at_init) << "every service exists before the init hook";
  EXPECT_EQ(service->title, "Aquavex service test");
  EXPECT_EQ(service->desktop_resolution.x, KOR::desktop_size.x);
  EXPECT_GT(service->desktop_resolution.x, 0);

  service->update_cap = 0;
  service->render_cap = 0;
  EXPECT_EQ(service->run(), 9) << "run returns the shutdown hook's result";
  EXPECT_EQ(updates, 5);
  EXPECT_EQ(draws, 4) << "the pass whose pump saw the close draws nothing";
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(service->running, 0);
  EXPECT_TRUE(KOR::thread_list().empty()) << "the sound thread ended with the loop";
}
