#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace game {

bool CLevel_Field::is_inside(int x, int y) const {
  return level_header && x >= 0 && y >= 0 && x < level_header->fieldWidth &&
         y < level_header->fieldHeight && level_header->cell_at(x, y);
}

int CLevel_Field::content_type_at(int x, int y) const {
  return is_inside(x, y) ? level_header->cell_at(x, y)->contentType : -1;
}

bool CLevel_Field::is_destructible_at(int x, int y) const {
  if (!is_inside(x, y)) return false;
  const CLevel_Cell& c = *level_header->cell_at(x, y);
  return c.contentType != CONTENT_EMPTY && c.isDestructible;
}

bool CLevel_Field::is_plain_pipe_at(int x, int y) const {
  return is_inside(x, y) && cell_is_plain_pipe(*level_header->cell_at(x, y));
}

bool CLevel_Field::is_bonus_equipment_at(int x, int y) const {
  return is_inside(x, y) && cell_is_bonus_equipment(*level_header->cell_at(x, y));
}

bool CLevel_Field::neighbour_is_bonus_equipment(int x, int y, int side) const {
  int nx = 0;
  int ny = 0;
  side_neighbour(x, y, side, nx, ny);
  return (side >= 0 && side <= 3) && is_bonus_equipment_at(nx, ny);
}

KOR::KS_VECTOR2 CLevel_Field::part0_cell(int x, int y) const {
  const KOR::KS_VECTOR2 self{float(x), float(y)};
  if (!is_inside(x, y)) return self;
  const CLevel_Cell& c = *level_header->cell_at(x, y);
  if (c.contentType == CONTENT_PIPE) {
    if (c.pipeType >= 6 && c.pipeType <= 12) {
      return pipe_part_cell(c.pipeType, c.pipeAngle, c.pipePartNumber, x, y, 0);
    }
    if (c.pipeType >= 13) {
      return equipment_part_cell(c.pipeType, c.pipeAngle, c.pipePartNumber, x, y, 0);
    }
  } else if (c.contentType == CONTENT_OBSTACLE && obstacle_class(c.obstacleType) == 4) {
    return obstacle_part_cell(c.obstacleType, c.obstacleAngle, c.obstaclePartNumber, x, y, 0);
  }
  return self;
}

bool CLevel_Field::opens_into_empty(int x, int y, int side) const {
  if (side < 0 || side > 3 || !is_inside(x, y)) return false;
  int nx = 0;
  int ny = 0;
  side_neighbour(x, y, side, nx, ny);
  return content_type_at(nx, ny) == CONTENT_EMPTY &&
         cell_pipe_opens(*level_header->cell_at(x, y), side);
}

bool CLevel_Field::neighbour_opens_back(int x, int y, int side) const {
  if (side < 0 || side > 3) return false;
  int nx = 0;
  int ny = 0;
  side_neighbour(x, y, side, nx, ny);
  return is_inside(nx, ny) &&
         cell_opens_toward(*level_header->cell_at(nx, ny), opposite_side(side));
}

}  // namespace game
