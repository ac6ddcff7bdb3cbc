#pragma once

#include <cstdint>
#include <map>

#include "foundation/KS_VECTOR2.h"

namespace game {

struct CLevel_Header;
struct CLevel_OpenConnection;

// Draws the level field; told by the field where the board is, which cell
// is hovered, which open connections exist and when the water runs.
class CLevel_FieldView {
 public:
  // Attaches a level: every layer on, the water layer off, timers unstarted.
  void set_level(const CLevel_Header* header);
  // Creates what the board is drawn with; the hovered cell is none.
  void load_graphics();
  // One frame of the board; (x, y) is the destruction target cell, -1 for
  // none. Nothing for a level without cells. Consumes the equipment tick.
  void draw(int x, int y);
  // The clocks below take the level clock in ms; -1 means no time.
  // Steps the water-in-pipe frame 1..16 every 62.5 ms.
  void advance_water_frame(int now_ms);
  // The open-connection glow, the coin and the equipment animation clocks.
  void update_timers(int now_ms);
  void set_origin(float x, float y);
  KOR::KS_VECTOR2 cell_center(int x, int y) const;
  void set_hovered_cell(int x, int y);
  void set_water_visible(bool on) { water_visible = on ? 1 : 0; }
  // The board's visible window for the current logical screen width.
  void update_visible_window();
  // Keeps a copy of the field's list; the records stay the field's.
  void set_open_connections(const std::map<int, CLevel_OpenConnection*>& connections);

  float origin_x = 0.0f;
  float origin_y = 0.0f;
  const CLevel_Header* level_header = nullptr;
  KOR::KS_VECTOR2 hovered_cell{-1.0f, -1.0f};
  std::map<int, CLevel_OpenConnection*> open_connections;
  uint8_t water_visible = 0;
  int water_frame = 1;
  int water_last_step = -1;
  int visible_left = 0;
  int glow_frame = 1;
  int glow_last_step = -1;
  int coin_frame = 1;
  int coin_last_step = -1;
  float equipment_period = 0.0f;
  int equipment_last_step = 0;
  uint8_t equipment_tick = 0;
  uint8_t show_tiles = 0;
  uint8_t show_obstacle_masses = 0;
  uint8_t show_shadows = 0;
  uint8_t show_pipes = 0;
  uint8_t show_obstacles = 0;
};

}  // namespace game
