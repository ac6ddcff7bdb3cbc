#include "SERVICE/engine_hooks.h"

#include <gtest/gtest.h>

#include <memory>

#include "SERVICE/engine_globals.h"
#include "foundation/KC_CALLBACK.h"
#include "render/KC_RENDER.h"

using namespace KOR;

TEST(engine_hooks, EverySlotAndGlobalStartsEmpty) {
  KC_CALLBACK* const slots[] = {
      hook_main,     hook_init,        hook_update,     hook_draw,         hook_key_down,
      hook_key_up,   hook_mouse_move,  hook_focus_lost, hook_focus_gained, hook_close,
      hook_shutdown, hook_before_loop, hook_error,      hook_frame,        hook_release_resource};
  for (KC_CALLBACK* slot : slots) EXPECT_EQ(slot, nullptr);
  const void* const globals[] = {
      engine_input,  engine_window,       KC_RENDER::instance,     engine_timer,
      engine_random, engine_sound_system, engine_resource_manager, engine_file_system,
      engine_game};
  for (const void* g : globals) EXPECT_EQ(g, nullptr);
  EXPECT_EQ(frame_dt.load(), 0.0f);
}

TEST(engine_hooks, FiringAnEmptySlotDoesNothing) {
  engine_last_error = "texture missing";
  EXPECT_EQ(callback_invoke(hook_error, nullptr), -108);
  EXPECT_EQ(callback_invoke(hook_key_down, callback_arg(13)), -108);
}

TEST(engine_hooks, AFilledSlotGetsTheKeyCode) {
  static intptr_t seen = 0;
  std::unique_ptr<KC_CALLBACK> cb(callback_create(
      [](void* arg) {
        seen = callback_arg_value(arg);
        return 1;
      },
      nullptr, nullptr));
  hook_key_down = cb.get();
  EXPECT_EQ(callback_invoke(hook_key_down, callback_arg(2)), 1);
  EXPECT_EQ(seen, 2);
  hook_key_down = nullptr;
}
