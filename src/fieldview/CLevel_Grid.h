#pragma once

#include <map>

#include "fieldview/field_atlas.h"

namespace game {

// Debug overlay of the board's cell borders: one line quad per column and
// row border, the middle ones highlighted.
class CLevel_Grid {
 public:
  CLevel_Grid() = default;
  CLevel_Grid(const CLevel_Grid&) = delete;
  CLevel_Grid& operator=(const CLevel_Grid&) = delete;

  void set_size(int columns, int rows);
  // Makes the line quads for the current counts, replacing any earlier ones.
  void build();
  // Moves the overlay with the board.
  void set_position(float x, float y);
  // The lines, then each cell's column and row on two lines at its corner
  // while the corner is near the screen.
  void draw();

  // Keys 0 .. columns: the vertical lines from the left; then the
  // horizontal lines from the top.
  std::map<int, OWNED_SPRITE> line_quads;
  int column_count = 0;
  int row_count = 0;
  float position_x = 0.0f;
  float position_y = 0.0f;

 private:
};

}  // namespace game
