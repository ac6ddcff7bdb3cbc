#include "SERVICE/engine_globals.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_SOUND_MANAGER.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CPipe_Network.h"

namespace game {

KOR::KS_IVECTOR2 CLevel_Field::water_boundary_cell() const {
  const int w = KOR::auto_position_screen_width;
  const int h = KOR::auto_position_screen_height;
  // The boundary lies one cell beyond the screen edge the water grows from.
  switch (level_header->scrollingType) {
    case SCROLL_UP:
      return KOR::KS_IVECTOR2{-1, int(cell_at_point(w / 2, h + kCellSize).y)};
    case SCROLL_RIGHT:
      return KOR::KS_IVECTOR2{int(cell_at_point(-kCellSize, h / 2).x), -1};
    case SCROLL_DOWN:
      return KOR::KS_IVECTOR2{-1, int(cell_at_point(w / 2, -kCellSize).y)};
    case SCROLL_LEFT:
      return KOR::KS_IVECTOR2{int(cell_at_point(w + kCellSize, h / 2).x), -1};
    default:
      return KOR::KS_IVECTOR2{-1, -1};
  }
}

bool CLevel_Field::beyond_boundary(int x, int y) const {
  switch (level_header->scrollingType) {
    case SCROLL_UP:
      return y > water_boundary.y;
    case SCROLL_RIGHT:
      return x < water_boundary.x;
    case SCROLL_DOWN:
      return y < water_boundary.y;
    case SCROLL_LEFT:
      return x > water_boundary.x;
    default:
      return false;
  }
}

void CLevel_Field::start_water() {
  if (!network->build_from_start()) return;
  water_started = 1;
  const KOR::KS_IVECTOR2 start = network->start_cell();
  int inlet_x = 0;
  int inlet_y = 0;
  const int side = level_header->water_inlet(start.x, start.y, inlet_x, inlet_y);
  CLevel_Cell* start_cell = level_header->cell_at(start.x, start.y);
  CLevel_Cell* inlet = level_header->cell_at(inlet_x, inlet_y);
  if (start_cell == inlet) {
    start_cell->waterInflowSide = side;
  } else {
    // Water enters the other part of a two-cell starting pipe and reaches the
    // starting cell through the link between the parts.
    start_cell->waterInflowSide = -1;
    inlet->waterInflowSide = side;
  }
  view->set_water_visible(true);
  water_boundary = water_boundary_cell();
  const CGame_Config& config = CGame_Config::instance();
  KOR_GF::sound_manager_instance().play("sound_water_flow", true,
                                        config.get_float_w(L"flowingWaterOneCycleTime"),
                                        config.get_float_w(L"flowingWaterPauseTime"));
}

void CLevel_Field::advance_water() {
  const int count = network->water_node_count();
  const float dt = KOR::frame_dt.load();
  int full = 0;
  for (int i = 1; i <= count; ++i) {
    const CPipe_Node* node = network->water_node(i);
    CLevel_Cell* cell = level_header->cell_at(node->x, node->y);
    if (!cell) continue;
    const float capacity = float(pipe_water_capacity(cell->pipeType));
    const bool wet = cell->waterInflowSide != -1;
    bool passes_on = wet && cell->waterFill == capacity;
    if (wet && cell->waterFill < capacity) {
      if (cell->waterFill == -1.0f) cell->waterFill = 0.0f;
      // Off screen the water arrives almost at once.
      const float period = beyond_boundary(node->x, node->y) ? 0.00001f : 0.2f;
      cell->waterFill = cell->waterFill + 100.0f * dt / period;
      if (cell->waterFill >= capacity) {
        cell->waterFill = capacity;
        passes_on = true;
      }
    }
    if (passes_on) {
      for (int side = 0; side < 4; ++side) {
        const CPipe_Node* next = node->links[side];
        CLevel_Cell* n = next ? level_header->cell_at(next->x, next->y) : nullptr;
        if (n && n->waterInflowSide == -1) {
          n->waterInflowSide = opposite_side(side);
          n->waterFill = 0.0f;
        }
      }
    }
    if (cell->waterFill == capacity) ++full;
  }
  if (count > 0 && full == count) water_end();
}

void CLevel_Field::water_end() {
  if (!owner || !owner->level_won() || finished) return;
  finished = 1;
  KOR_GF::sound_manager_instance().stop("sound_water_flow");
  if (!closes_pack()) {
    owner->level_finished();
    return;
  }
  target_y = float(pack_gap) + intro_y + 768.0f;
  scroll_state = 2;
  // The pack picture lies below the board's top: the board scrolls down to
  // it, whichever way the last scroll went.
  scroll_direction = SCROLL_DOWN;
}

}  // namespace game
