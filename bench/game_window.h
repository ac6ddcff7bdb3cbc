#pragma once

// The game started as its main starts it, on its real window, from the
// assembled run-time folder with a fresh throw-away per-user folder
// holding one player who has seen the story's start, straight past the
// splashes to the title and with no frame limit; shared by the benchmarks
// of whole game frames. Each reports per frame the screens of pixels
// shaded, counted by the device, and the CPU time of the whole process (a
// software rasteriser's threads count too) beside a bare clear and swap of
// the same window measured in the same run.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "framework/G_PLAYERS.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"

namespace bench {

inline void frame(KOR::KC_GAME_SERVICE* game) {
  game->update_step();
  game->render_step();
}

inline KOR::KC_GAME_SERVICE* started_game() {
  static KOR::KC_GAME_SERVICE* service = []() -> KOR::KC_GAME_SERVICE* {
    const std::filesystem::path user =
        std::filesystem::temp_directory_path() / "aquavex-bench-user";
    std::filesystem::remove_all(user);
    setenv("XDG_DATA_HOME", user.c_str(), 1);
    if (chdir(AQUAVEX_RUNTIME_DIR) != 0) return nullptr;
    // AQUAVEX_BENCH_KEEP_FRAMES=0 measures the renderer that shades every
    // frame whole, for comparison with the game's, which keeps the last.
    const char* keep = getenv("AQUAVEX_BENCH_KEEP_FRAMES");
    KOR::KC_RENDER::keep_frames = keep == nullptr || keep[0] != '0';
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
    KOR::KC_RENDER::instance->get_device()->count_shaded(true);
    // A returning player, so that the title asks no name and Play leads to
    // the main panel.
    auto* player = dynamic_cast<game::gPlayer_Flumo*>(KOR_GF::players_create(L"Bench"));
    if (player == nullptr) return nullptr;
    player->lastComicsShowed = 1;
    KOR_GF::players_instance().current = player;
    game->update_cap = 0;
    game->render_cap = 0;
    // Straight past the splashes once the first is on screen: the loading
    // step runs behind it, and the cards the first hid come in after it was
    // drawn, then the title shows.
    game::G_LOADER_SCREEN* loader = game::loader_screen;
    if (loader == nullptr) return nullptr;
    frame(game);
    for (int i = 0; i < 100 && game::loading_screen_active; ++i) {
      loader->current = int32_t(loader->splashes.size());
      frame(game);
    }
    return game::loading_screen_active ? nullptr : game;
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

// Frames for that long on the game's clock, which is the wall clock: to let
// windows finish moving before their still frames are measured.
inline void run_for(KOR::KC_GAME_SERVICE* game, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) frame(game);
}

// The bare frame of the game's window, under the renderer: the back buffer's
// colour, depth and stencil cleared whole, and the swap.
inline void bare_frame() {
  KOR::KS_HOST_WINDOW* window = KOR::KC_RENDER::instance->window_handle;
  host_gl_make_current(window);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  const bool scissor = glIsEnabled(GL_SCISSOR_TEST);
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  host_gl_swap(window);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

inline void BM_BareClearAndSwap(benchmark::State& state) {
  if (game_or_skip(state) == nullptr) return;
  for (auto _ : state) bare_frame();
}

inline double process_cpu_ms() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The figures of the frames run from its making to `report`, which sets
// them as counters: screens_shaded (samples / the window's pixels), cpu_ms
// (process CPU), bare_ms (the bare frame's, measured then) and their ratio;
// with the draw calls and state changes of the last frame.
class FRAME_FIGURES {
 public:
  FRAME_FIGURES() : samples_(device()->shaded_samples()), cpu_ms_(process_cpu_ms()) {}

  void report(benchmark::State& state) {
    const double frames = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    const double cpu_ms = (process_cpu_ms() - cpu_ms_) / frames;
    const uint64_t samples = device()->shaded_samples() - samples_;
    int width = 0, height = 0;
    device()->drawable_size(&width, &height);
    state.counters["screens_shaded"] = double(samples) / frames / (double(width) * height);
    state.counters["cpu_ms"] = cpu_ms;
    state.counters["draws"] = KOR::KC_RENDER::instance->draw_call_count;
    state.counters["state_changes"] = KOR::KC_RENDER::instance->state_change_count;
    // As many bare frames as measured ones, within reason.
    const int bare_frames = int(std::clamp(frames, 10.0, 300.0));
    const double bare_start = process_cpu_ms();
    for (int i = 0; i < bare_frames; ++i) bare_frame();
    const double bare_ms = (process_cpu_ms() - bare_start) / bare_frames;
    state.counters["bare_ms"] = bare_ms;
    state.counters["ratio"] = cpu_ms / bare_ms;
  }

 private:
  static KOR::GPU* device() { return KOR::KC_RENDER::instance->get_device(); }

  uint64_t samples_;
  double cpu_ms_;
};

// Whole game frames, measured.
inline void measure_frames(benchmark::State& state, KOR::KC_GAME_SERVICE* game) {
  FRAME_FIGURES figures;
  for (auto _ : state) frame(game);
  figures.report(state);
}

}  // namespace bench

// Frame benchmarks time the wall clock and the whole process's CPU.
#define FRAME_BENCHMARK(name) \
  BENCHMARK(name)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond)
