#include <algorithm>
#include <cmath>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace game {

namespace {

constexpr float kDegree = 0.0174532924f;
constexpr uint32_t kOpaque = 0xFFFFFFFFu;
constexpr uint32_t kTranslucent = 0x96FFFFFFu;

KOR::KC_QUAD* find(const std::map<int, OWNED_SPRITE>& sprites, int key) {
  const auto found = sprites.find(key);
  return found == sprites.end() ? nullptr : found->second.get();
}

// The running-equipment image of a type and frame; 0 for none.
int active_key(int type, int frame) {
  switch (type * 10 + frame) {
    case 141:
      return 1;
    case 151:
      return 2;
    case 161:
      return 3;
    case 162:
      return 4;
    case 171:
      return 5;
    case 172:
      return 6;
    case 173:
      return 7;
    default:
      return 0;
  }
}

}  // namespace

// A sprite that could not be made, or a key the level names but the view has
// none for, draws nothing.
void CLevel_FieldView::put(KOR::KC_QUAD* sprite, float x, float y, float degrees) const {
  if (sprite == nullptr || !drawn_in_pass(sprite, x, y)) return;
  sprite->set_position(x, y, 0.0f);
  sprite->set_rotation(degrees * kDegree);
  sprite->draw();
}

void CLevel_FieldView::color_pipe(KOR::KC_QUAD* sprite, int x, int y) const {
  if (sprite == nullptr) return;
  const bool hovered = hovered_cell.x == float(x) && hovered_cell.y == float(y);
  sprite->set_color(hovered ? kTranslucent : kOpaque);
}

// The tiles of one axis, in drawing order: the laid-out ones 0..last and,
// where the screen reaches beyond them, the tiles of the same grid on to
// its edges. Tile i is centred at origin - 200 + i * step.
std::vector<int> CLevel_FieldView::tile_indices(float origin, int step, int last, int screen) {
  const float first_left = origin - 200.0f - float(step) / 2.0f;
  // The tile under a point, held to a range so that an absurd origin still
  // gives a short list; no origin at all (NaN) gives tile 0.
  const auto under = [&](float x) {
    const float i = std::floor((x - first_left) / float(step));
    return i > 1.0e6f ? 1000000 : i < -1.0e6f ? -1000000 : i == i ? int(i) : 0;
  };
  // From the screen's left (top) edge to its far one, which the renderer's
  // last pixel reaches.
  const int from = under(0.0f);
  const int to = under(float(screen));
  std::vector<int> indices;
  for (int i = from; i <= to && i < 0; ++i) indices.push_back(i);
  for (int i = 0; i <= last; ++i) indices.push_back(i);
  for (int i = std::max(from, last + 1); i <= to; ++i) indices.push_back(i);
  return indices;
}

// The layout covers the board and four cells beyond each side, enough
// beside a board on the narrow screen. A narrow board on the wide screen,
// or one scrolled past its end, leaves more of the screen bare: there the
// tiles go on, each in the variant of the nearest laid-out tile.
void CLevel_FieldView::draw_tiles() {
  const int cw = tile_cells(tile_width);
  const int ch = tile_cells(tile_height);
  const int nx = (level_header->fieldWidth + 8) / cw;
  const int ny = (level_header->fieldHeight + 8) / ch;
  const std::vector<int> columns =
      tile_indices(origin_x, cw * kCellSize, nx, KOR::auto_position_screen_width);
  const std::vector<int> rows =
      tile_indices(origin_y, ch * kCellSize, ny, KOR::auto_position_screen_height);
  for (int i : rows) {
    for (int j : columns) {
      const auto column = tile_layout.find(std::clamp(j, 0, nx));
      if (column == tile_layout.end()) continue;
      const auto variant = column->second.find(std::clamp(i, 0, ny));
      if (variant == column->second.end()) continue;
      put(find(tile_sprites, variant->second), origin_x + float(j * cw * kCellSize) - 200.0f,
          origin_y + float(i * ch * kCellSize) - 200.0f, 0.0f);
    }
  }
}

void CLevel_FieldView::draw_decor() {
  const std::map<int32_t, CLevel_Decor>& decor = level_header->decor;
  for (int k = 1; k <= int(decor.size()); ++k) {
    const auto item = decor.find(k);
    if (item == decor.end()) continue;
    const CLevel_Decor& d = item->second;
    const KOR::KS_VECTOR2 c = cell_center(d.x, d.y);
    put(find(decor_sprites, d.type), c.x + d.offsetX, c.y + d.offsetY, float(int(d.angle)));
  }
}

void CLevel_FieldView::leading_open_connection(int& column, int& row) const {
  column = row = -1;
  for (const auto& [key, record] : open_connections) {
    if (record == nullptr) continue;
    switch (level_header->scrollingType) {
      case SCROLL_UP:
        if (row == -1 || record->y > row) row = record->y;
        break;
      case SCROLL_RIGHT:
        if (column == -1 || record->x < column) column = record->x;
        break;
      case SCROLL_DOWN:
        if (row == -1 || record->y < row) row = record->y;
        break;
      case SCROLL_LEFT:
        if (column == -1 || record->x > column) column = record->x;
        break;
      default:
        break;
    }
  }
}

