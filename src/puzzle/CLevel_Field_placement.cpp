#include <cmath>

#include "fieldview/CLevel_FieldView.h"
#include "level/CPipe_Sprite.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CPipe_Network.h"
#include "puzzle/CShop_Item.h"
#include "puzzle/explosion_kind.h"

namespace game {

namespace {

// A cell from a float pair; false for NaN or a value no board reaches.
bool to_cell(const KOR::KS_VECTOR2& v, int& x, int& y) {
  if (!(std::fabs(v.x) < 1.0e6f) || !(std::fabs(v.y) < 1.0e6f)) return false;
  x = int(v.x);
  y = int(v.y);
  return true;
}

// A screen point truncated to whole pixels; false for one no screen has.
bool to_pixels(float screen_x, float screen_y, int& x, int& y) {
  return to_cell(KOR::KS_VECTOR2{screen_x, screen_y}, x, y);
}

}  // namespace

KOR::KS_VECTOR2 CLevel_Field::anchor_cell(int type, int angle, int x, int y, float offset_x,
                                          float offset_y) const {
  KOR::KS_VECTOR2 part0{float(x), float(y)};
  if (pipe_span_code(type) != 2) return part0;
  switch (angle) {
    case 0:
      if (offset_x < kHalfCell) part0.x -= 1.0f;
      break;
    case 90:
      if (offset_y < kHalfCell) part0.y -= 1.0f;
      break;
    case 180:
      if (offset_x > kHalfCell) part0.x += 1.0f;
      break;
    case 270:
      if (offset_y > kHalfCell) part0.y += 1.0f;
      break;
    default:
      break;
  }
  return part0;
}

bool CLevel_Field::covered_cells(const CPipe_Sprite* piece, float screen_x, float screen_y,
                                 int& count, KOR::KS_IVECTOR2 cells[2]) const {
  int px = 0;
  int py = 0;
  if (!piece || !level_header || !to_pixels(screen_x, screen_y, px, py)) return false;
  int cx = 0;
  int cy = 0;
  if (!to_cell(cell_at_point(px, py), cx, cy) || !is_inside(cx, cy)) return false;
  const int type = piece->type();
  const int angle = piece->angle_degrees();
  count = pipe_cell_count(type);
  if (count == 1) {
    cells[0] = KOR::KS_IVECTOR2{cx, cy};
    return true;
  }
  if (count != 2) return false;
  // The pointer's half of the cell decides which neighbour the piece takes.
  const KOR::KS_VECTOR2 offset = offset_in_cell(float(px), float(py));
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  if (!to_cell(anchor_cell(type, angle, cx, cy, offset.x, offset.y), x0, y0) ||
      !to_cell(pipe_part_cell(type, angle, 0, x0, y0, 1), x1, y1) || !is_inside(x0, y0) ||
      !is_inside(x1, y1)) {
    return false;
  }
  cells[0] = KOR::KS_IVECTOR2{x0, y0};
  cells[1] = KOR::KS_IVECTOR2{x1, y1};
  return true;
}

bool CLevel_Field::piece_cells(const CPipe_Sprite* piece, float screen_x, float screen_y,
                               int& count, KOR::KS_IVECTOR2 cells[2]) const {
  int px = 0;
  int py = 0;
  int cx = 0;
  int cy = 0;
  if (!to_pixels(screen_x, screen_y, px, py) || !to_cell(cell_at_point(px, py), cx, cy) ||
      content_type_at(cx, cy) != CONTENT_EMPTY) {
    return false;
  }
  if (!covered_cells(piece, screen_x, screen_y, count, cells)) return false;
  for (int i = 0; i < count; ++i) {
    if (content_type_at(cells[i].x, cells[i].y) != CONTENT_EMPTY) return false;
  }
  return true;
}

bool CLevel_Field::side_acceptable(int type, int part, int angle, int x, int y, int side,
                                   bool& connection) const {
  const bool open = pipe_cell_count(type) == 1 ? pipe_open_side_one_cell(type, angle, side)
                                               : pipe_open_side_two_cell(type, part, angle, side);
  int nx = 0;
  int ny = 0;
  side_neighbour(x, y, side, nx, ny);
  const int content = content_type_at(nx, ny);
  bool accepts = content == CONTENT_EMPTY;
  bool is_pipe = false;
  bool opens_toward = false;
  if (content == CONTENT_PIPE) {
    const CLevel_Cell& n = *level_header->cell_at(nx, ny);
    is_pipe = true;
    opens_toward = cell_pipe_opens(n, opposite_side(side));
    accepts = opens_toward || pipe_is_bonus_equipment(n.pipeType);
  }
  if (open) {
    connection = connection || (accepts && is_pipe);
    return accepts;
  }
  return !opens_toward;
}

bool CLevel_Field::can_place_piece(const CPipe_Sprite* piece, float screen_x,
                                   float screen_y) const {
  int count = 0;
  KOR::KS_IVECTOR2 cells[2];
  if (!piece_cells(piece, screen_x, screen_y, count, cells)) return false;
  const int type = piece->type();
  const int angle = piece->angle_degrees();
  bool connection = false;
  for (int part = 0; part < count; ++part) {
    for (int side = 0; side < 4; ++side) {
      if (!side_acceptable(type, part, angle, cells[part].x, cells[part].y, side, connection)) {
        return false;
      }
    }
  }
  return connection;
}

bool CLevel_Field::drop_piece(const CPipe_Sprite* piece, float screen_x, float screen_y) {
  int count = 0;
  KOR::KS_IVECTOR2 cells[2];
  if (!piece_cells(piece, screen_x, screen_y, count, cells)) return false;
  // A piece taken back leaves its cells exactly as they were, coins and the
  // expected pipe of a special cell included.
  CLevel_Cell before[2];
  for (int part = 0; part < count; ++part) {
    CLevel_Cell& c = *level_header->cell_at(cells[part].x, cells[part].y);
    before[part] = c;
    c.contentType = CONTENT_PIPE;
    c.pipeType = piece->type();
    c.pipeAngle = piece->angle_degrees();
    if (count == 2) c.pipePartNumber = part;
  }
  last_drop_part0 = KOR::KS_VECTOR2{float(cells[0].x), float(cells[0].y)};
  if (count == 2) last_drop_part1 = KOR::KS_VECTOR2{float(cells[1].x), float(cells[1].y)};
  rebuild_open_connections();

  const int x0 = cells[0].x;
  const int y0 = cells[0].y;
  if (!open_connections.empty()) {
    const bool closed_alone =
        network->is_closed_system(x0, y0) && !network->touches_bonus_equipment();
    if (closed_alone || network->closes_with_start(x0, y0)) {
      for (int part = 0; part < count; ++part) {
        *level_header->cell_at(cells[part].x, cells[part].y) = before[part];
      }
      rebuild_open_connections();
      network->check_equipment_connection();
      return false;
    }
  }
  for (int part = 0; part < count; ++part) pay_coins(cells[part].x, cells[part].y);
  update_scroll_target();
  if (water_started) start_water();
  return true;
}

void CLevel_Field::pay_coins(int x, int y) {
  CLevel_Cell& c = *level_header->cell_at(x, y);
  if (!c.isSpecial) return;
  const int percent = shop_upgrade_value(SHOP_COIN_BONUS, owned_shop_level(shop, SHOP_COIN_BONUS));
  const float coins = float(c.givesMoney);
  const int paid = int(coins + float(percent) / 100.0f * coins);
  if (owner) owner->money_taken(x, y, paid);
  c.isSpecial = 0;
  add_explosion(KIND_COIN_BURST, x, y);
}

int CLevel_Field::take_coins(const CPipe_Sprite* piece, float screen_x, float screen_y) {
  int count = 0;
  KOR::KS_IVECTOR2 cells[2];
  if (!covered_cells(piece, screen_x, screen_y, count, cells)) return 0;
  // Every covered cell pays what it holds, each once.
  int coins = 0;
  for (int part = 0; part < count; ++part) {
    CLevel_Cell& c = *level_header->cell_at(cells[part].x, cells[part].y);
    coins += c.givesMoney;
    c.givesMoney = 0;
  }
  return coins;
}

bool CLevel_Field::piece_matches_expected(const CPipe_Sprite* piece, float screen_x,
                                          float screen_y) const {
  int count = 0;
  KOR::KS_IVECTOR2 cells[2];
  if (!covered_cells(piece, screen_x, screen_y, count, cells)) return false;
  if (count == 1) {
    // A one-cell pipe matches when it looks the same: a straight turned by
    // 180 degrees, or a cross at any angle, is the pipe the cell shows.
    const CLevel_Cell& c = *level_header->cell_at(cells[0].x, cells[0].y);
    return c.expectedPipeType == c.pipeType &&
           pipe_open_mask(c.pipeType, 0, c.pipeAngle) ==
               pipe_open_mask(c.expectedPipeType, 0, c.expectedPipeAngle);
  }
  for (int part = 0; part < count; ++part) {
    const CLevel_Cell& c = *level_header->cell_at(cells[part].x, cells[part].y);
    if (c.expectedPipeType != c.pipeType || c.expectedPipeAngle != c.pipeAngle ||
        c.expectedPipePartNumber != c.pipePartNumber) {
      return false;
    }
  }
  return true;
}

void CLevel_Field::fit_piece_preview(int x, int y, CPipe_Sprite* piece) {
  if (!piece) return;
  piece->hide();
  if (content_type_at(x, y) != CONTENT_EMPTY) return;
  uint8_t opens[4];
  for (int side = 0; side < 4; ++side) opens[side] = neighbour_opens_back(x, y, side) ? 1 : 0;
  int32_t type = 0;
  float angle = 0.0f;
  if (!pipe_fit_one_cell(opens[0], opens[1], opens[2], opens[3], type, angle)) return;
  piece->set_type(type);
  piece->set_angle_degrees(angle);
  const KOR::KS_VECTOR2 centre = cell_center(x, y);
  piece->set_position(centre.x, centre.y);
  piece->tint_grey_preview();
}

void CLevel_Field::clear_pipe_cell(int x, int y) {
  CLevel_Cell& c = *level_header->cell_at(x, y);
  const bool special = c.isSpecial;
  c.reset();
  if (special) c.isSpecial = 1;
}

int CLevel_Field::remove_content(int x, int y, bool with_effect) {
  const int content = content_type_at(x, y);
  if (content != CONTENT_OBSTACLE && content != CONTENT_PIPE) return content < 0 ? 0 : content;
  const CLevel_Cell c = *level_header->cell_at(x, y);
  if (with_effect) add_explosion(KIND_FRAME_EXPLOSION, x, y);
  if (content == CONTENT_OBSTACLE) {
    if (obstacle_class(c.obstacleType) == 4) {
      for (int part = 0; part < 4; ++part) {
        if (part == c.obstaclePartNumber) continue;
        int px = 0;
        int py = 0;
        const bool found = to_cell(
            obstacle_part_cell(c.obstacleType, c.obstacleAngle, c.obstaclePartNumber, x, y, part),
            px, py);
        // Only a cell of the same block goes with it.
        if (found && content_type_at(px, py) == CONTENT_OBSTACLE &&
            level_header->cell_at(px, py)->obstacleType == c.obstacleType) {
          level_header->cell_at(px, py)->reset();
        }
      }
    }
    level_header->cell_at(x, y)->reset();
    return CONTENT_OBSTACLE;
  }
  if (pipe_is_equipment(c.pipeType)) return CONTENT_PIPE;
  if (pipe_span_code(c.pipeType) == 2) {
    int px = 0;
    int py = 0;
    const bool found = to_cell(
        pipe_part_cell(c.pipeType, c.pipeAngle, c.pipePartNumber, x, y, 1 - c.pipePartNumber), px,
        py);
    if (found && content_type_at(px, py) == CONTENT_PIPE &&
        level_header->cell_at(px, py)->pipeType == c.pipeType) {
      clear_pipe_cell(px, py);
    }
  }
  clear_pipe_cell(x, y);
  return CONTENT_PIPE;
}

int CLevel_Field::clear_cell(int x, int y, bool with_effect) {
  const int content = remove_content(x, y, with_effect);
  if (content == CONTENT_EMPTY) return content;
  rebuild_open_connections();
  if (content == CONTENT_PIPE) network->check_equipment_connection();
  return content;
}

void CLevel_Field::clear_all_cells() {
  // One rebuild after everything is gone, not one per cell.
  bool pipes = false;
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      pipes = remove_content(x, y, true) == CONTENT_PIPE || pipes;
    }
  }
  rebuild_open_connections();
  if (pipes) network->check_equipment_connection();
  last_drop_part0 = last_drop_part1 = KOR::KS_VECTOR2{0.0f, 0.0f};
}

