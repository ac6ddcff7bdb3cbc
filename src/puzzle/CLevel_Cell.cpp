#include "puzzle/CLevel_Cell.h"

#include <cmath>
#include <limits>

namespace game {

namespace {

constexpr int kUp = 1 << SIDE_UP;
constexpr int kRight = 1 << SIDE_RIGHT;
constexpr int kDown = 1 << SIDE_DOWN;
constexpr int kLeft = 1 << SIDE_LEFT;

// Openings at angle 0 of the one-cell types 1..5; other angles turn them.
constexpr int kOneCellOpenings[5] = {
    kLeft,                         // 1 end piece
    kUp | kRight | kDown,          // 2 T piece
    kUp | kRight | kDown | kLeft,  // 3 cross
    kUp | kLeft,                   // 4 elbow
    kRight | kLeft,                // 5 straight
};

// Openings at angle 0 of parts 0 and 1 of the two-cell types 6..12.
constexpr int kTwoCellOpenings[7][2] = {
    {kRight | kDown, kUp | kLeft},                   // 6
    {kUp | kRight | kDown, kUp | kDown | kLeft},     // 7
    {kRight | kDown, kDown | kLeft},                 // 8
    {kUp | kRight | kLeft, kRight | kDown | kLeft},  // 9
    {kUp | kRight, kUp | kDown | kLeft},             // 10
    {kRight | kDown | kLeft, kRight | kLeft},        // 11
    {kUp | kRight | kDown, kRight | kLeft},          // 12
};

// Offset of parts 1..3 of a 2x2 block from part 0 at angle 0.
constexpr int kBlockOffsets[4][2] = {{0, 0}, {0, -1}, {1, -1}, {1, 0}};

KOR::KS_VECTOR2 nan_pair() {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  return KOR::KS_VECTOR2{nan, nan};
}

KOR::KS_VECTOR2 start_value(int from_part, int x, int y, int to_part) {
  if (from_part == to_part) return KOR::KS_VECTOR2{float(x), float(y)};
  return nan_pair();
}

// Turns a mask of angle-0 openings clockwise by the given quarter turns.
int turn_mask(int mask, int quarters) {
  int turned = 0;
  for (int s = 0; s < 4; ++s) {
    if (mask & (1 << s)) turned |= 1 << ((s + quarters) % 4);
  }
  return turned;
}

// Offset of a block part from part 0, turned clockwise by the angle.
void block_offset(int part, int angle, int& dx, int& dy) {
  dx = kBlockOffsets[part][0];
  dy = kBlockOffsets[part][1];
  for (int turns = angle / 90; turns > 0; --turns) {
    const int t = dx;
    dx = -dy;
    dy = t;
  }
}

bool is_block_part(int part) { return part >= 0 && part <= 3; }

// Openings of every plain pipe, part and quarter angle, worked out once: the
// network asks for them for every cell it walks.
struct OpeningTable {
  int masks[13][2][4] = {};
  OpeningTable() {
    for (int type = 1; type <= 12; ++type) {
      for (int part = 0; part < 2; ++part) {
        const int base = type <= 5 ? kOneCellOpenings[type - 1] : kTwoCellOpenings[type - 6][part];
        for (int q = 0; q < 4; ++q) masks[type][part][q] = turn_mask(base, q);
      }
    }
  }
};

const OpeningTable kOpeningTable;

}  // namespace

void CLevel_Cell::reset() {
  const int32_t frame = equipmentFrame;
  const float alpha = fadeAlpha;
  *this = CLevel_Cell();
  equipmentFrame = frame;
  fadeAlpha = alpha;
}

void CLevel_Cell::advance_equipment_frame() {
  if (pipeType < 14 || pipeType > 17) return;
  equipmentFrame += 1;
  if (equipmentFrame >= equipment_frame_count(pipeType)) equipmentFrame = 0;
}

bool is_angle_code(int angle) { return angle == 0 || angle == 90 || angle == 180 || angle == 270; }

int pipe_cell_count(int type) {
  if (type <= 5) return 1;
  if (type <= 12) return 2;
  return 4;
}

int pipe_span_code(int type) { return type >= 6 && type <= 12 ? 2 : 0; }

int obstacle_class(int obstacle_type) {
  if (obstacle_type <= 3 || obstacle_type == 7) return 1;
  if (obstacle_type == 4 || obstacle_type == 5 || obstacle_type == 6 || obstacle_type == 8)
    return 4;
  return obstacle_type;
}

KOR::KS_VECTOR2 pipe_part_cell(int type, int angle, int from_part, int x, int y, int to_part) {
  KOR::KS_VECTOR2 cell = start_value(from_part, x, y, to_part);
  if (type < 6 || type > 12 || !is_angle_code(angle)) return cell;
  int dx = 0;
  int dy = 0;
  switch (angle) {
    case 0:
      dx = 1;
      break;
    case 90:
      dy = 1;
      break;
    case 180:
      dx = -1;
      break;
    default:
      dy = -1;
      break;
  }
  if (from_part == 0 && to_part == 1) return KOR::KS_VECTOR2{float(x + dx), float(y + dy)};
  if (from_part == 1 && to_part == 0) return KOR::KS_VECTOR2{float(x - dx), float(y - dy)};
  return cell;
}

KOR::KS_VECTOR2 obstacle_part_cell(int, int angle, int from_part, int x, int y, int to_part) {
  KOR::KS_VECTOR2 cell = start_value(from_part, x, y, to_part);
  const bool from_other = from_part >= 1 && from_part <= 3;
  if (!is_angle_code(angle)) return from_other && to_part != 0 ? nan_pair() : cell;
  int dx = 0;
  int dy = 0;
  if (from_part == 0 && to_part >= 1 && to_part <= 3) {
    block_offset(to_part, angle, dx, dy);
    return KOR::KS_VECTOR2{float(x + dx), float(y + dy)};
  }
  if (!from_other) return cell;
  block_offset(from_part, angle, dx, dy);
  const int x0 = x - dx;
  const int y0 = y - dy;
  if (to_part == 0) return KOR::KS_VECTOR2{float(x0), float(y0)};
  if (!is_block_part(to_part)) return nan_pair();
  block_offset(to_part, angle, dx, dy);
  return KOR::KS_VECTOR2{float(x0 + dx), float(y0 + dy)};
}

KOR::KS_VECTOR2 equipment_part_cell(int type, int angle, int from_part, int x, int y, int to_part) {
  return obstacle_part_cell(type, angle, from_part, x, y, to_part);
}

int pipe_open_mask(int type, int part, int angle) {
  if (type == 3) return kUp | kRight | kDown | kLeft;
  if (!is_angle_code(angle)) return 0;
  if (type >= 1 && type <= 5) return kOpeningTable.masks[type][0][angle / 90];
  if (type >= 6 && type <= 12 && (part == 0 || part == 1)) {
    return kOpeningTable.masks[type][part][angle / 90];
  }
  return 0;
}

int cell_open_sides(const CLevel_Cell& c) {
  if (c.contentType != CONTENT_PIPE) return 0;
  if (pipe_is_bonus_equipment(c.pipeType)) return kUp | kRight | kDown | kLeft;
  if (c.pipeType < 1 || c.pipeType > 12) return 0;
  return pipe_open_mask(c.pipeType, c.pipePartNumber, c.pipeAngle);
}

bool pipe_open_side_one_cell(int type, int angle, int side) {
  if (type == 3) return true;
  if (type < 1 || type > 5 || side < 0 || side > 3) return false;
  return (pipe_open_mask(type, 0, angle) >> side) & 1;
}

bool pipe_open_side_two_cell(int type, int part, int angle, int side) {
  if (type < 6 || type > 12 || side < 0 || side > 3) return false;
  return (pipe_open_mask(type, part, angle) >> side) & 1;
}

bool pipe_fit_one_cell(uint8_t up, uint8_t right, uint8_t down, uint8_t left, int32_t& type,
                       float& angle) {
  const int wanted =
      (up ? kUp : 0) | (right ? kRight : 0) | (down ? kDown : 0) | (left ? kLeft : 0);
  if (wanted == 0) return false;
  for (int t = 1; t <= 5; ++t) {
    for (int a = 0; a < 360; a += 90) {
      if (pipe_open_mask(t, 0, a) == wanted) {
        type = t;
        angle = float(a);
        return true;
      }
    }
  }
  return false;
}

bool pipe_is_equipment(int type) { return type > 12; }

bool pipe_is_type_7_or_8(int type) { return type == 7 || type == 8; }

int obstacle_strength(int obstacle_type) {
  if (obstacle_type == 1 || obstacle_type == 4) return 3;
  if (obstacle_type == 2) return 2;
  return 1;
}

int pipe_water_capacity(int type) {
  if (type == 1) return 52;
  if (type >= 2 && type <= 12) return 100;
  return type;
}

int equipment_frame_count(int type) {
  switch (type) {
    case 14:
    case 15:
      return 2;
    case 16:
      return 3;
    case 17:
      return 4;
    default:
      return type;
  }
}

}  // namespace game
