#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fieldview/CLevel_BoardPicture.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_SCREEN_RECT.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_QUAD;
}

namespace game {

struct CLevel_Header;
struct CLevel_Cell;
struct CLevel_OpenConnection;

// Pixel offset of one wall or shadow piece.
struct CLevel_PartOffset {
  float offsetX = 0.0f;
  float offsetY = 0.0f;
};

// Draws the level field; told by the field where the board is, which cell
// is hovered, which open connections exist and when the water runs. Every
// sprite is one quad shared by all cells that show it.
class CLevel_FieldView {
 public:
  struct WaterSize {
    int width = 0;
    int height = 0;
  };
  struct UvRect {
    float u = 0.0f;
    float v = 0.0f;
    float du = 0.0f;
    float dv = 0.0f;
  };

  CLevel_FieldView() = default;
  ~CLevel_FieldView();
  CLevel_FieldView(const CLevel_FieldView&) = delete;
  CLevel_FieldView& operator=(const CLevel_FieldView&) = delete;

  // Attaches a level: every layer on, the water layer off, timers unstarted,
  // the part offsets read and a new wall-band layout drawn from rand.
  void set_level(CLevel_Header* header);
  // The resets of set_level and a new wall-band layout, on the attached level.
  void reset_layout();
  // Creates every sprite of the board from the atlases (once per view), in
  // the wall look and tile set that level `level` is configured with; the
  // hovered cell is none.
  void load_graphics(int level);
  // Reads "objects.xml" into part_offsets: always the same 49 names.
  void load_part_offsets();
  // The offsets of a named part; 0, 0 for a name the list lacks.
  CLevel_PartOffset part_offset(std::string_view part) const;

  // One frame of the board; (x, y) is the destruction target cell, -1 for
  // none. Nothing for a level without cells. Consumes the equipment tick.
  void draw(int x, int y);
  // What the still layers show, as numbers: the cells' contents, the board's
  // place and the view's switches. The board picture is composed again
  // whenever it changes.
  void describe_still_layers(std::vector<int32_t>& out) const;
  // The clocks below take the level clock in ms; -1 means no time.
  // Steps the water-in-pipe frame 1..16 every 62.5 ms.
  void advance_water_frame(int now_ms);
  // The open-connection glow, the coin and the equipment animation clocks.
  void update_timers(int now_ms);

  void set_origin(float x, float y);
  KOR::KS_VECTOR2 cell_center(int x, int y) const;
  KOR::KS_VECTOR2 cell_corner(int x, int y) const;
  // Draw position of a two-cell pipe whose part 0 is at (x, y).
  KOR::KS_VECTOR2 two_cell_center(int x, int y, int span_code, int angle) const;
  // Draw position of a 2 x 2 block or equipment whose part 0 is at (x, y):
  // the corner its four cells share.
  KOR::KS_VECTOR2 block_center(int x, int y, int angle) const;
  KOR::KS_VECTOR2 equipment_center(int x, int y, int angle) const {
    return block_center(x, y, angle);
  }
  void set_hovered_cell(int x, int y);
  void set_water_visible(bool on) { water_visible = on ? 1 : 0; }
  // The board's visible window for the current logical screen width.
  void update_visible_window();
  // The wall test of the wall auto-tiling: the left band (only without
  // scrolling), the right band, and obstacle cells of the board.
  bool is_wall_at(int x, int y) const;
  // Keeps a copy of the field's list; the records stay the field's.
  void set_open_connections(const std::map<int, CLevel_OpenConnection*>& connections);
  // The open connections that glow: a row (column -1) or a column (row -1)
  // by the scrolling direction; (-1, -1) when there are none.
  void leading_open_connection(int& column, int& row) const;

  // Layers, in the order draw calls them.
  void draw_tiles();
  void draw_decor();
  void draw_open_connections();
  void draw_shadows();
  // The wall bands beside a vertically scrolling board; nothing otherwise.
  void draw_side_walls();
  void draw_obstacle_masses();
  void draw_special_cells();
  void draw_obstacles();
  void draw_water();
  void draw_pipes();

  // Running equipment on screen steps one frame when the tick is due.
  void advance_running_equipment();

  // The wall pieces of one cell of the masses: side -1 the left half, +1 the
  // right half, anything else nothing.
  void draw_obstacle_cell(int x, int y, int side);
  // The left-half pieces of an obstacle at (x, y), unculled, whatever the
  // cell holds.
  void draw_obstacle_piece(int x, int y);

