#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

bool CLevel_FieldView::inside(const KOR::KS_VECTOR2& c, float left, float right, float top) {
  return c.x >= left && c.x <= right && c.y >= top && c.y <= 850.0f;
}

CLevel_FieldView::WallNeighbours CLevel_FieldView::wall_neighbours(int x, int y) const {
  return WallNeighbours{is_wall_at(x, y - 1),     is_wall_at(x, y + 1),
                        is_wall_at(x - 1, y),     is_wall_at(x + 1, y),
                        is_wall_at(x - 1, y - 1), is_wall_at(x + 1, y - 1),
                        is_wall_at(x - 1, y + 1), is_wall_at(x + 1, y + 1)};
}

void CLevel_FieldView::draw_wall_piece(const char* part, int variant, const KOR::KS_VECTOR2& c,
                                       float dx, float dy) {
  KOR::KC_QUAD* sprite = obstacle_sprites[2][variant - 1].get();
  if (sprite == nullptr) return;
  const CLevel_PartOffset offset = part ? wall_part_offset(part) : CLevel_PartOffset{};
  const float x = c.x + dx + offset.offsetX;
  const float y = c.y + dy + offset.offsetY;
  if (!drawn_in_pass(sprite, x, y)) return;
  sprite->set_position(x, y, 0.0f);
  sprite->draw();
}

// Each half is drawn from the board's edge inward, the middle column last,
// so the pieces nearer the middle cover those further out.
void CLevel_FieldView::draw_by_halves(HalfCellLayer layer) {
  if (level_header == nullptr) return;
  const int width = level_header->fieldWidth;
  const int height = level_header->fieldHeight;
  for (int x = 0; x < width / 2; ++x) {
    for (int y = 0; y < height; ++y) (this->*layer)(x, y, -1);
  }
  for (int x = width - 1; x >= width / 2; --x) {
    for (int y = 0; y < height; ++y) (this->*layer)(x, y, 1);
  }
}

void CLevel_FieldView::draw_shadows() { draw_by_halves(&CLevel_FieldView::draw_shadow_cell); }

void CLevel_FieldView::draw_shadow_cell(int x, int y, int side) {
  const KOR::KS_VECTOR2 c = cell_center(x, y);
  const float left = float(visible_left);
  if (!inside(c, left - 100.0f, left + 1416.0f, -50.0f)) return;
  const CLevel_Cell* at = cell(x, y);
  if (at == nullptr || at->contentType != CONTENT_OBSTACLE) return;
  const WallNeighbours n = wall_neighbours(x, y);
  if (side < 0) {
    draw_left_shadows(x, n, c);
  } else {
    draw_right_shadows(x, n, c);
  }
}

void CLevel_FieldView::draw_left_shadows(int x, const WallNeighbours& n, const KOR::KS_VECTOR2& c) {
  if (!n.u && !n.ur && !n.r) draw_wall_piece("shadows_left_obstacle3_14", 14, c, 11, -19);
  if (!n.r && !n.d && !n.dr) draw_wall_piece("shadows_left_obstacle3_15", 15, c, 11, 12);
  if (!n.l && !n.dl && !n.d) draw_wall_piece("shadows_left_obstacle3_16", 16, c, -20, 12);
  if (!n.ul && !n.u && !n.l) draw_wall_piece("shadows_left_obstacle3_17", 17, c, -20, -19);
  if (n.u && !n.ur && !n.r) draw_wall_piece("shadows_left_obstacle3_18", 18, c, 11, -13);
  if (n.l && !n.dl && !n.d) draw_wall_piece("shadows_left_obstacle3_19", 19, c, -14, 12);
  if (n.ul && !(n.u && n.l)) draw_wall_piece("shadows_left_obstacle3_20", 20, c, -14, -13);
  if (!n.ur || (n.u && n.r)) return;
  // Beside the middle column the corner shadow is shortened and capped.
  if (x == level_header->fieldWidth / 2 - 1) {
    draw_wall_piece("shadows_left_obstacle3_22", 22, c, 8, -13);
    draw_wall_piece("shadows_left_obstacle3_23", 23, c, 35, 8);
  } else {
    draw_wall_piece("shadows_left_obstacle3_22", 22, c, 36, -13);
  }
}

void CLevel_FieldView::draw_right_shadows(int x, const WallNeighbours& n,
                                          const KOR::KS_VECTOR2& c) {
  const bool middle = x == level_header->fieldWidth / 2;
  if (!n.u && !n.ur && !n.r) draw_wall_piece("shadows_right_obstacle3_14", 14, c, -11, -19);
  if (!n.r && !n.d && !n.dr) draw_wall_piece("shadows_right_obstacle3_15", 15, c, -11, 12);
  if (!n.l && !n.dl && !n.d) draw_wall_piece("shadows_right_obstacle3_16", 16, c, -42, 12);
  if (!n.ul && !n.u && !n.l) draw_wall_piece("shadows_right_obstacle3_17", 17, c, -42, -19);
  if (n.u && !n.ul && !n.l) draw_wall_piece("shadows_right_obstacle3_18", 18, c, -11, -13);
  if (n.r && !n.d && !n.dr) draw_wall_piece("shadows_right_obstacle3_19", 19, c, 14, 12);
  if (n.ul && !(n.u && n.l)) {
    draw_wall_piece("shadows_right_obstacle3_20", 20, c, middle ? -8 : -36, -13);
  }
  if (n.ur && !(n.u && n.r)) draw_wall_piece("shadows_right_obstacle3_22", 22, c, 14, -13);
  if (!middle) return;
  if (n.l) draw_wall_piece("shadows_right_obstacle3_21", 21, c, -22, 39);
  if (n.ul && !n.l) draw_wall_piece(nullptr, 23, c, -32, 8);
}

