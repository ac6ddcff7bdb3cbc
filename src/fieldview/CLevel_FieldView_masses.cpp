#include "fieldview/CLevel_FieldView.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

void CLevel_FieldView::draw_obstacle_masses() {
  draw_by_halves(&CLevel_FieldView::draw_obstacle_cell);
}

void CLevel_FieldView::draw_obstacle_cell(int x, int y, int side) {
  if (level_header == nullptr || (side != -1 && side != 1)) return;
  const KOR::KS_VECTOR2 c = cell_center(x, y);
  const float left = float(visible_left);
  if (!inside(c, left - 100.0f, left + 1416.0f, -50.0f)) return;
  const CLevel_Cell* at = cell(x, y);
  if (at == nullptr) return;
  const WallNeighbours n = wall_neighbours(x, y);
  const bool middle = x == level_header->fieldWidth / 2;
  if (at->contentType != CONTENT_OBSTACLE) {
    if (side < 0) {
      if (n.l && n.u) draw_wall_piece("obstacles_left_empty_obstacle3_9", 9, c, -25, -25);
      if (n.r && n.u) draw_wall_piece("obstacles_left_empty_obstacle3_5", 5, c, 25, -25);
      if (n.l && n.d) draw_wall_piece("obstacles_left_empty_obstacle3_7", 7, c, -25, 25);
      if (n.r && n.d) draw_wall_piece("obstacles_left_empty_obstacle3_6", 6, c, 25, 25);
      if (n.l && n.u) draw_wall_piece("obstacles_left_empty_obstacle3_8", 8, c, -25, -25);
    } else {
      if (n.r && n.u) draw_wall_piece("obstacles_right_empty_obstacle3_10", 10, c, 25, -25);
      if (n.r && n.u) draw_wall_piece("obstacles_right_empty_obstacle3_5", 5, c, 25, -25);
      if (n.r && n.d) draw_wall_piece("obstacles_right_empty_obstacle3_6", 6, c, 25, 25);
      if (n.l && n.d) draw_wall_piece("obstacles_right_empty_obstacle3_7", 7, c, -25, 25);
      if (n.l && n.u) draw_wall_piece("obstacles_right_empty_obstacle3_8", 8, c, -25, -25);
    }
    return;
  }
  if (side < 0) {
    draw_obstacle_piece(x, y);
    return;
  }
  const CLevel_Cell* beside = cell(x - 1, y);
  if (middle && beside != nullptr && beside->contentType == CONTENT_OBSTACLE) {
    // Where a mass crosses the middle the centre set joins the two halves.
    draw_wall_piece("obstacles_center_obstacle3_4", 4, c, 0, 5);
    if (n.r || n.u || n.ur) draw_wall_piece("obstacles_center_obstacle3_5", 5, c, 25, -25);
    if (n.r || n.d || n.dr) draw_wall_piece("obstacles_center_obstacle3_6", 6, c, 25, 25);
    draw_wall_piece("obstacles_center_obstacle3_7", 7, c, -25, 25);
    draw_wall_piece("obstacles_center_obstacle3_8", 8, c, -25, -25);
    if (n.r && !n.d && !n.dr) {
      draw_wall_piece("obstacles_center_obstacle3_13_right", 13, c, 25, 25);
    }
    if (!n.d && !n.dl) draw_wall_piece("obstacles_center_obstacle3_13_left", 13, c, -25, 25);
    return;
  }
  draw_wall_piece("obstacles_right_obstacle3_3", 3, c, -5, 5);
  if (n.r || n.u || n.ur) draw_wall_piece("obstacles_right_obstacle3_5", 5, c, 25, -25);
  if (n.r || n.d || n.dr) draw_wall_piece("obstacles_right_obstacle3_6", 6, c, 25, 25);
  if (n.l || n.d || n.dl) draw_wall_piece("obstacles_right_obstacle3_7", 7, c, -25, 25);
  if (n.l || n.u || n.ul) draw_wall_piece("obstacles_right_obstacle3_8", 8, c, -25, -25);
  if (n.u && !n.l && !n.ul) draw_wall_piece("obstacles_right_obstacle3_12", 12, c, -25, -25);
  if (n.r && !n.d && !n.dr) draw_wall_piece("obstacles_right_obstacle3_13", 13, c, 25, 25);
  // The mass below-left reaches into the middle column: it goes back on top.
  if (middle && is_wall_at(x - 1, y + 1)) draw_obstacle_piece(x - 1, y + 1);
}

void CLevel_FieldView::draw_obstacle_piece(int x, int y) {
  const KOR::KS_VECTOR2 c = cell_center(x, y);
  const WallNeighbours n = wall_neighbours(x, y);
  draw_wall_piece("obstacles_left_obstacle3_2", 2, c, 5, 5);
  if (n.r || n.u || n.ur) draw_wall_piece("obstacles_left_obstacle3_5", 5, c, 25, -25);
  if (n.r || n.d || n.dr) draw_wall_piece("obstacles_left_obstacle3_6", 6, c, 25, 25);
  if (n.l || n.d || n.dl) draw_wall_piece("obstacles_left_obstacle3_7", 7, c, -25, 25);
  if (n.l || n.u || n.ul) draw_wall_piece("obstacles_left_obstacle3_8", 8, c, -25, -25);
  if (n.u && !n.r && !n.ur) draw_wall_piece("obstacles_left_obstacle3_11", 11, c, 25, -25);
  if (n.l && !n.d && !n.dl) draw_wall_piece("obstacles_left_obstacle3_13", 13, c, -25, 25);
}

}  // namespace game
