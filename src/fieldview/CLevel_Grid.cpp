#include "fieldview/CLevel_Grid.h"

namespace game {

void CLevel_Grid::set_size(int columns, int rows) {
  column_count = columns;
  row_count = rows;
}

// The line sprites come with the overlay's drawing; the position is what
// they are placed from.
void CLevel_Grid::set_position(float x, float y) {
  position_x = x;
  position_y = y;
}

}  // namespace game
