#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "fieldview/field_atlas.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_QUAD;
}

namespace game {

struct CLevel_Header;
class CLevel_FieldOwner;
class CShop_Levels;
class CWater_Animations;
class CLevel_FieldView;
class CLevel_Grid;
class CPipe_Network;
class CPipe_Sprite;

// An empty cell that at least one pipe opens into.
struct CLevel_OpenConnection {
  int x = 0;
  int y = 0;
  uint8_t opens_from[4] = {0, 0, 0, 0};  // by side: the neighbour there opens toward it
  uint8_t flag = 0;
};

// The gameplay board of one level: the level's cells on screen as 50-pixel
// squares, scrolled along one axis, with the pipe network, the placement
// rule and the water. It tells its owner what happens on it and reads the
// shop levels it needs through `shop`; both may be null.
class CLevel_Field {
 public:
  explicit CLevel_Field(CLevel_FieldOwner* owner = nullptr, const CShop_Levels* shop = nullptr);
  CLevel_Field(const CLevel_Field&) = delete;
  CLevel_Field& operator=(const CLevel_Field&) = delete;
  ~CLevel_Field();

  // Attaches prepared level `level` (1..45): the board laid out at its
  // intro start, the network and the open connections built, the intro
  // scroll pending.
  void init(CLevel_Header* header, int level);
  // Rebuilds for a restart of the level, or the next one read into the
  // same header: a new view and network, the open connections and the pack
  // pictures anew, the intro again. The grid overlay, the pump sprites, the
  // screen width and the debug switch stay.
  void reinit(int level);

  // One frame on the level clock (ms): the scroll toward a target, the
  // water, the view's and the strip's clocks, and on a fifth level the pack
  // close-up once the end scroll has passed its target.
  void update(int clock_ms);
  // The board, the debug grid, the water strip, the pump gutter with its
  // gauge and on a fifth level the pack pictures.
  void draw(int clock_ms, int hovered_x, int hovered_y);

  // Cell queries; every cell outside the board counts as absent.
  bool is_inside(int x, int y) const;
  int content_type_at(int x, int y) const;
  bool is_destructible_at(int x, int y) const;
  bool is_plain_pipe_at(int x, int y) const;
  bool is_bonus_equipment_at(int x, int y) const;
  bool neighbour_is_bonus_equipment(int x, int y, int side) const;
  KOR::KS_VECTOR2 part0_cell(int x, int y) const;
  bool opens_into_empty(int x, int y, int side) const;
  bool neighbour_opens_back(int x, int y, int side) const;

  // Geometry.
  KOR::KS_VECTOR2 cell_at_point(int screen_x, int screen_y) const;
  // The offset of a screen point inside its cell.
  KOR::KS_VECTOR2 offset_in_cell(float screen_x, float screen_y) const;
  KOR::KS_VECTOR2 cell_center(int x, int y) const;
  void set_hovered_cell(int x, int y);
  KOR::KS_IVECTOR2 start_cell() const;
  KOR::KS_IVECTOR2 final_cell() const;
  bool final_below_top() const;
  int water_node_count() const;
  bool equipment_newly_connected() const;
  int check_equipment_connection();
  KOR::KS_VECTOR2 last_drop_cell(bool second) const;
  void toggle_grid_debug() { grid_debug = grid_debug ? 0 : 1; }

  // Layout and scrolling.
  void layout_board();
  void set_intro_scroll_speed();
  int intro_scroll_step();
  void scroll_step(int direction, float speed);
  void update_scroll_target();
  void start_end_scroll();
  void shift_for_screen_width(int previous_width);

  // Placement, drop and destruction. Screen points are truncated to whole
  // pixels.
  KOR::KS_VECTOR2 anchor_cell(int type, int angle, int x, int y, float offset_x,
                              float offset_y) const;
  bool can_place_piece(const CPipe_Sprite* piece, float screen_x, float screen_y) const;
  bool drop_piece(const CPipe_Sprite* piece, float screen_x, float screen_y);
  int take_coins(const CPipe_Sprite* piece, float screen_x, float screen_y);
  bool piece_matches_expected(const CPipe_Sprite* piece, float screen_x, float screen_y) const;
  void fit_piece_preview(int x, int y, CPipe_Sprite* piece);
  int clear_cell(int x, int y, bool with_effect);
  void clear_all_cells();
  int mark_fading(int x, int y);