void CLevel_FieldView::draw_side_walls() {
  if (level_header == nullptr || level_header->scrollingType != SCROLL_UP) return;
  draw_side_band(-1);
  draw_side_band(1);
}

void CLevel_FieldView::draw_side_band(int side) {
  const int width = level_header->fieldWidth;
  const int height = level_header->fieldHeight;
  const int band = 2 * side_band_half_width;
  const bool left_side = side < 0;
  // The board column beside the band and the band column beside the board.
  const int edge = left_side ? 0 : width - 1;
  const int inner = left_side ? -1 : width;
  for (int y = 1; y < height; ++y) {
    if (is_wall_at(edge, y)) continue;
    const KOR::KS_VECTOR2 c = cell_center(inner, y);
    if (left_side) {
      if (is_wall_at(edge, y - 1)) {
        draw_wall_piece("shadows_left_obstacle3_22", 22, c, 36, -13);
      } else {
        draw_wall_piece("shadows_left_obstacle3_18", 18, c, 11, -13);
      }
    } else if (is_wall_at(edge, y - 1)) {
      draw_wall_piece("shadows_right_obstacle3_20", 20, c, -36, -13);
    } else {
      draw_wall_piece("shadows_right_obstacle3_18", 18, c, -11, -13);
    }
  }
  // The two bands' windows differ: the left reaches further left, the right
  // further right.
  const float view_left = float(visible_left);
  const float left = view_left - (left_side ? 200.0f : 100.0f);
  const float right = view_left + (left_side ? 1416.0f : 1466.0f);
  for (int y = 0; y < height; ++y) {
    for (int i = 0; i < band; ++i) {
      const int c = left_side ? i - band : width + band - 1 - i;
      const KOR::KS_VECTOR2 p = cell_center(c, y);
      if (!inside(p, left, right, -50.0f)) continue;
      if (left_side) {
        draw_wall_piece("obstacles_left_obstacle3_2", 2, p, 5, 5);
        draw_wall_piece("obstacles_left_obstacle3_5", 5, p, 25, -25);
        draw_wall_piece("obstacles_left_obstacle3_6", 6, p, 25, 25);
        draw_wall_piece("obstacles_left_obstacle3_7", 7, p, -25, 25);
        draw_wall_piece("obstacles_left_obstacle3_8", 8, p, -25, -25);
      } else {
        draw_wall_piece("obstacles_right_obstacle3_3", 3, p, -5, 5);
        draw_wall_piece("obstacles_right_obstacle3_5", 5, p, 25, -25);
        draw_wall_piece("obstacles_right_obstacle3_6", 6, p, 25, 25);
        draw_wall_piece("obstacles_right_obstacle3_7", 7, p, -25, 25);
        draw_wall_piece("obstacles_right_obstacle3_8", 8, p, -25, -25);
      }
      if (c != inner || y < 1 || is_wall_at(edge, y) || is_wall_at(edge, y - 1)) continue;
      if (left_side) {
        draw_wall_piece("obstacles_left_obstacle3_11", 11, p, 25, -25);
      } else {
        draw_wall_piece("obstacles_right_obstacle3_12", 12, p, -25, -25);
      }
    }
  }
  for (int y = 0; y < height; ++y) {
    for (int i = 0; i < band; ++i) {
      const int slot = left_side ? i : 2 * band - 1 - i;
      const int c = left_side ? slot - band : width + slot - band;
      if (inside(cell_center(c, y), left, right, -100.0f)) draw_band_decoration(slot, c, y);
    }
  }
}

void CLevel_FieldView::draw_band_decoration(int slot, int column, int y) {
  // A layout made for another height or band width has no entry: no piece.
  const auto rows = side_layout.find(slot);
  if (rows == side_layout.end()) return;
  const auto code = rows->second.find(y);
  if (code == rows->second.end()) return;
  int angle = 0;
  const auto turns = side_rotation.find(slot);
  if (turns != side_rotation.end()) {
    const auto found = turns->second.find(y);
    if (found != turns->second.end()) angle = found->second;
  }
  if (code->second == 1) {
    const KOR::KS_VECTOR2 p = block_center(column, y, 0);
    put(obstacle_sprites[7][0].get(), p.x, p.y, float(angle));
  } else if (code->second == 10) {
    const KOR::KS_VECTOR2 p = cell_center(column, y);
    put(obstacle_sprites[6][0].get(), p.x, p.y, float(angle));
  }
}

}  // namespace game