int CLevel_Field::mark_fading(int x, int y) {
  const int content = content_type_at(x, y);
  if (content != CONTENT_OBSTACLE && content != CONTENT_PIPE) return content;
  const CLevel_Cell c = *level_header->cell_at(x, y);
  const int parts = content == CONTENT_OBSTACLE ? (obstacle_class(c.obstacleType) == 4 ? 4 : 1)
                                                : (pipe_span_code(c.pipeType) == 2 ? 2 : 1);
  for (int part = 0; part < parts; ++part) {
    const KOR::KS_VECTOR2 v =
        content == CONTENT_OBSTACLE
            ? obstacle_part_cell(c.obstacleType, c.obstacleAngle, c.obstaclePartNumber, x, y,
                                 parts == 1 ? c.obstaclePartNumber : part)
            : pipe_part_cell(c.pipeType, c.pipeAngle, c.pipePartNumber, x, y,
                             parts == 1 ? c.pipePartNumber : part);
    int px = 0;
    int py = 0;
    if (!to_cell(v, px, py) || content_type_at(px, py) != content) continue;
    CLevel_Cell& p = *level_header->cell_at(px, py);
    p.fading = 1;
    p.fadeAlpha = 255.0f;
  }
  add_explosion(KIND_FRAME_EXPLOSION, x, y);
  return content;
}

