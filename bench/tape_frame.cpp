// Frames of a level in play with its tape moving, updated and drawn on the
// game's real window as the frame loop runs them: the first level without
// the tutorial, whose gates stop the tape, and nothing else done but the
// first piece taken off the tape and thrown away each second, as a player
// takes pieces, so that the belt never fills and stops. Without a display
// every benchmark is skipped.
#include <chrono>

#include "level/CLevel_Tape.h"
#include "level/CPipe_Sprite.h"
#include "level_window.h"

namespace {

using bench::BM_BareClearAndSwap;

constexpr int kFirstLevelWithoutTutorial = 3;

void BM_LevelTapeMoving(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = bench::game_or_skip(state);
  if (game == nullptr) return;
  static game::CScene_Level* scene = bench::level_past_intro(game, kFirstLevelWithoutTutorial);
  if (scene == nullptr) {
    state.SkipWithError("the level cannot start");
    return;
  }
  bench::FRAME_FIGURES figures;
  auto next_take = std::chrono::steady_clock::now();
  for (auto _ : state) {
    if (std::chrono::steady_clock::now() >= next_take) {
      scene->tape->take_piece(1, true);
      next_take += std::chrono::seconds(1);
    }
    bench::frame(game);
  }
  figures.report(state);
  state.counters["level_state"] = scene->state;
}

FRAME_BENCHMARK(BM_BareClearAndSwap);
FRAME_BENCHMARK(BM_LevelTapeMoving);

}  // namespace
