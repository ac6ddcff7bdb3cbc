// The cost of one frame of the title screen with its windows (update and
// draw on the game's real window, as the frame loop runs them) next to a
// bare clear and swap of the same window. The game starts from the
// assembled run-time folder with a throw-away per-user folder; without a
// display every benchmark is skipped.
#include "game_window.h"

namespace {

using bench::BM_BareClearAndSwap;

void BM_TitleFrame(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = bench::game_or_skip(state);
  if (game == nullptr) return;
  for (auto _ : state) {
    game->update_step();
    game->render_step();
  }
  bench::report_batches(state);
}

// Software drawing runs on threads of its own: the CPU of the whole process
// is the figure that matters.
BENCHMARK(BM_BareClearAndSwap)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleFrame)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
