#include "puzzle/CLevel_Data.h"

#include <cstdint>
#include <pugixml.hpp>
#include <string>

#include "SERVICE/engine_globals.h"
#include "foundation/text_utilities.h"
#include "puzzle/CLevel_Cell.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace game {

namespace {

std::string at(int x, int y) {
  std::string text = "(";
  text += std::to_string(x);
  text += ", ";
  text += std::to_string(y);
  text += ")";
  return text;
}

// The side of (x, y) whose neighbour holds equipment; the last one wins.
int equipment_side(const CLevel_Header& header, int x, int y) {
  int found = -1;
  for (int s = 0; s < 4; ++s) {
    int nx = 0;
    int ny = 0;
    side_neighbour(x, y, s, nx, ny);
    const CLevel_Cell* n = header.cell_at(nx, ny);
    if (n && n->contentType == CONTENT_PIPE && n->pipeType > 12) found = s;
  }
  return found;
}

bool same_cell(const KOR::KS_VECTOR2& v, int& x, int& y) {
  if (!(v.x == v.x) || !(v.y == v.y)) return false;
  x = int(v.x);
  y = int(v.y);
  return true;
}

// Reads the pipe attributes of a cell element; false with `why` set when
// they describe no pipe the game knows.
bool read_pipe(const pugi::xml_node& e, CLevel_Cell& c, std::string& why) {
  c.pipeType = e.attribute("pipeType").as_int();
  c.pipeAngle = e.attribute("pipeAngle").as_int();
  c.pipePartNumber = e.attribute("pipePartNumber").as_int();
  c.isStarting = e.attribute("isStarting").as_bool();
  c.isFinal = e.attribute("isFinal").as_bool();
  if (c.pipeType < 1 || c.pipeType > 17) {
    why = "unknown pipe type " + std::to_string(c.pipeType);
    return false;
  }
  if (!is_angle_code(c.pipeAngle)) {
    why = "pipe angle " + std::to_string(c.pipeAngle) + " is not 0, 90, 180 or 270";
    return false;
  }
  if (c.pipePartNumber < 0 || c.pipePartNumber >= pipe_cell_count(c.pipeType)) {
    why = "pipe part " + std::to_string(c.pipePartNumber) + " does not exist for pipe type " +
          std::to_string(c.pipeType);
    return false;
  }
  return true;
}

bool read_obstacle(const pugi::xml_node& e, CLevel_Cell& c, std::string& why) {
  c.obstacleType = e.attribute("obstacleType").as_int();
  if (c.obstacleType == 5 || c.obstacleType == 6) c.obstacleType = 4;
  c.obstacleAngle = e.attribute("obstacleAngle").as_int();
  c.obstaclePartNumber = e.attribute("obstaclePartNumber").as_int();
  if (c.obstaclePartNumber < 0 || c.obstaclePartNumber > 3) c.obstaclePartNumber = 0;
  if (c.obstacleType < 1 || c.obstacleType > 8) {
    why = "unknown obstacle type " + std::to_string(c.obstacleType);
    return false;
  }
  if (obstacle_class(c.obstacleType) == 1) c.obstaclePartNumber = 0;
  if (!is_angle_code(c.obstacleAngle)) {
    why = "obstacle angle " + std::to_string(c.obstacleAngle) + " is not 0, 90, 180 or 270";
    return false;
  }
  return true;
}

// Every cell of a multi-cell pipe, equipment or obstacle block must find its
// other parts on the board with the same type and angle.
bool check_parts(const CLevel_Header& h, std::string& why) {
  for (int x = 0; x < h.fieldWidth; ++x) {
    for (int y = 0; y < h.fieldHeight; ++y) {
      const CLevel_Cell& c = *h.cell_at(x, y);
      const bool pipe = c.contentType == CONTENT_PIPE;
      const bool block = c.contentType == CONTENT_OBSTACLE && obstacle_class(c.obstacleType) == 4;
      if (!block && !(pipe && c.pipeType >= 6)) continue;
      const int type = pipe ? c.pipeType : c.obstacleType;
      const int angle = pipe ? c.pipeAngle : c.obstacleAngle;
      const int part = pipe ? c.pipePartNumber : c.obstaclePartNumber;
      const int parts = pipe ? pipe_cell_count(type) : 4;
      for (int t = 0; t < parts; ++t) {
        const KOR::KS_VECTOR2 v = parts == 2 ? pipe_part_cell(type, angle, part, x, y, t)
                                             : obstacle_part_cell(type, angle, part, x, y, t);
        int px = 0;
        int py = 0;
        const CLevel_Cell* p = same_cell(v, px, py) ? h.cell_at(px, py) : nullptr;
        const bool ok =
            p && p->contentType == c.contentType &&
            (pipe ? p->pipeType == type && p->pipeAngle == angle && p->pipePartNumber == t
                  : p->obstacleType == type && p->obstacleAngle == angle &&
                        p->obstaclePartNumber == t);
        if (!ok) {
          why = std::string(pipe ? "pipe" : "obstacle") + " at " + at(x, y) + " misses its part " +
                std::to_string(t);
          return false;
        }
      }
    }
  }
  return true;
}

bool find_marked(const CLevel_Header& h, uint8_t CLevel_Cell::*flag, int& x, int& y) {
  bool found = false;
  for (int cx = 0; cx < h.fieldWidth; ++cx) {
    for (int cy = 0; cy < h.fieldHeight; ++cy) {
      const CLevel_Cell* c = h.cell_at(cx, cy);
      if (c && c->contentType == CONTENT_PIPE && c->*flag) {
        x = cx;
        y = cy;
        found = true;
      }
    }
  }
  return found;
}

}  // namespace

