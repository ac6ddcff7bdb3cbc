// CPU cost of one frame on a real 1024 × 768 window without vertical sync:
// a bare clear and swap of the buffers (and one that leaves the stencil, as
// the frame once did) next to the renderer's empty frame
// (the screen after the splashes) and the loader screen's splash cards,
// steady and in the middle of a fade, on the assembled run-time folder of
// this build. The CPU time is the whole process's, so the threads of a
// software rasteriser count too. Needs a display (xvfb-run); without one
// every benchmark is skipped.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/game_repositories.h"

namespace {

using namespace KOR;

// The window, renderer and resources every benchmark shares; null without
// a display.
struct SCREEN {
  KS_HOST_WINDOW* window = nullptr;
  std::unique_ptr<KC_FILE_SYSTEM> files;
  std::unique_ptr<KC_RENDER> render;
  std::unique_ptr<KC_RESOURCE_MANAGER> resources;
};

SCREEN* screen() {
  static SCREEN* made = [] {
    auto* s = new SCREEN;
    // The build puts benchmarks in <build>/bench and the run-time folder in
    // <build>/run, whose "Resources" the file system makes current.
    const auto exe = std::filesystem::canonical("/proc/self/exe");
    std::filesystem::current_path(exe.parent_path().parent_path() / "run");
    s->files = std::make_unique<KC_FILE_SYSTEM>();
    s->window = host_window_create("frame benchmark", 1024, 768);
    if (s->window == nullptr) return s;
    s->render = std::make_unique<KC_RENDER>();
    if (s->render->init(s->window, 0.1f, 0.0f) != 1) {
      s->window = nullptr;
      return s;
    }
    host_gl_set_swap_interval(0);
    s->render->clear_color = KS_COLOR(0xFF000000);
    s->resources = std::make_unique<KC_RESOURCE_MANAGER>();
    game::mount_repositories(s->resources.get());
    engine_resource_manager = s->resources.get();
    auto_position_screen_width = 1024;
    auto_position_screen_height = 768;
    return s;
  }();
  return made;
}

bool ready(benchmark::State& state) {
  if (screen()->window != nullptr) return true;
  state.SkipWithError("no display");
  return false;
}

// The buffers cleared with the given bits and swapped; state.range(0) 0
// clears colour, depth and stencil, 1 leaves the stencil, which shares its
// storage with the depth buffer, as it is.
void BM_BareClearAndSwap(benchmark::State& state) {
  if (!ready(state)) return;
  host_gl_make_current(screen()->window);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  const GLbitfield bits = state.range(0) == 0
                              ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT
                              : GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT;
  for (auto _ : state) {
    glClear(bits);
    host_gl_swap(screen()->window);
  }
}

void BM_EmptyFrame(benchmark::State& state) {
  if (!ready(state)) return;
  KC_RENDER& render = *screen()->render;
  for (auto _ : state) {
    render.begin_frame();
    render.end_frame();
  }
}

// One frame of the loader screen with the clock standing still: its update
// and its drawing.
void splash_frames(benchmark::State& state, bool fading) {
  if (!ready(state)) return;
  KC_RENDER& render = *screen()->render;
  game::G_LOADER_SCREEN loader(nullptr);
  if (loader.splashes.size() < 2) {
    state.SkipWithError("fewer than two splash cards");
    return;
  }
  if (fading) {
    loader.next_splash();
    frame_dt = loader.time_fade / 2.0f;
    loader.update();
  }
  frame_dt = 0.0f;
  for (auto _ : state) {
    loader.update();
    render.begin_frame();
    loader.draw();
    render.end_frame();
  }
}

// Reading the screen file and making the splash cards' textures.
void BM_SplashLoad(benchmark::State& state) {
  if (!ready(state)) return;
  for (auto _ : state) {
    game::G_LOADER_SCREEN loader(nullptr);
    benchmark::DoNotOptimize(loader.splashes.data());
  }
}

void BM_SplashFrame(benchmark::State& state) { splash_frames(state, false); }
void BM_SplashFadeFrame(benchmark::State& state) { splash_frames(state, true); }

}  // namespace

BENCHMARK(BM_BareClearAndSwap)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SplashLoad)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SplashFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SplashFadeFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