void CLevel_Field::add_explosion(unsigned kind, int x, int y) {
  if (!owner) return;
  const KOR::KS_VECTOR2 at = cell_center(x, y);
  owner->effect_at_cell(kind, at.x, at.y);
}

void CLevel_Field::release_open_connections() { open_connections.clear(); }

void CLevel_Field::rebuild_open_connections() {
  release_open_connections();
  int key = 1;
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      // Within the field's size a cell is inside when the grid holds it.
      const CLevel_Cell* c = level_header->cell_at(x, y);
      if (c == nullptr || c->contentType != CONTENT_EMPTY) continue;
      std::unique_ptr<CLevel_OpenConnection> record;
      for (int side = 0; side < 4; ++side) {
        if (!neighbour_opens_back(x, y, side)) continue;
        int nx = 0;
        int ny = 0;
        side_neighbour(x, y, side, nx, ny);
        if (is_bonus_equipment_at(nx, ny)) continue;
        if (!record) {
          record = std::make_unique<CLevel_OpenConnection>();
          record->x = x;
          record->y = y;
        }
        record->opens_from[side] = 1;
      }
      if (record) open_connections[key++] = std::move(record);
    }
  }
  // The view draws the records; they stay the field's.
  std::map<int, CLevel_OpenConnection*> shown;
  for (const auto& [k, record] : open_connections) shown[k] = record.get();
  view->set_open_connections(shown);
}

int CLevel_Field::find_open_connection(int x, int y) const {
  for (const auto& [key, c] : open_connections) {
    if (c->x == x && c->y == y) return key;
  }
  return 0;
}

KOR::KS_IVECTOR2 CLevel_Field::open_connection_cell(int key) const {
  const auto found = open_connections.find(key);
  if (found == open_connections.end()) return KOR::KS_IVECTOR2{-1, -1};
  return KOR::KS_IVECTOR2{found->second->x, found->second->y};
}

bool CLevel_Field::open_connection_flag(int key) const {
  const auto found = open_connections.find(key);
  return found != open_connections.end() && found->second->flag;
}

bool CLevel_Field::is_pipeline_complete() {
  if (!open_connections.empty()) return false;
  network->build_start_tree();
  return network->is_connected();
}

}  // namespace game