bool CLevel_Header::find_start(int& x, int& y) const {
  return find_marked(*this, &CLevel_Cell::isStarting, x, y);
}

bool CLevel_Header::find_final(int& x, int& y) const {
  return find_marked(*this, &CLevel_Cell::isFinal, x, y);
}

int CLevel_Header::water_inlet(int sx, int sy, int& cell_x, int& cell_y) const {
  cell_x = sx;
  cell_y = sy;
  const int side = equipment_side(*this, sx, sy);
  const CLevel_Cell* c = cell_at(sx, sy);
  if (side >= 0 || !c || pipe_span_code(c->pipeType) != 2) return side;
  int ox = 0;
  int oy = 0;
  if (!same_cell(pipe_part_cell(c->pipeType, c->pipeAngle, c->pipePartNumber, sx, sy,
                                1 - c->pipePartNumber),
                 ox, oy) ||
      !cell_at(ox, oy)) {
    return -1;
  }
  const int other = equipment_side(*this, ox, oy);
  if (other >= 0) {
    cell_x = ox;
    cell_y = oy;
  }
  return other;
}

CLevel_Data::CLevel_Data() { clear(); }

CLevel_Data::~CLevel_Data() = default;

void CLevel_Data::set_defaults() {
  header_.fieldWidth = 15;
  header_.fieldHeight = 300;
  header_.scrollingType = 0;
  header_.percentOfBonusPipesOnTape = 25;
  header_.timeFor2Stars = 300;
  header_.timeFor3Stars = 150;
  header_.stepOfWaterFlowingOut = 1.0f;
  for (int t = 1; t <= 17; ++t) header_.availablePipes[t] = true;
}

void CLevel_Data::clear() {
  header_.fieldWidth = 0;
  header_.fieldHeight = 0;
  header_.scrollingType = 0;
  header_.percentOfBonusPipesOnTape = 0;
  for (int t = 1; t <= 17; ++t) header_.availablePipes[t] = true;
}

void CLevel_Data::create_grid(int width, int height) {
  header_.cells.assign(size_t(width), std::vector<CLevel_Cell>(size_t(height)));
}

