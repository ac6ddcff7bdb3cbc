// Frames of a level in play on the largest board (level 44, 19 x 50
// cells), its stored solution laid and a piece in the hand, updated and
// drawn on the game's real window as the frame loop runs them: with every
// HUD window in motion at once, with the board scrolling from end to end,
// and with the water running through it and fresh effects every second;
// and the network rebuild after a drop on that board. Without a display
// every benchmark is skipped.
#include <memory>
#include <utility>

#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_Explosion.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Press.h"
#include "level/CPipe_Sprite.h"
#include "level/CTrophy.h"
#include "level_window.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "support/level_solution.h"

namespace {

using bench::BM_BareClearAndSwap;
using game::CScene_Level;

constexpr int kLargestBoard = 44;

// Null when the level cannot be started and laid.
CScene_Level* level_in_play() {
  static CScene_Level* scene = []() -> CScene_Level* {
    KOR::KC_GAME_SERVICE* game = bench::started_game();
    if (game == nullptr) return nullptr;
    CScene_Level* s = bench::level_past_intro(game, kLargestBoard);
    if (s == nullptr) return nullptr;
    for (const test_support::LEVEL_ACTION& a : test_support::stored_solution(kLargestBoard)) {
      if (a.destroy) {
        s->field->clear_cell(a.x, a.y, false);
        continue;
      }
      game::CPipe_Sprite piece;
      piece.load_sprite(a.type);
      piece.set_angle_degrees(float(a.angle));
      const KOR::KS_VECTOR2 at = s->field->cell_center(a.x, a.y);
      if (!s->field->can_place_piece(&piece, at.x, at.y) ||
          !s->field->drop_piece(&piece, at.x, at.y)) {
        return nullptr;
      }
    }
    s->held_piece = std::make_unique<game::CPipe_Sprite>();
    s->held_piece->load_sprite(5);
    s->held_piece->set_position(512.0f, 400.0f);
    s->holding = 1;
    return s;
  }();
  return scene;
}

CScene_Level* level_or_skip(benchmark::State& state) {
  if (bench::game_or_skip(state) == nullptr) return nullptr;
  CScene_Level* scene = level_in_play();
  if (scene == nullptr) state.SkipWithError("level 44 cannot be started and laid");
  return scene;
}

void BM_LevelWaterRunning(benchmark::State& state) {
  CScene_Level* scene = level_or_skip(state);
  if (scene == nullptr) return;
  KOR::KC_GAME_SERVICE* game = bench::started_game();
  if (!scene->field->water_started) scene->field->start_water();
  bench::FRAME_FIGURES figures;
  int frame = 0;
  for (auto _ : state) {
    // A drop's burst and points once a second of frames.
    if (frame++ % 60 == 0) {
      scene->explosions->add(game::CEffect_Explosion::KIND_FRAME_EXPLOSION, 400.0f, 300.0f);
      scene->bonuses->add(0, 400.0f, 300.0f, 20);
    }
    bench::frame(game);
  }
  figures.report(state);
  state.counters["level_state"] = scene->state;
}

// Sends the board on to its other end, the way it came from the intro or
// back, at the game's own scroll speed, whenever it stands.
void scroll_on(game::CLevel_Field& f) {
  if (f.scroll_state != 0) return;
  const bool at_play = f.origin_x == f.play_x && f.origin_y == f.play_y;
  f.target_x = at_play ? f.intro_x : f.play_x;
  f.target_y = at_play ? f.intro_y : f.play_y;
  if (f.target_y != f.origin_y) {
    f.scroll_direction = f.target_y > f.origin_y ? game::SCROLL_DOWN : game::SCROLL_UP;
  } else {
    f.scroll_direction = f.target_x > f.origin_x ? game::SCROLL_RIGHT : game::SCROLL_LEFT;
  }
  f.scroll_state = 2;
}

void BM_LevelBoardScroll(benchmark::State& state) {
  CScene_Level* scene = level_or_skip(state);
  if (scene == nullptr) return;
  KOR::KC_GAME_SERVICE* game = bench::started_game();
  game::CLevel_Field& field = *scene->field;
  bench::FRAME_FIGURES figures;
  int scrolling = 0;
  for (auto _ : state) {
    scroll_on(field);
    bench::frame(game);
    scrolling += field.scroll_state == 2;
  }
  figures.report(state);
  // The share of frames that moved the board.
  state.counters["scrolling"] = double(scrolling) / double(state.iterations());
  while (field.scroll_state == 2) bench::frame(game);
}

// Keeps each HUD and bottom-panel window moving: the panels glide 40 px
// and back every second, the dial keeps filling, the inscription flies
// again as soon as it has flown out, the trophy pop-up (with its reward in
// the money panel) opens again once it has closed, the press takes a piece
// whenever it is ready, and the bonus buttons circle over the board.
class HUD_IN_MOTION {
 public:
  explicit HUD_IN_MOTION(CScene_Level* scene) : scene_(scene) {}

