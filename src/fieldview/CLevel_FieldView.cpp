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
