#include "fieldview/CLevel_FieldView.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "platform/runtime_random.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

CLevel_FieldView::~CLevel_FieldView() { clear_part_offsets(); }

void CLevel_FieldView::set_level(CLevel_Header* header) {
  level_header = header;
  show_tiles = show_obstacle_masses = show_shadows = show_pipes = show_obstacles = 1;
  reset_frames();
  equipment_period = CGame_Config::instance().get_float("equipmentAnimationFrameTime");
  equipment_last_step = 0;
  load_part_offsets();
  side_band_half_width = 2;
  build_side_layout();
}

void CLevel_FieldView::reset_layout() {
  reset_frames();
  build_side_layout();
}

void CLevel_FieldView::reset_frames() {
  water_visible = 0;
  water_frame = 1;
  water_last_step = -1;
  glow_frame = 1;
  glow_last_step = -1;
  coin_frame = 1;
  coin_last_step = -1;
  update_visible_window();
}

void CLevel_FieldView::build_side_layout() {
  ++side_layouts_made;
  side_layout.clear();
  side_rotation.clear();
  const int height = level_header ? level_header->fieldHeight : 0;
  const int band = 2 * side_band_half_width;
  for (int s = 0; s < 2 * band; ++s) {
    for (int r = 0; r < height; ++r) side_layout[s][r] = side_rotation[s][r] = 0;
  }
  place_side_band(0, band - 1);
  place_side_band(band, 2 * band - 1);
}

void CLevel_FieldView::place_side_band(int first_slot, int last_slot) {
  const int height = level_header ? level_header->fieldHeight : 0;
  for (int s = first_slot; s <= last_slot; ++s) {
    for (int r = 0; r < height; ++r) {
      const int u = KOR::runtime_rand();
      if (u % 2 == 1 && s < last_slot && r > 0 && side_layout[s][r] == 0 &&
          side_layout[s][r - 1] == 0 && side_layout[s + 1][r - 1] == 0) {
        side_layout[s][r] = 1;
        side_layout[s][r - 1] = 2;
        side_layout[s + 1][r - 1] = 3;
        side_layout[s + 1][r] = 4;
        side_rotation[s][r] = KOR::runtime_rand();
        continue;
      }
      if (side_layout[s][r] == 0 && KOR::runtime_rand() % 2 == 1) {
        side_layout[s][r] = 10;
        side_rotation[s][r] = KOR::runtime_rand();
      }
    }
  }
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

void CLevel_FieldView::draw(int x, int y) {
  if (level_header == nullptr || level_header->cell_at(0, 0) == nullptr) return;
  if (show_pipes) advance_running_equipment();
  equipment_tick = 0;
  if (!compose_still_layers || !draw_from_board_picture()) draw_board_layers(LAYER_PASS::every);
  if (water_visible) draw_water();
  if (show_pipes) draw_pipes();
  if (x == -1 || y == -1 || destruction_cursor == nullptr) return;
  const KOR::KS_VECTOR2 c = cell_center(x, y);
  destruction_cursor->set_hot_spot(KOR::HS_MID);
  destruction_cursor->set_position(c.x, c.y, 0.0f);
  destruction_cursor->draw();
}

void CLevel_FieldView::draw_board_layers(LAYER_PASS pass) {
  layer_pass_ = pass;
  if (show_tiles) draw_tiles();
  draw_decor();
  if (pass != LAYER_PASS::still) draw_open_connections();
  if (show_shadows) draw_shadows();
  draw_side_walls();
  if (show_obstacle_masses) draw_obstacle_masses();
  if (show_pipes) draw_special_cells();
  if (show_obstacles) draw_obstacles();
  layer_pass_ = LAYER_PASS::every;
}

void CLevel_FieldView::set_origin(float x, float y) {
  origin_x = x;
  origin_y = y;
}

KOR::KS_VECTOR2 CLevel_FieldView::cell_center(int x, int y) const {
  return KOR::KS_VECTOR2{origin_x + kCellSize * float(x) + kHalfCell,
                         origin_y + kCellSize * float(y) + kHalfCell};
}

KOR::KS_VECTOR2 CLevel_FieldView::cell_corner(int x, int y) const {
  return KOR::KS_VECTOR2{origin_x + kCellSize * float(x), origin_y + kCellSize * float(y)};
}

KOR::KS_VECTOR2 CLevel_FieldView::two_cell_center(int x, int y, int span_code, int angle) const {
  KOR::KS_VECTOR2 c = cell_center(x, y);
  if (span_code != 2) return c;
  switch (angle) {
    case 0:
      c.x += kHalfCell;
      break;
    case 90:
      c.y += kHalfCell;
      break;
    case 180:
      c.x -= kHalfCell;
      break;
    case 270:
      c.y -= kHalfCell;
      break;
    default:
      break;
  }
  return c;
}

KOR::KS_VECTOR2 CLevel_FieldView::block_center(int x, int y, int angle) const {
  KOR::KS_VECTOR2 c = cell_center(x, y);
  switch (angle) {
    case 0:
      return {c.x + kHalfCell, c.y - kHalfCell};
    case 90:
      return {c.x + kHalfCell, c.y + kHalfCell};
    case 180:
      return {c.x - kHalfCell, c.y + kHalfCell};
    case 270:
      return {c.x - kHalfCell, c.y - kHalfCell};
    default:
      return c;
  }
}

void CLevel_FieldView::set_hovered_cell(int x, int y) {
  hovered_cell = KOR::KS_VECTOR2{float(x), float(y)};
}

void CLevel_FieldView::update_visible_window() {
  const int width = level_header ? level_header->fieldWidth : 0;
  visible_left = KOR::auto_position_screen_width / 2 - width * kHalfCell;
  if (visible_left < 0) visible_left = 0;
}

bool CLevel_FieldView::is_wall_at(int x, int y) const {
  if (level_header == nullptr) return false;
  if (x == -1 && level_header->scrollingType == SCROLL_UP) return true;
  if (x == level_header->fieldWidth) return true;
  const CLevel_Cell* c = cell(x, y);
  return c != nullptr && c->contentType == CONTENT_OBSTACLE;
}

CLevel_Cell* CLevel_FieldView::cell(int x, int y) const {
  return level_header ? level_header->cell_at(x, y) : nullptr;
}

void CLevel_FieldView::set_open_connections(
    const std::map<int, CLevel_OpenConnection*>& connections) {
  if (&connections == &open_connections) return;
  open_connections = connections;
}

}  // namespace game