  void step(int frame) {
    for (KOR_GF::G_WINDOW_MANAGER* windows : {&scene_->hud_windows(), &scene_->bottom_windows()}) {
      for (const char* name : kGliding) glide(windows->find(name));
    }
    if (scene_->water_timer >= 1000 * 2 * scene_->level->header()->timeFor3Stars) {
      scene_->water_timer = 0;
    }
    auto* inscription = dynamic_cast<game::HUD_PANEL_WATER_INSCRIPTION*>(
        scene_->hud_windows().find("HUD_WATER_INSCRIPTION"));
    if (inscription && inscription->state == game::HUD_PANEL_WATER_INSCRIPTION::IDLE) {
      inscription->show_hurry_warning();
    }
    if (!scene_->hud_windows().is_open("HUD_TROPHY")) {
      scene_->show_trophy_reward(game::TROPHY_PRESS_USES, frame % 3, 1 + frame % 3);
    }
    if (scene_->press->state() == game::CLevel_Press::READY) {
      auto piece = std::make_unique<game::CPipe_Sprite>();
      piece->load_sprite(1 + frame % 5);
      piece->set_position(512.0f, 600.0f);
      scene_->press->take_piece(std::move(piece));
    }
    if (auto* buttons = dynamic_cast<game::HUD_BUTTON_DESTRUCTION*>(
            scene_->hud_windows().find("HUD_DESTRUCTION"))) {
      const float x = 300.0f + float(frame % 400);
      buttons->show_destroy_button(true);
      buttons->show_buy_button(true);
      buttons->move_destroy_button(x, 300.0f);
      buttons->move_buy_button(x + 80.0f, 300.0f);
    }
  }

 private:
  static constexpr const char* kGliding[] = {
      "HUD_PAUSE",        "HUD_COMPLETION", "HUD_MONEY", "HUD_WATER_INDICATOR",
      "HUD_BOTTOM_PANEL", "HUD_TAPE",       "HUD_PRESS"};

  static void glide(KOR_GF::G_WINDOW* window) {
    if (window == nullptr || window->state() == KOR_GF::WINDOW_SLIDING) return;
    window->reset_position();
    window->start_slide(40.0f, 0.5f);
  }

  CScene_Level* scene_;
};

void BM_LevelEveryHudWindowAnimating(benchmark::State& state) {
  CScene_Level* scene = level_or_skip(state);
  if (scene == nullptr) return;
  KOR::KC_GAME_SERVICE* game = bench::started_game();
  HUD_IN_MOTION hud(scene);
  bench::FRAME_FIGURES figures;
  int frame = 0;
  for (auto _ : state) {
    hud.step(frame++);
    bench::frame(game);
  }
  figures.report(state);
  state.counters["level_state"] = scene->state;
}

void BM_RebuildAfterDropOnLargestBoard(benchmark::State& state) {
  CScene_Level* scene = level_or_skip(state);
  if (scene == nullptr) return;
  for (auto _ : state) {
    scene->field->rebuild_open_connections();
    benchmark::DoNotOptimize(scene->field->is_pipeline_complete());
  }
}

FRAME_BENCHMARK(BM_BareClearAndSwap);
FRAME_BENCHMARK(BM_LevelEveryHudWindowAnimating);
FRAME_BENCHMARK(BM_LevelBoardScroll);
FRAME_BENCHMARK(BM_LevelWaterRunning);
BENCHMARK(BM_RebuildAfterDropOnLargestBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