bool CLevel_Data::fail(const std::string& why) {
  error_ = "level " + std::to_string(levelNumber) + ": " + why;
  header_.cells.clear();
  header_.decor.clear();
  header_.fieldWidth = 0;
  header_.fieldHeight = 0;
  return false;
}

bool CLevel_Data::load(int n) {
  const std::string name = "xml/Levels Levels/level_" + KOR::text_from_int(n) + ".xml";
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml(name) : nullptr;
  if (!document) {
    levelNumber = n;
    return fail("the level file \"" + name + "\" is missing or not readable");
  }
  const bool loaded = load_document(n, *document);
  manager->release_xml(document);
  return loaded;
}

bool CLevel_Data::load_bytes(int n, const void* data, size_t size) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(data, size);
  if (!parsed) {
    levelNumber = n;
    return fail(std::string("not a readable level file: ") + parsed.description());
  }
  return load_document(n, document);
}

bool CLevel_Data::load_document(int n, const pugi::xml_document& document) {
  levelNumber = n;
  error_.clear();
  set_defaults();
  const pugi::xml_node level = document.child("level");
  if (!level) return fail("the file has no \"level\" element");

  CLevel_Header& h = header_;
  const int width = level.attribute("fieldWidth").as_int();
  const int height = level.attribute("fieldHeight").as_int();
  if (width <= 0 || height <= 0) return fail("the board size is missing or not positive");
  if (width > kMaxSide || height > kMaxSide || int64_t(width) * height > kMaxCells) {
    return fail("the board of " + std::to_string(width) + " x " + std::to_string(height) +
                " cells is larger than the game allows");
  }
  h.fieldWidth = width;
  h.fieldHeight = height;
  h.scrollingType = level.attribute("scrollingType").as_int();
  if (h.scrollingType < 0 || h.scrollingType > 3) {
    return fail("unknown scrolling type " + std::to_string(h.scrollingType));
  }
  h.percentOfBonusPipesOnTape = level.attribute("percentOfBonusPipesOnTape").as_int();
  h.timeFor2Stars = level.attribute("timeFor2Stars").as_int();
  if (h.timeFor2Stars < 1) h.timeFor2Stars = 300;
  h.timeFor3Stars = level.attribute("timeFor3Stars").as_int();
  if (h.timeFor3Stars < 1) h.timeFor3Stars = 150;
  h.stepOfWaterFlowingOut = level.attribute("stepOfWaterFlowingOut").as_float();

  h.availablePipes.clear();
  const pugi::xml_node pipes = level.child("availablePipes");
  for (int t = 1; t <= 16; ++t) {
    h.availablePipes[t] = pipes.attribute(("pipe" + std::to_string(t)).c_str()).as_bool();
  }
  h.additionalTasks.clear();
  const pugi::xml_node tasks = level.child("additionalTasks");
  for (int k = 1; k <= 3; ++k) {
    const pugi::xml_attribute task = tasks.attribute(("task" + std::to_string(k)).c_str());
    if (task) h.additionalTasks[k] = task.as_int();
  }

  create_grid(width, height);
  std::string why;
  for (const pugi::xml_node e : level.children("cell")) {
    const int x = e.attribute("x").as_int();
    const int y = e.attribute("y").as_int();
    CLevel_Cell* c = h.cell_at(x, y);
    if (!c) return fail("a cell at " + at(x, y) + " lies outside the board");
    c->contentType = e.attribute("contentType").as_int();
    if (c->contentType < CONTENT_EMPTY || c->contentType > CONTENT_PIPE) {
      return fail("unknown content type " + std::to_string(c->contentType) + " at " + at(x, y));
    }
    if (c->contentType == CONTENT_PIPE && !read_pipe(e, *c, why))
      return fail(why + " at " + at(x, y));
    if (c->contentType == CONTENT_OBSTACLE && !read_obstacle(e, *c, why)) {
      return fail(why + " at " + at(x, y));
    }
    if (c->contentType != CONTENT_EMPTY) {
      c->givesMoney = e.attribute("givesMoney").as_int();
      c->isSpecial = e.attribute("isSpecial").as_bool();
      c->isDestructible = e.attribute("isDestructible").as_bool();
    }
  }

  h.decor.clear();
  int32_t k = 1;
  for (const pugi::xml_node e : level.children("decor")) {
    CLevel_Decor& d = h.decor[k++];
    d.type = e.attribute("type").as_int();
    d.x = e.attribute("x").as_int();
    d.y = e.attribute("y").as_int();
    d.offsetX = e.attribute("offsetX").as_float();
    d.offsetY = e.attribute("offsetY").as_float();
    d.angle = e.attribute("angle").as_float();
  }

  if (!check_parts(h, why)) return fail(why);
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const CLevel_Cell& c = *h.cell_at(x, y);
      if (c.contentType == CONTENT_PIPE && (c.isStarting || c.isFinal) && c.isSpecial) {
        return fail("the starting or final pipe at " + at(x, y) + " is a special cell");
      }
    }
  }
  int sx = 0;
  int sy = 0;
  if (!h.find_start(sx, sy)) return fail("the level has no starting pipe");
  int fx = 0;
  int fy = 0;
  if (!h.find_final(fx, fy)) return fail("the level has no final pipe");
  int ix = 0;
  int iy = 0;
  if (h.water_inlet(sx, sy, ix, iy) < 0) {
    return fail("the starting pipe at " + at(sx, sy) + " has no equipment beside it");
  }
  return true;
}

