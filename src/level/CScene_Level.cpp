#include "level/CScene_Level.h"

#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/runtime_random.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_factory.h"

namespace game {

int32_t placed_piece_count = 0;

namespace {

constexpr const char* kHudList = "xml/Game HUDwindows.xml";
constexpr const char* kBottomList = "xml/Game HUDwindows_press_tape.xml";

// The HUD windows shown at the start; the trophy pop-up and the tutorial
// panel show themselves when due.
const char* const kHudShown[] = {"HUD_PAUSE", "HUD_COMPLETION",      "HUD_DESTRUCTION",
                                 "HUD_MONEY", "HUD_WATER_INDICATOR", "HUD_WATER_INSCRIPTION"};
const char* const kBottomShown[] = {"HUD_BOTTOM_PANEL", "HUD_TAPE", "HUD_PRESS"};

bool is_tutorial_level(int level) { return level == 1 || level == 2; }

}  // namespace

CScene_Level::CScene_Level()
    : explosions(std::make_unique<CEffect_ExplosionList>()),
      bonuses(std::make_unique<CEffect_BonusList>()),
      hud_windows_(std::make_unique<KOR_GF::G_WINDOW_MANAGER>(&level_hud_window_factory)),
      bottom_windows_(std::make_unique<KOR_GF::G_WINDOW_MANAGER>(&level_bottom_window_factory)),
      closeup_windows_(std::make_unique<KOR_GF::G_WINDOW_MANAGER>(&level_closeup_window_factory)) {
  kind = 1;
}

// The level's objects go while the windows they use still exist; the water
// sound is stopped only when it was ever loaded. The window managers go
// last, and what the level alone held is freed after them, its windows'
// pictures with it.
CScene_Level::~CScene_Level() {
  level.reset();
  field.reset();
  tape.reset();
  press.reset();
  held_piece.reset();
  tutorial.reset();
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  if (sounds.has("sound_water_flow")) sounds.stop("sound_water_flow");
  explosions.reset();
  bonuses.reset();
  closeup_windows_.reset();
  bottom_windows_.reset();
  hud_windows_.reset();
  if (KOR::engine_resource_manager) KOR::engine_resource_manager->unload_unused();
}

bool point_in_centered_rect(float x, float y, float centre_x, float centre_y, float width,
                            float height) {
  return centre_x - width / 2 <= x && x <= centre_x + width / 2 && centre_y - height / 2 <= y &&
         y <= centre_y + height / 2;
}

bool CScene_Level::load_level() {
  if (!level) level = std::make_unique<CLevel_Data>();
  if (level->load(current_level_number)) {
    load_error_.clear();
    return true;
  }
  load_error_ = level->error().empty() ? "the level file cannot be read" : level->error();
  return false;
}

void CScene_Level::clear_play_state() {
  holding = 0;
  held_piece.reset();
  bonus_mode = BONUS_NONE;
  level_clock = 0;
  press_crushes = destruction_uses = completion_uses = 0;
  water_timer = 0;
  press_lock = tape_lock = completion_lock = destruction_lock = 0;
}

// The first two levels teach both bonuses, so a player without one gets
// one, also when the level is reached by "next" or a restart.
void CScene_Level::grant_tutorial_bonuses() const {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  if (player->completionBonuses == 0) player->completionBonuses = 1;
  if (player->destructionBonuses == 0) player->destructionBonuses = 1;
}

void CScene_Level::reset_result() {
  const gPlayer_Flumo* player = current_player();
  result = CLevel_Result();
  result.record = player ? player->level_score(current_level_number) : 0;
  result.money_total = level->special_cells_money();
}

void CScene_Level::start() {
  clear_play_state();
  destruction_target = completion_target = KOR::KS_IVECTOR2{-1, -1};
  destruction_target_chosen = completion_target_chosen = 0;
  level_tutorial_active = 0;
  tutorial.reset();
  KOR::runtime_srand_time();
  if (!load_level()) return;
  level->prepare_special_cells();
  level->randomize_obstacles(&KOR::runtime_rand);
  field = std::make_unique<CLevel_Field>(this, this);
  field->init(level->header(), current_level_number);
  tape = std::make_unique<CLevel_Tape>(&KOR::runtime_rand, this, bottom_windows_.get());
  tape->setup(level->header());
  if (is_tutorial_level(current_level_number)) {
    level_tutorial_active = 1;
    grant_tutorial_bonuses();
  }
  hud_windows_->load_list(kHudList);
  for (const char* name : kHudShown) hud_windows_->show(name);
  bottom_windows_->load_list(kBottomList);
  for (const char* name : kBottomShown) bottom_windows_->show(name);
  press = std::make_unique<CLevel_Press>(this, bottom_windows_.get());
  press->bind();
  reset_result();
  set_star_times();
  state = STATE_INTRO;
  field->set_intro_scroll_speed();
  refresh_hud_counts();
  explosions->clear();
  bonuses->clear();
  if (level_tutorial_active) {
    hud_windows_->show("HUD_TUTORIAL");
    tutorial = std::make_unique<CLevel_Tutorial>(*this);
    tutorial->init(field.get());
    tutorial->hide();
  }
  paused = 0;
}

// A level the reader refuses leaves everything as it was; the application
// then leaves the level.
void CScene_Level::restart() {
  KOR::runtime_srand_time();
  clear_play_state();
  if (destruction_target_chosen) reset_destruction_target();
  if (completion_target_chosen) hide_bonus_buttons();
  if (!load_level()) return;
  level->prepare_special_cells();
  reset_result();
  level->randomize_obstacles(&KOR::runtime_rand);
  field->reinit(current_level_number);
  tape->reset();
  press->reset();
  set_star_times();
  reset_inscription();
  reset_hud_positions();
  paused = 0;
  state = STATE_INTRO;
  field->set_intro_scroll_speed();
  if (is_tutorial_level(current_level_number)) {
    level_tutorial_active = 1;
    grant_tutorial_bonuses();
    if (!tutorial) {
      tutorial = std::make_unique<CLevel_Tutorial>(*this);
      tutorial->init(field.get());
    }
    tutorial->restart();
    tutorial->enter_step(current_level_number == 1 ? 1 : 9);
    tutorial->hide();
  } else {
    tutorial.reset();
    level_tutorial_active = 0;
    hud_windows_->close("HUD_TUTORIAL");
  }
  refresh_hud_counts();
  explosions->clear();
  bonuses->clear();
}

// A won level whose water cannot start (no starting pipe) would never see
// its water end, so it ends at once.
void CScene_Level::level_won(bool won) {
  reset_inscription();
  state = STATE_WON;
  if (won && !game_instance().all_levels_open) score_level();
  pause();
  field->start_water();
  if (!field->water_started) finish_level();
}

void CScene_Level::end_tutorial() {
  tape->set_restriction1(0);
  tape->set_restriction2(0);
  tape->reset_restrictions(0);
  tape->set_frozen(0);
  if (tutorial) tutorial->hide();
  level_tutorial_active = 0;
}

KOR::KS_VECTOR2 CScene_Level::first_tape_piece_position() const {
  return tape->first_piece_position();
}

void CScene_Level::on_shop_purchase(int item) {
  if (item == SHOP_PRESS_COOLDOWN) press->compute_cooldown();
  refresh_hud_counts();
}

void CScene_Level::start_level_number(int n) {
  current_level_number = n;
  game_instance().start_level();
}

bool CScene_Level::level_file_exists(int n) {
  return KOR::file_exists(("xml/Levels/level_" + std::to_string(n) + ".xml").c_str());
}

void CScene_Level::start_water_with_end_scroll() {
  auto* inscription =
      dynamic_cast<HUD_PANEL_WATER_INSCRIPTION*>(hud_window("HUD_WATER_INSCRIPTION"));
  if (inscription) inscription->show_water_started();
  field->start_end_scroll();
  field->start_water();
}

void CScene_Level::spawn_effects(float dx, float dy) {
  explosions->shift(dx, dy);
  bonuses->shift(dx, dy);
}

void CScene_Level::board_scrolled(float dx, float dy) { spawn_effects(dx, dy); }

bool CScene_Level::tutorial_running() const { return level_tutorial_active != 0; }

void CScene_Level::tutorial_scrolled(float dy, bool ended) {
  if (tutorial) tutorial->update(dy, ended);
}

void CScene_Level::effect_at_cell(unsigned kind, float x, float y) { explosions->add(kind, x, y); }

void CScene_Level::money_taken(int x, int y, int amount) {
  gPlayer_Flumo* player = current_player();
  if (player) player->money += amount;
  add_money(amount);
  const bool tutorial_step_8 = level_tutorial_active && tutorial && tutorial->step == 8;
  if (player && !tutorial_step_8) player->add_coin(x, y);
}

int CScene_Level::shop_level(CShop_Item item) const { return current_shop_level(item); }

void CScene_Level::add_money(int amount) {
  KOR_GF::play_once("sound_money_received");
  result.money_collected += amount;
}

}  // namespace game
