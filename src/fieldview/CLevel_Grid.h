#pragma once

namespace game {

// Debug overlay of the board's cell borders.
class CLevel_Grid {
 public:
  void set_size(int columns, int rows);
  // Moves the overlay with the board.
  void set_position(float x, float y);

  int column_count = 0;
  int row_count = 0;
  float position_x = 0.0f;
  float position_y = 0.0f;
};

}  // namespace game