void CLevel_Data::prepare_special_cells() {
  for (auto& column : header_.cells) {
    for (CLevel_Cell& c : column) {
      if (c.contentType != CONTENT_PIPE || !c.isSpecial) continue;
      c.expectedPipeType = c.pipeType;
      c.expectedPipeAngle = c.pipeAngle;
      c.expectedPipePartNumber = c.pipePartNumber;
      c.contentType = CONTENT_EMPTY;
      c.pipeType = 0;
      c.pipeAngle = 0;
      c.pipePartNumber = 0;
    }
  }
}

int32_t CLevel_Data::special_cells_money() const {
  int32_t sum = 0;
  for (const auto& column : header_.cells) {
    for (const CLevel_Cell& c : column) {
      if (c.isSpecial) sum += c.givesMoney;
    }
  }
  return sum;
}

void CLevel_Data::randomize_obstacles(int (*draw)()) {
  for (int x = 0; x < int(header_.cells.size()); ++x) {
    for (int y = 0; y < int(header_.cells[x].size()); ++y) {
      CLevel_Cell& c = header_.cells[x][y];
      if (c.contentType != CONTENT_OBSTACLE) continue;
      const int type = c.obstacleType;
      if (type == 1 || type == 2 || type == 7) {
        c.obstacleAngle = (draw() % 4) * 90;
      } else if ((type == 4 || type == 8) && c.obstaclePartNumber == 0 && c.obstacleAngle == 0) {
        const int a = draw() % 4;
        if (a != 0) rotate_block(x, y, a * 90);
      }
    }
  }
}

void CLevel_Data::rotate_block(int x, int y, int angle) {
  CLevel_Cell* block[4];
  for (int part = 0; part < 4; ++part) {
    int px = 0;
    int py = 0;
    same_cell(obstacle_part_cell(0, 0, 0, x, y, part), px, py);
    block[part] = header_.cell_at(px, py);
    // A block cut by the board's edge is not turned: its cells are not all there.
    if (!block[part]) return;
  }
  const int quarters = angle / 90;
  const bool turn = angle == 90 || angle == 180 || angle == 270;
  for (int part = 0; part < 4; ++part) {
    if (turn) block[part]->obstaclePartNumber = (part - quarters + 4) % 4;
    block[part]->obstacleAngle = angle;
  }
}

}  // namespace game
