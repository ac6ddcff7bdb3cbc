#pragma once

// The game started as its main starts it, on its real window, from the
// assembled run-time folder with a throw-away per-user folder, straight
// past the splashes to the title and with no frame limit; shared by the
// benchmarks of whole game frames.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "render/KC_RENDER.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/game_main.h"

namespace bench {

inline KOR::KC_GAME_SERVICE* started_game() {
  static KOR::KC_GAME_SERVICE* service = []() -> KOR::KC_GAME_SERVICE* {
    const std::string user = std::filesystem::temp_directory_path() / "aquavex-bench-user";
    setenv("XDG_DATA_HOME", user.c_str(), 1);
    if (chdir(AQUAVEX_RUNTIME_DIR) != 0) return nullptr;
    KOR::KC_GAME_SERVICE* game = KOR::KC_GAME::fGetGame();
    KOR::engine_game = game;
    // The game's hooks, kept as long as the game runs: for the whole program.
    static const auto init = KOR::callback_create(&game::game_on_init, nullptr, nullptr);
    static const auto update = KOR::callback_create(&game::game_on_update, nullptr, nullptr);
    static const auto draw = KOR::callback_create(&game::game_on_draw, nullptr, nullptr);
    KOR::hook_init = init.get();
    KOR::hook_update = update.get();
    KOR::hook_draw = draw.get();
    if (game->start("Aquavex") != 1) return nullptr;
    game->running = 1;
    // Straight past the splashes, as after the last one.
    game::loading_screen_active = 0;
    game::show_title_screen();
    game->update_cap = 0;
    game->render_cap = 0;
    return game;
  }();
  return service;
}

// Null, with the benchmark marked skipped, when the game cannot start.
inline KOR::KC_GAME_SERVICE* game_or_skip(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = started_game();
  if (game == nullptr)
    state.SkipWithError("the game cannot start here (no display or no run-time folder)");
  return game;
}

// The draw calls and state changes of the last frame, as counters.
inline void report_batches(benchmark::State& state) {
  state.counters["draws"] = KOR::engine_render->draw_call_count;
  state.counters["state_changes"] = KOR::engine_render->state_change_count;
}

// The bare frame of the same window: clear and swap.
inline void BM_BareClearAndSwap(benchmark::State& state) {
  if (game_or_skip(state) == nullptr) return;
  for (auto _ : state) {
    KOR::engine_render->begin_frame();
    KOR::engine_render->end_frame();
  }
}

}  // namespace bench