  // Open connections and the solved test.
  void rebuild_open_connections();
  int find_open_connection(int x, int y) const;
  KOR::KS_IVECTOR2 open_connection_cell(int key) const;
  bool open_connection_flag(int key) const;
  int open_connection_count() const { return int(open_connections.size()); }
  bool is_pipeline_complete();

  // Water.
  void start_water();
  void advance_water();
  KOR::KS_IVECTOR2 water_boundary_cell() const;

  const CPipe_Network* pipe_network() const { return network.get(); }

  uint8_t grid_debug = 0;
  std::unique_ptr<CLevel_Grid> grid;
  std::unique_ptr<CLevel_FieldView> view;
  CLevel_Header* level_header = nullptr;
  int level_number = 1;
  int board_width = 0;
  int board_height = 0;
  float origin_x = 0.0f;
  float origin_y = 0.0f;
  KOR::KS_VECTOR2 last_drop_part0{-1.0f, -1.0f};
  KOR::KS_VECTOR2 last_drop_part1{-1.0f, -1.0f};
  float play_x = 0.0f;
  float play_y = 0.0f;
  float intro_x = 0.0f;
  float intro_y = 0.0f;
  float target_x = 0.0f;
  float target_y = 0.0f;
  int scroll_direction = 0;
  int scroll_state = 0;
  float intro_speed = 0.0f;
  uint8_t finished = 0;
  float centre_x = 0.0f;
  float centre_y = 0.0f;
  KOR::KS_IVECTOR2 water_boundary{-1, -1};
  uint8_t water_started = 0;
  int screen_width = 1024;
  int pack_gap = 80;
  std::unique_ptr<CWater_Animations> water_strip;
  OWNED_SPRITE pack_back;
  OWNED_SPRITE pack_stripe;
  OWNED_SPRITE pump_gutter;
  OWNED_SPRITE pump_gauge;
  int gauge_height = 0;

 private:
  // The cells a piece held at a screen point would cover; false when the
  // point is not over an empty cell or the piece covers more than two cells.
  bool piece_cells(const CPipe_Sprite* piece, float screen_x, float screen_y, int& count,
                   KOR::KS_IVECTOR2 cells[2]) const;
  // The same cells whatever they hold; false when one lies off the board.
  bool covered_cells(const CPipe_Sprite* piece, float screen_x, float screen_y, int& count,
                     KOR::KS_IVECTOR2 cells[2]) const;
  // Removes what a cell holds without rebuilding anything; returns the
  // former content code.
  int remove_content(int x, int y, bool with_effect);
  bool side_acceptable(int type, int part, int angle, int x, int y, int side,
                       bool& connection) const;
  void pay_coins(int x, int y);
  // An explosion of `kind` at the centre of cell (x, y).
  void add_explosion(unsigned kind, int x, int y);
  void clear_pipe_cell(int x, int y);
  void place_view_and_grid();
  // A new view on the level, the board laid out, a new network and the open
  // connections: what init and reinit share.
  void attach_board();
  void make_pack_pictures();
  void release_pack_pictures();
  // One step of the scroll toward the target; true when it got there.
  bool scroll_toward_target();
  void draw_pump(int clock_ms);
  void draw_pack_pictures();
  void release_open_connections();
  bool beyond_boundary(int x, int y) const;
  // The last level of a pack ends on the pack picture.
  bool closes_pack() const { return level_number % 5 == 0; }
  void water_end();

  std::map<int, std::unique_ptr<CLevel_OpenConnection>> open_connections;
  std::unique_ptr<CPipe_Network> network;
  CLevel_FieldOwner* owner;
  const CShop_Levels* shop;
};

}  // namespace game