void CLevel_FieldView::draw_open_connections() {
  int lead_column = 0;
  int lead_row = 0;
  leading_open_connection(lead_column, lead_row);
  for (int k = 1; k <= int(open_connections.size()); ++k) {
    const auto entry = open_connections.find(k);
    if (entry == open_connections.end() || entry->second == nullptr) continue;
    const CLevel_OpenConnection& record = *entry->second;
    KOR::KC_QUAD* sprite = (record.x != lead_column && record.y != lead_row)
                               ? open_connection_sprite.get()
                               : find(glow_sprites, glow_frame);
    const KOR::KS_VECTOR2 c = cell_center(record.x, record.y);
    for (int side = 0; side < 4; ++side) {
      if (record.opens_from[side]) put(sprite, c.x, c.y, float(side * 90));
    }
  }
}

void CLevel_FieldView::draw_visible_cells(float left_margin, float bottom, CellLayer layer) {
  const float left = float(visible_left) - left_margin;
  const float right = float(visible_left) + 1416.0f;
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      const KOR::KS_VECTOR2 c = cell_center(x, y);
      CLevel_Cell* at = cell(x, y);
      if (at != nullptr && c.x >= left && c.x <= right && c.y >= -50.0f && c.y <= bottom) {
        (this->*layer)(x, y, *at, c);
      }
    }
  }
}

void CLevel_FieldView::draw_special_cells() {
  draw_visible_cells(100.0f, 850.0f, &CLevel_FieldView::draw_special_cell);
}

void CLevel_FieldView::draw_special_cell(int x, int y, CLevel_Cell& at, const KOR::KS_VECTOR2& c) {
  if (layer_pass_ == LAYER_PASS::still && moves(at)) return;
  if (at.contentType == CONTENT_EMPTY && at.isSpecial) {
    put(find(coin_sprites, coin_frame), c.x, c.y, 0.0f);
    return;
  }
  const int t = at.pipeType;
  if (at.contentType != CONTENT_PIPE || t < 1 || t > 17) return;
  const float a = float(at.pipeAngle);
  const int cells = pipe_cell_count(t);
  if (cells == 1) {
    color_pipe(pipe_sprites[t - 1].get(), x, y);
    put(pipe_sprites[t - 1].get(), c.x, c.y, a);
  } else if (cells == 2 && at.pipePartNumber == 0) {
    const KOR::KS_VECTOR2 p = two_cell_center(x, y, pipe_span_code(t), at.pipeAngle);
    color_pipe(pipe_sprites[t - 1].get(), x, y);
    put(pipe_sprites[t - 1].get(), p.x, p.y, a);
  } else if (cells == 4 && at.pipePartNumber == 0) {
    const KOR::KS_VECTOR2 p = equipment_center(x, y, at.pipeAngle);
    const int key = t > 13 ? active_key(t, at.equipment_frame()) : 0;
    // A frame without an image of its own shows the equipment at rest.
    put(key ? find(active_equipment_sprites, key) : pipe_sprites[t - 1].get(), p.x, p.y, a);
  }
}

void CLevel_FieldView::advance_running_equipment() {
  if (equipment_tick) draw_visible_cells(100.0f, 850.0f, &CLevel_FieldView::advance_equipment);
}

void CLevel_FieldView::advance_equipment(int, int, CLevel_Cell& at, const KOR::KS_VECTOR2&) {
  if (moves(at) && at.contentType == CONTENT_PIPE && at.pipePartNumber == 0) {
    at.advance_equipment_frame();
  }
}

bool CLevel_FieldView::moves(const CLevel_Cell& at) {
  if (at.contentType == CONTENT_EMPTY) return at.isSpecial;
  return at.contentType == CONTENT_PIPE && at.pipeType > 13 && at.pipeType <= 17 &&
         at.equipmentAnimating;
}

void CLevel_FieldView::draw_obstacles() {
  draw_visible_cells(100.0f, 850.0f, &CLevel_FieldView::draw_obstacle);
}

void CLevel_FieldView::draw_obstacle(int x, int y, CLevel_Cell& at, const KOR::KS_VECTOR2& c) {
  const int t = at.obstacleType;
  if (t < 1 || t > 8 || t == 3 || at.contentType != CONTENT_OBSTACLE) return;
  const float a = float(at.obstacleAngle);
  if (obstacle_class(t) == 1) {
    put(obstacle_sprites[t - 1][0].get(), c.x, c.y, a);
  } else if (obstacle_class(t) == 4 && at.obstaclePartNumber == 0) {
    const KOR::KS_VECTOR2 p = block_center(x, y, at.obstacleAngle);
    put(obstacle_sprites[t - 1][0].get(), p.x, p.y, a);
  }
}

void CLevel_FieldView::draw_pipes() {
  draw_visible_cells(50.0f, 850.0f, &CLevel_FieldView::draw_rim);
}

void CLevel_FieldView::draw_rim(int x, int y, CLevel_Cell& at, const KOR::KS_VECTOR2& c) {
  const int t = at.pipeType;
  if (at.contentType != CONTENT_PIPE || t < 1 || t > 17) return;
  KOR::KS_VECTOR2 p = c;
  if (pipe_cell_count(t) == 2 && at.pipePartNumber == 0) {
    p = two_cell_center(x, y, pipe_span_code(t), at.pipeAngle);
  } else if (pipe_cell_count(t) != 1) {
    return;
  }
  KOR::KC_QUAD* rim = pipe_frame_sprites[t - 1].get();
  color_pipe(rim, x, y);
  put(rim, p.x, p.y, float(at.pipeAngle));
}

}  // namespace game