  // Water of one wet pipe cell, growing from its inflow side.
  void draw_water_in_cell(int x, int y);
  // A wet cell: its centre, the share of it filled (0..1), the inflow side.
  struct WaterInCell {
    KOR::KS_VECTOR2 centre;
    float fill = 0.0f;
    int in = 0;
  };
  // The cell's water by the shape of the pipe: a dead end, a straight strip
  // (from `side`, g of it, a pixel longer while growing), an elbow, a tee or a
  // cross; the tee and the cross add arms past the crossing.
  void draw_water_end(const WaterInCell& water);
  void draw_water_strip(const WaterInCell& water, int side, float g, bool growing);
  void draw_water_elbow(const WaterInCell& water, int shape);
  void draw_water_tee(const WaterInCell& water, int shape);
  void draw_water_cross(const WaterInCell& water);
  void draw_water_arm(const WaterInCell& water, int side);
  // The current frame of water picture `kind`, cut to left..right ×
  // top..bottom of its image, drawn width × height at (x, y).
  void draw_water_part(int kind, float left, float top, float right, float bottom, float width,
                       float height, float x, float y);
  // The quad of (kind, frame) shows left..right x top..bottom of its image.
  void set_water_texture_part(float left, float top, float right, float bottom, int kind,
                              int frame);

  OWNED_SPRITE pipe_sprites[17];
  OWNED_SPRITE pipe_frame_sprites[17];
  std::map<int, OWNED_SPRITE> active_equipment_sprites;
  OWNED_SPRITE obstacle_sprites[8][23];
  std::map<int, std::map<int, OWNED_SPRITE>> water_sprites;
  std::map<int, OWNED_SPRITE> tile_sprites;
  std::map<int, std::map<int, int>> tile_layout;
  OWNED_SPRITE open_connection_sprite;
  std::map<int, OWNED_SPRITE> glow_sprites;
  std::map<int, OWNED_SPRITE> coin_sprites;
  std::map<int, OWNED_SPRITE> decor_sprites;
  // The destruction marker; the view's own, so each level start frees the
  // previous one with its view.
  OWNED_SPRITE destruction_cursor;
  float origin_x = 0.0f;
  float origin_y = 0.0f;
  CLevel_Header* level_header = nullptr;
  KOR::KS_VECTOR2 hovered_cell{-1.0f, -1.0f};
  std::map<int, CLevel_OpenConnection*> open_connections;
  std::map<int, WaterSize> water_sizes;
  std::map<int, std::map<int, UvRect>> water_uv_rects;
  uint8_t water_visible = 0;
  int water_frame = 1;
  int water_last_step = -1;
  int tile_count = 0;
  int tile_width = 0;
  int tile_height = 0;
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
  std::map<std::string, CLevel_PartOffset, std::less<>> part_offsets;
  int side_band_half_width = 2;
  // Wall decoration: slot -> row -> piece code (0 none, 10 one cell, 1..4
  // the cells of a 2 x 2 piece from its lower-left anchor, clockwise).
  std::map<int, std::map<int, int>> side_layout;
  // Slot -> row -> a rand value, the angle in degrees of the piece anchored
  // there; 0 elsewhere.
  std::map<int, std::map<int, int>> side_rotation;
  // Counts the wall-band layouts made, so the board picture knows a new one.
  int side_layouts_made = 0;
  // The still layers (tiles, decor, shadows, walls, masses, resting pipes
  // and equipment, obstacles) are composed once into `board_picture` and
  // laid down each frame; off, every layer is drawn each frame.
  bool compose_still_layers = false;
  CLevel_BoardPicture board_picture;

