#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "puzzle/CLevel_Cell.h"

namespace pugi {
class xml_document;
}

namespace game {

// One decor item of the level file.
struct CLevel_Decor {
  int32_t type = 0;
  int32_t x = 0;
  int32_t y = 0;
  float offsetX = 0.0f;
  float offsetY = 0.0f;
  float angle = 0.0f;
};

// The part of a level the rest of the game reads.
struct CLevel_Header {
  int32_t fieldWidth = 0;
  int32_t fieldHeight = 0;
  int32_t scrollingType = 0;
  int32_t percentOfBonusPipesOnTape = 0;
  int32_t timeFor2Stars = 0;
  int32_t timeFor3Stars = 0;
  float stepOfWaterFlowingOut = 0.0f;
  std::map<int32_t, bool> availablePipes;
  // cells[x][y]; the vectors' sizes are the allocated grid, which a failed
  // load leaves empty. The grid is not resized while a level is played, so
  // the cells stay where they are.
  std::vector<std::vector<CLevel_Cell>> cells;
  std::map<int32_t, int32_t> additionalTasks;
  std::map<int32_t, CLevel_Decor> decor;

  // The cell at (x, y), null outside the grid.
  CLevel_Cell* cell_at(int x, int y) {
    return in_grid(x, y) ? &cells[size_t(x)][size_t(y)] : nullptr;
  }
  const CLevel_Cell* cell_at(int x, int y) const {
    return in_grid(x, y) ? &cells[size_t(x)][size_t(y)] : nullptr;
  }
  bool in_grid(int x, int y) const {
    return x >= 0 && y >= 0 && size_t(x) < cells.size() && size_t(y) < cells[size_t(x)].size();
  }
  // The last starting (final) pipe in column order, x outer, y inner; false
  // with x and y untouched when the level has none.
  bool find_start(int& x, int& y) const;
  bool find_final(int& x, int& y) const;
  // Where water enters the starting pipe at (sx, sy): the cell and the side
  // facing equipment. The last side in the order up, right, down, left wins;
  // a two-cell starting pipe with no such side at the given cell tries its
  // other part. Returns the side, or -1 when no side faces equipment.
  int water_inlet(int sx, int sy, int& cell_x, int& cell_y) const;
};

// One level as the level file describes it.
class CLevel_Data {
 public:
  // The largest board the reader accepts: the default board's 15 x 300 cells
  // in any shape, no side longer than 300 cells.
  static constexpr int kMaxSide = 300;
  static constexpr int kMaxCells = 15 * 300;

  CLevel_Data();
  ~CLevel_Data();
  CLevel_Data(const CLevel_Data&) = delete;
  CLevel_Data& operator=(const CLevel_Data&) = delete;

  CLevel_Header* header() { return &header_; }
  const CLevel_Header* header() const { return &header_; }
  int level_number() const { return levelNumber; }
  // Why the last load failed; empty after a successful one.
  const std::string& error() const { return error_; }

  void set_defaults();
  void clear();

  // Reads level n, "xml/Levels Levels/level_<n>.xml", through the engine's
  // resource manager. On failure the level has no cells and error() says why.
  bool load(int n);
  // Reads level n from a parsed level document.
  bool load_document(int n, const pugi::xml_document& document);
  // Reads level n from the bytes of a level file.
  bool load_bytes(int n, const void* data, size_t size);

  void prepare_special_cells();
  int32_t special_cells_money() const;
  // Random angles for obstacles; `draw` returns a value 0..32767 per call.
  void randomize_obstacles(int (*draw)());
  void rotate_block(int x, int y, int angle);

 private:
  void create_grid(int width, int height);
  bool fail(const std::string& why);

  int32_t levelNumber = 0;
  CLevel_Header header_;
  std::string error_;
};

}  // namespace game
