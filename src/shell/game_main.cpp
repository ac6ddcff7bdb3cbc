#include "shell/game_main.h"

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "render/KC_RENDER.h"
#include "shell/CGame_App.h"

namespace game {

int32_t current_world_number = 0;
uint8_t game_ready = 0;

namespace {

constexpr int kGameMainDone = 100500;
constexpr int kStartFailed = -112;
constexpr int kRateCap = 60;
constexpr uint32_t kClearColor = 0xFF000000;

struct HOOK_BINDING {
  KOR::KC_CALLBACK** slot;
  KOR::KC_CALLBACK_FN function;
};

// In the order the hooks are created.
const HOOK_BINDING kHooks[] = {
    {&KOR::hook_update, &game_on_update},
    {&KOR::hook_draw, &game_on_draw},
    {&KOR::hook_init, &game_on_init},
    {&KOR::hook_key_down, &game_on_key_down},
    {&KOR::hook_key_up, &game_on_key_up},
    {&KOR::hook_mouse_move, &game_on_mouse_move},
    {&KOR::hook_focus_lost, &game_on_focus_lost},
    {&KOR::hook_focus_gained, &game_on_focus_gained},
    {&KOR::hook_shutdown, &game_on_shutdown},
    {&KOR::hook_close, &game_on_close},
};

void install_hooks() {
  for (const HOOK_BINDING& h : kHooks) *h.slot = KOR::callback_create(h.function, nullptr, nullptr);
}

// The slots are emptied before the callbacks go, so nothing can fire a freed
// one.
void remove_hooks() {
  for (const HOOK_BINDING& h : kHooks) {
    KOR::KC_CALLBACK* callback = *h.slot;
    *h.slot = nullptr;
    delete callback;
  }
}

void stop_running() {
  if (KOR::engine_game != nullptr) KOR::engine_game->running = 0;
}

const bool registered = (KOR::service_register_main(&game_main), true);

}  // namespace

int game_main(void*) {
  KOR::KC_GAME_SERVICE* service = KOR::KC_GAME::fGetGame();
  KOR::engine_game = service;
  install_hooks();
  // A start that failed has said why; running on would only leave a window
  // that never shows anything.
  if (service->start("Aquavex") != 1) {
    remove_hooks();
    return kStartFailed;
  }
  service->run();
  remove_hooks();
  return kGameMainDone;
}

int game_on_update(void*) { return 1; }

int game_on_draw(void*) { return 1; }

int game_on_init(void*) {
  current_level_number = 1;
  current_world_number = 1;
  KOR::engine_game->update_cap = kRateCap;
  KOR::engine_game->render_cap = kRateCap;
  if (KOR::KC_RENDER::instance != nullptr) {
    KOR::KC_RENDER::instance->clear_color = KOR::KS_COLOR(kClearColor);
  }
  game_ready = 1;
  return 1;
}

int game_on_key_down(void*) { return 1; }

int game_on_key_up(void*) { return 1; }

int game_on_mouse_move(void*) { return 1; }

int game_on_focus_lost(void*) { return 0; }

int game_on_focus_gained(void*) { return 0; }

int game_on_shutdown(void*) {
  stop_running();
  return 1;
}

int game_on_close(void*) {
  stop_running();
  return 1;
}

}  // namespace game
