#pragma once

#include <cstdint>

#include "foundation/KS_VECTOR2.h"

namespace game {

// Side codes; the opposite of s is (s + 2) % 4.
enum { SIDE_UP = 0, SIDE_RIGHT = 1, SIDE_DOWN = 2, SIDE_LEFT = 3 };

// How a board scrolls, in the side codes: a level's scrollingType and the
// way one scroll moves the board's origin. A board of type SCROLL_UP starts
// at its bottom, its network grows upward and its intro moves it up to the
// play position; the other types likewise toward their side.
enum Scroll_Direction {
  SCROLL_UP = SIDE_UP,
  SCROLL_RIGHT = SIDE_RIGHT,
  SCROLL_DOWN = SIDE_DOWN,
  SCROLL_LEFT = SIDE_LEFT
};

// The side of a board cell on screen in pixels; a cell's centre lies half
// of it from each edge.
inline constexpr int kCellSize = 50;
inline constexpr int kHalfCell = kCellSize / 2;

// Content codes of a cell.
enum { CONTENT_EMPTY = 0, CONTENT_OBSTACLE = 1, CONTENT_PIPE = 2 };

inline int opposite_side(int side) { return (side + 2) % 4; }

// The neighbour of (x, y) on a side; sides outside 0..3 give (x, y).
// Inline: the network's walks ask it for every side of every cell.
inline void side_neighbour(int x, int y, int side, int& nx, int& ny) {
  nx = x;
  ny = y;
  switch (side) {
    case SIDE_UP:
      ny = y - 1;
      break;
    case SIDE_RIGHT:
      nx = x + 1;
      break;
    case SIDE_DOWN:
      ny = y + 1;
      break;
    case SIDE_LEFT:
      nx = x - 1;
      break;
    default:
      break;
  }
}

// One board cell. The fields from contentType to isFinal carry the level
// file's attribute names.
struct CLevel_Cell {
  int32_t contentType = CONTENT_EMPTY;
  int32_t pipeType = 0;
  int32_t pipeAngle = 0;
  int32_t pipePartNumber = 0;
  int32_t waterInflowSide = -1;
  float waterFill = -1.0f;
  int32_t obstacleType = 0;
  int32_t obstacleAngle = 0;
  int32_t obstaclePartNumber = 0;
  int32_t givesMoney = 0;
  uint8_t isSpecial = 0;
  uint8_t isDestructible = 1;
  uint8_t isStarting = 0;
  uint8_t isFinal = 0;
  int32_t expectedPipeType = 0;
  int32_t expectedPipeAngle = 0;
  int32_t expectedPipePartNumber = 0;
  uint8_t equipmentConnected = 0;
  int32_t equipmentFrame = 0;
  uint8_t equipmentAnimating = 0;
  uint8_t fading = 0;
  float fadeAlpha = 255.0f;

  // Back to an empty cell; the equipment frame and the fade alpha stay.
  void reset();
  // Next animation frame of equipment 14..17; other contents keep their frame.
  void advance_equipment_frame();
  int equipment_frame() const { return equipmentFrame; }
};

bool is_angle_code(int angle);

// Equipment 15..17, which holds the water back for a while.
inline bool pipe_is_bonus_equipment(int type) { return type >= 15 && type <= 17; }
inline bool cell_is_bonus_equipment(const CLevel_Cell& c) {
  return c.contentType == CONTENT_PIPE && pipe_is_bonus_equipment(c.pipeType);
}
// A pipe or equipment of types 1..12: what joins pipe systems as a pipe.
inline bool cell_is_plain_pipe(const CLevel_Cell& c) {
  return c.contentType == CONTENT_PIPE && c.pipeType <= 12;
}
// The sides on which a neighbour may join the cell, a bit per side code: the
// openings of a pipe of type 1..12; every side of equipment 15..17; none for
// anything else.
int cell_open_sides(const CLevel_Cell& c);
inline bool cell_opens_toward(const CLevel_Cell& c, int side) {
  return side >= 0 && side <= 3 && ((cell_open_sides(c) >> side) & 1);
}
// The cell holds a pipe of type 1..12 open on that side.
inline bool cell_pipe_opens(const CLevel_Cell& c, int side) {
  return c.pipeType <= 12 && cell_opens_toward(c, side);
}

int pipe_cell_count(int type);
int pipe_span_code(int type);
int obstacle_class(int obstacle_type);
KOR::KS_VECTOR2 pipe_part_cell(int type, int angle, int from_part, int x, int y, int to_part);
KOR::KS_VECTOR2 obstacle_part_cell(int type, int angle, int from_part, int x, int y, int to_part);
KOR::KS_VECTOR2 equipment_part_cell(int type, int angle, int from_part, int x, int y, int to_part);
bool pipe_open_side_one_cell(int type, int angle, int side);
bool pipe_open_side_two_cell(int type, int part, int angle, int side);
// Open sides of a plain pipe (types 1..12) as a bit per side code.
int pipe_open_mask(int type, int part, int angle);
bool pipe_fit_one_cell(uint8_t up, uint8_t right, uint8_t down, uint8_t left, int32_t& type,
                       float& angle);
bool pipe_is_equipment(int type);
bool pipe_is_type_7_or_8(int type);
int obstacle_strength(int obstacle_type);
int pipe_water_capacity(int type);
int equipment_frame_count(int type);

}  // namespace game