 private:
  // Which layers draw and what of them: every layer; the still layers for
  // the board picture; or every layer over only the places where something
  // moves under a still layer.
  enum class LAYER_PASS { every, still, moving_places };
  LAYER_PASS layer_pass_ = LAYER_PASS::every;
  // Where the board was drawn from the picture's side last; none at first.
  KOR::KS_VECTOR2 drawn_origin_{NAN, NAN};
  // Where the moving pass draws, in screen pixels.
  std::vector<KOR::KS_SCREEN_RECT> moving_places_;
  // The layers from the tiles to the obstacles, in their order, for the pass.
  void draw_board_layers(LAYER_PASS pass);
  // The board picture with the moving things' places drawn over it; false
  // when there is no picture to lay down.
  bool draw_from_board_picture();
  // Whether a cell's content moves from frame to frame: a coin or running
  // equipment.
  static bool moves(const CLevel_Cell& cell);
  // The places of the open connections, coins and running equipment.
  void find_moving_places();
  // A place around (x, y) wide enough for the sprite, or reaching r.
  void add_moving_place(const KOR::KC_QUAD* sprite, float x, float y);
  void add_moving_place(float r, float x, float y);
  // Whether the sprite at (x, y) is drawn in the current pass.
  bool drawn_in_pass(const KOR::KC_QUAD* sprite, float x, float y) const;
  // Which of a cell's eight neighbours are walls.
  struct WallNeighbours {
    bool u, d, l, r, ul, ur, dl, dr;
  };
  WallNeighbours wall_neighbours(int x, int y) const;
  // One cell of a wall layer; side -1 the left half, +1 the right half.
  using HalfCellLayer = void (CLevel_FieldView::*)(int x, int y, int side);
  // The layer on the left half's columns left to right, then on the right
  // half's right to left; each column top to bottom.
  void draw_by_halves(HalfCellLayer layer);
  // Variant `variant` of the wall pieces at the centre c moved by (dx, dy)
  // and by the offsets of `part` (none for a null part).
  void draw_wall_piece(const char* part, int variant, const KOR::KS_VECTOR2& c, float dx, float dy);
  void draw_shadow_cell(int x, int y, int side);
  void draw_left_shadows(int x, const WallNeighbours& n, const KOR::KS_VECTOR2& c);
  void draw_right_shadows(int x, const WallNeighbours& n, const KOR::KS_VECTOR2& c);
  // Edge shadows, band and decoration of one wall band; side -1 or +1.
  void draw_side_band(int side);
  void draw_band_decoration(int slot, int column, int y);
  // Whether a centre lies in [left, right] x [top, 850].
  static bool inside(const KOR::KS_VECTOR2& c, float left, float right, float top);
  // Cells one tile covers along a side; a tile under a cell (or a missing
  // one) counts as one cell, so the layout never divides by zero.
  static int tile_cells(int pixels);
  // The tile indices along one axis that draw_tiles draws: 0..last, and
  // those of the same grid that cover the rest of a screen `screen` pixels
  // long.
  static std::vector<int> tile_indices(float origin, int step, int last, int screen);
  // Positions, turns (degrees) and draws a shared sprite; null draws
  // nothing, nor does a sprite outside the moving places in that pass.
  void put(KOR::KC_QUAD* sprite, float x, float y, float degrees) const;
  // One cell of a layer over the cell grid, with the cell's centre.
  using CellLayer = void (CLevel_FieldView::*)(int x, int y, CLevel_Cell& cell,
                                               const KOR::KS_VECTOR2& center);
  // The layer on every cell, column by column, whose centre lies in
  // [visible_left - left_margin, visible_left + 1416] x [-50, bottom].
  void draw_visible_cells(float left_margin, float bottom, CellLayer layer);
  void draw_special_cell(int x, int y, CLevel_Cell& cell, const KOR::KS_VECTOR2& center);
  void advance_equipment(int x, int y, CLevel_Cell& cell, const KOR::KS_VECTOR2& center);
  void draw_obstacle(int x, int y, CLevel_Cell& cell, const KOR::KS_VECTOR2& center);
  void draw_rim(int x, int y, CLevel_Cell& cell, const KOR::KS_VECTOR2& center);
  void draw_water_cell(int x, int y, CLevel_Cell& cell, const KOR::KS_VECTOR2& center);
  void reset_frames();
  void build_side_layout();
  void place_side_band(int first_slot, int last_slot);
  void clear_part_offsets();
  // The walls name their parts by literals, hundreds a frame: each literal is
  // searched for once and its entry kept (map entries never move).
  std::unordered_map<const char*, const CLevel_PartOffset*> wall_part_offsets;
  const CLevel_PartOffset& wall_part_offset(const char* part);
  // The cell at (x, y) of the attached level, null outside it.
  CLevel_Cell* cell(int x, int y) const;
  // Opaque white, or translucent for the hovered cell.
  void color_pipe(KOR::KC_QUAD* sprite, int x, int y) const;
};

}  // namespace game
