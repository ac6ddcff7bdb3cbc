#include "fieldview/CLevel_FieldView.h"

#include "framework/G_SETTINGS.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"

namespace game {

void CLevel_FieldView::set_level(const CLevel_Header* header) {
  level_header = header;
  show_tiles = show_obstacle_masses = show_shadows = show_pipes = show_obstacles = 1;
  water_visible = 0;
  water_frame = 1;
  water_last_step = -1;
  glow_frame = 1;
  glow_last_step = -1;
  coin_frame = 1;
  coin_last_step = -1;
  update_visible_window();
  equipment_period = CGame_Config::instance().get_float("equipmentAnimationFrameTime");
  equipment_last_step = 0;
}

void CLevel_FieldView::load_graphics() { hovered_cell = KOR::KS_VECTOR2{-1.0f, -1.0f}; }

void CLevel_FieldView::draw(int, int) {
  if (level_header == nullptr || level_header->cell_at(0, 0) == nullptr) return;
  equipment_tick = 0;
}

void CLevel_FieldView::advance_water_frame(int now_ms) {
  if (now_ms == -1) return;
  if (water_last_step == -1) {
    water_last_step = now_ms;
    return;
  }
  if (static_cast<float>(now_ms - water_last_step) < 62.5f) return;
  water_frame = water_frame % 16 + 1;
  water_last_step = now_ms;
}

namespace {
// A step is due once now has reached the last step plus the duration.
bool due(int now_ms, int last_ms, float seconds) {
  return static_cast<float>(now_ms) >= static_cast<float>(last_ms) + 1000.0f * seconds;
}
}  // namespace

void CLevel_FieldView::update_timers(int now_ms) {
  if (now_ms == -1) return;
  if (equipment_last_step == 0) equipment_last_step = now_ms;
  const CGame_Config& config = CGame_Config::instance();
  if (glow_last_step == -1) {
    glow_last_step = now_ms;
  } else if (due(now_ms, glow_last_step,
                 config.get_float("bottomOpenConnectionGlowAnimationFrameTimeRender"))) {
    glow_frame = glow_frame % 3 + 1;
    glow_last_step = now_ms;
  }
  if (coin_last_step == -1) {
    coin_last_step = now_ms;
  } else if (due(now_ms, coin_last_step,
                 config.get_float(coin_frame == 4 ? "coinAnimationDelay"
                                                  : "coinAnimationFrameTime"))) {
    coin_frame = coin_frame % 4 + 1;
    coin_last_step = now_ms;
  }
  if (due(now_ms, equipment_last_step, equipment_period)) {
    equipment_tick = 1;
    equipment_last_step = now_ms;
  }
}

void CLevel_FieldView::set_origin(float x, float y) {
  origin_x = x;
  origin_y = y;
}

KOR::KS_VECTOR2 CLevel_FieldView::cell_center(int x, int y) const {
  return KOR::KS_VECTOR2{origin_x + 50.0f * float(x) + 25.0f, origin_y + 50.0f * float(y) + 25.0f};
}

void CLevel_FieldView::set_hovered_cell(int x, int y) {
  hovered_cell = KOR::KS_VECTOR2{float(x), float(y)};
}

void CLevel_FieldView::update_visible_window() {
  const int width = level_header ? level_header->fieldWidth : 0;
  visible_left = KOR_GF::G_SETTINGS::screen_width / 2 - width * 25;
  if (visible_left < 0) visible_left = 0;
}

void CLevel_FieldView::set_open_connections(
    const std::map<int, CLevel_OpenConnection*>& connections) {
  if (&connections == &open_connections) return;
  open_connections = connections;
}

}  // namespace game
