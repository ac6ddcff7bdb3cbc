// Frames of the menus standing still, updated and drawn on the game's real
// window as the frame loop runs them: the title with its bubbles, the main
// panel on the worlds tab, and the level choice of the first world, each
// reached as a player's clicks reach it and measured once its windows have
// stopped moving. Without a display every benchmark is skipped.
#include "framework/G_WINDOW_MANAGER.h"
#include "game_window.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace {

using bench::BM_BareClearAndSwap;

// Time for a window to slide in or out, and more.
constexpr double kSettleSeconds = 2.0;

KOR_GF::G_WINDOW* open_window(const char* name) {
  KOR_GF::G_WINDOW* window = game::windows().find(name);
  return window != nullptr && window->state() == KOR_GF::WINDOW_OPENED ? window : nullptr;
}

// The window once it has come to rest; null when it does not.
KOR_GF::G_WINDOW* settled(KOR::KC_GAME_SERVICE* game, const char* name) {
  if (open_window(name) == nullptr) bench::run_for(game, kSettleSeconds);
  return open_window(name);
}

void BM_TitleIdle(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = bench::game_or_skip(state);
  if (game == nullptr) return;
  if (settled(game, "Title") == nullptr) {
    state.SkipWithError("the title is not open");
    return;
  }
  bench::measure_frames(state, game);
}

// Play on the title.
bool main_panel_open(KOR::KC_GAME_SERVICE* game) {
  if (open_window("WINDOW_MAIN_PANEL") != nullptr) return true;
  auto* title = dynamic_cast<game::SG_WINDOW_TITLE*>(settled(game, "Title"));
  if (title == nullptr) return false;
  title->start_play();
  return settled(game, "WINDOW_MAIN_PANEL") != nullptr;
}

void BM_MainPanel(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = bench::game_or_skip(state);
  if (game == nullptr) return;
  if (!main_panel_open(game) || settled(game, "WINDOW_WORLDS") == nullptr) {
    state.SkipWithError("the main panel is not open on its worlds tab");
    return;
  }
  bench::measure_frames(state, game);
}

// The first world chosen on the main panel.
void BM_LevelChoice(benchmark::State& state) {
  KOR::KC_GAME_SERVICE* game = bench::game_or_skip(state);
  if (game == nullptr) return;
  if (open_window("WINDOW_LEVELS") == nullptr && main_panel_open(game)) {
    if (KOR_GF::G_WINDOW* worlds = settled(game, "WINDOW_WORLDS")) worlds->on_control(1);
  }
  if (settled(game, "WINDOW_LEVELS") == nullptr) {
    state.SkipWithError("the level choice is not open");
    return;
  }
  bench::measure_frames(state, game);
}

FRAME_BENCHMARK(BM_BareClearAndSwap);
FRAME_BENCHMARK(BM_TitleIdle);
FRAME_BENCHMARK(BM_MainPanel);
FRAME_BENCHMARK(BM_LevelChoice);

}  // namespace
