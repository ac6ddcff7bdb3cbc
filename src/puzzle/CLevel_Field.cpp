#include "puzzle/CLevel_Field.h"

#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "fieldview/CLevel_FieldView.h"
#include "fieldview/CLevel_Grid.h"
#include "fieldview/CWater_Animations.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CPipe_Network.h"

namespace game {

CLevel_Field::CLevel_Field(CLevel_FieldOwner* owner, const CShop_Levels* shop)
    : owner(owner), shop(shop) {}

CLevel_Field::~CLevel_Field() {
  view.reset();
  grid.reset();
  release_open_connections();
  network.reset();
  water_strip.reset();
}

void CLevel_Field::init(CLevel_Header* header, int level) {
  level_number = level;
  screen_width = KOR::auto_position_screen_width;
  finished = 0;
  water_started = 0;
  level_header = header;
  origin_x = origin_y = 0.0f;
  centre_x = 0.0f;
  last_drop_part0 = last_drop_part1 = KOR::KS_VECTOR2{-1.0f, -1.0f};
  grid_debug = 0;
  grid = std::make_unique<CLevel_Grid>();
  attach_board();
  water_strip = std::make_unique<CWater_Animations>();
  water_strip->load();
  pump_gutter.reset(texture_sprite("graphics/main/interface pump_gutter.png", KOR::HS_MID));
  pump_gauge.reset(texture_sprite("graphics/main/interface pump_water.png", KOR::HS_UL));
  gauge_height = pump_gauge ? int(pump_gauge->height()) : 0;
  make_pack_pictures();
  scroll_state = 1;
}

void CLevel_Field::attach_board() {
  view = std::make_unique<CLevel_FieldView>();
  view->compose_still_layers = true;
  view->set_level(level_header);
  view->load_graphics(level_number);
  layout_board();
  // Until a scroll has a target of its own, the play position is the one the
  // intro moves toward, and the direction is the level's.
  target_x = play_x;
  target_y = play_y;
  scroll_direction = level_header->scrollingType;
  network = std::make_unique<CPipe_Network>();
  network->init(level_header, this);
  rebuild_open_connections();
}

KOR::KS_VECTOR2 CLevel_Field::cell_at_point(int screen_x, int screen_y) const {
  return KOR::KS_VECTOR2{std::trunc((float(screen_x) - origin_x) / kCellSize),
                         std::trunc((float(screen_y) - origin_y) / kCellSize)};
}

KOR::KS_VECTOR2 CLevel_Field::offset_in_cell(float screen_x, float screen_y) const {
  const float dx = screen_x - origin_x;
  const float dy = screen_y - origin_y;
  return KOR::KS_VECTOR2{dx - std::trunc(dx / kCellSize) * kCellSize,
                         dy - std::trunc(dy / kCellSize) * kCellSize};
}

KOR::KS_VECTOR2 CLevel_Field::cell_center(int x, int y) const { return view->cell_center(x, y); }

void CLevel_Field::set_hovered_cell(int x, int y) { view->set_hovered_cell(x, y); }

KOR::KS_IVECTOR2 CLevel_Field::start_cell() const { return network->start_cell(); }

KOR::KS_IVECTOR2 CLevel_Field::final_cell() const { return network->final_cell(); }

bool CLevel_Field::final_below_top() const {
  const KOR::KS_IVECTOR2 f = final_cell();
  return cell_center(f.x, f.y).y > 50.0f;
}

int CLevel_Field::water_node_count() const { return network->water_node_count(); }

bool CLevel_Field::equipment_newly_connected() const {
  return network->equipment_newly_connected();
}

int CLevel_Field::check_equipment_connection() { return network->check_equipment_connection(); }

KOR::KS_VECTOR2 CLevel_Field::last_drop_cell(bool second) const {
  return second ? last_drop_part1 : last_drop_part0;
}

void CLevel_Field::place_view_and_grid() {
  grid->set_position(origin_x, origin_y);
  view->set_origin(origin_x, origin_y);
}

void CLevel_Field::layout_board() {
  const CLevel_Header& h = *level_header;
  board_width = h.fieldWidth * kCellSize;
  board_height = h.fieldHeight * kCellSize;
  const int W = board_width;
  const int H = board_height;
  const int s = screen_width;
  const int sh = KOR::auto_position_screen_height;
  if (h.scrollingType == SCROLL_UP || h.scrollingType == SCROLL_DOWN) {
    centre_x = float(KOR::auto_position_screen_width / 2 - W / 2);
  } else {
    centre_y = float(sh / 2 - H / 2 - (sh - 650) / 2);
  }
  switch (h.scrollingType) {
    case SCROLL_UP:
      play_x = centre_x;
      play_y = float(610 - H);
      intro_x = centre_x;
      intro_y = H > 750 ? 0.0f : play_y;
      break;
    case SCROLL_RIGHT:
      play_x = 0.0f;
      play_y = centre_y;
      intro_x = W > s ? float(s - W) : 0.0f;
      intro_y = centre_y;
      break;
    case SCROLL_DOWN:
      play_x = centre_x;
      play_y = 0.0f;
      intro_x = centre_x;
      intro_y = H > 750 ? float(750 - H) : 0.0f;
      break;
    case SCROLL_LEFT:
      play_x = float(s - W);
      play_y = float(750 - H) + centre_y;
      intro_x = W > s ? 0.0f : float(s - W);
      intro_y = H > 750 ? centre_y : float(750 - H) + centre_y;
      break;
    default:
      break;
  }
  origin_x = intro_x;
  origin_y = intro_y;
  grid->set_size(h.fieldWidth, h.fieldHeight);
  grid->build();
  place_view_and_grid();
}

void CLevel_Field::set_intro_scroll_speed() {
  const float time = CGame_Config::instance().get_float("timeOfScrollingFieldBeforeLevelStart");
  switch (level_header->scrollingType) {
    case SCROLL_UP:
    case SCROLL_DOWN:
      intro_speed = std::fabs(play_y - intro_y) / time;
      break;
    case SCROLL_RIGHT:
    case SCROLL_LEFT:
      intro_speed = std::fabs(play_x - intro_x) / time;
      break;
    default:
      break;
  }
}

int CLevel_Field::intro_scroll_step() {
  const int type = level_header->scrollingType;
  // A missing or zero intro time gives no usable speed (infinite, NaN or
  // below one pixel per second): the board then starts at the play position
  // at once instead of never getting there.
  const bool usable = intro_speed >= 1.0f && intro_speed < 1.0e9f;
  if (usable) scroll_step(type, float(int(intro_speed)));
  const bool ended =
      !usable || (type == SCROLL_UP && play_y >= origin_y) ||
      (type == SCROLL_RIGHT && origin_x >= play_x) || (type == SCROLL_DOWN && origin_y >= play_y) ||
      (type == SCROLL_LEFT && play_x >= origin_x) || type < SCROLL_UP || type > SCROLL_LEFT;
  if (ended) {
    if (type == SCROLL_UP || type == SCROLL_DOWN) origin_y = play_y;
    if (type == SCROLL_RIGHT || type == SCROLL_LEFT) origin_x = play_x;
    scroll_state = 0;
    place_view_and_grid();
  } else if (scroll_state == 0) {
    place_view_and_grid();
  }
  return scroll_state;
}

void CLevel_Field::scroll_step(int direction, float speed) {
  const float d = speed * KOR::frame_dt.load();
  const float old_x = origin_x;
  const float old_y = origin_y;
  float dx = 0.0f;
  float dy = 0.0f;
  switch (direction) {
    case SCROLL_UP:
      origin_y -= d;
      dy = target_y >= origin_y ? target_y - old_y : -d;
      break;
    case SCROLL_RIGHT:
      origin_x += d;
      dx = origin_x >= target_x ? target_x - old_x : d;
      break;
    case SCROLL_DOWN:
      origin_y += d;
      dy = origin_y >= target_y ? target_y - old_y : d;
      break;
    case SCROLL_LEFT:
      origin_x -= d;
      dx = target_x >= origin_x ? target_x - old_x : -d;
      break;
    default:
      break;
  }
  place_view_and_grid();
  if (!owner) return;
  owner->board_scrolled(dx, dy);
  if (owner->tutorial_running()) owner->tutorial_scrolled(dy, false);
}

void CLevel_Field::update_scroll_target() {
  if (open_connections.empty()) return;
  const int type = level_header->scrollingType;
  const CLevel_OpenConnection* chosen = nullptr;
  for (const auto& [key, c] : open_connections) {
    const bool better = !chosen || (type == SCROLL_UP && c->y > chosen->y) ||
                        (type == SCROLL_RIGHT && c->x < chosen->x) ||
                        (type == SCROLL_DOWN && c->y < chosen->y) ||
                        (type == SCROLL_LEFT && c->x > chosen->x);
    if (better) chosen = c.get();
  }
  const KOR::KS_VECTOR2 c = cell_center(chosen->x, chosen->y);
  const float s = float(screen_width);
  switch (type) {
    case SCROLL_UP: {
      const float v = 700.0f - c.y - 150.0f;
      target_y = origin_y + v;
      scroll_direction = v > 0.0f ? SCROLL_DOWN : SCROLL_UP;
      if (target_y > intro_y) target_y = intro_y;
      break;
    }
    case SCROLL_RIGHT: {
      const float l = c.x - 0.2f * s;
      target_x = origin_x - l;
      scroll_direction = l > 0.0f ? SCROLL_LEFT : SCROLL_RIGHT;
      if (intro_x > target_x) target_x = intro_x;
      break;
    }
    case SCROLL_DOWN: {
      const float m = c.y - 150.0f;
      target_y = origin_y - m;
      scroll_direction = m > 0.0f ? SCROLL_UP : SCROLL_DOWN;
      if (intro_y > target_y) target_y = intro_y;
      break;
    }
    case SCROLL_LEFT: {
      const float l = s - c.x - 0.2f * s;
      target_x = origin_x + l;
      scroll_direction = l > 0.0f ? SCROLL_RIGHT : SCROLL_LEFT;
      if (intro_x < target_x) target_x = intro_x;
      break;
    }
    default:
      break;
  }
  scroll_state = 2;
}

void CLevel_Field::start_end_scroll() {
  target_x = play_x;
  target_y = play_y;
  scroll_direction = level_header->scrollingType;
  scroll_state = 2;
}

void CLevel_Field::shift_for_screen_width(int previous_width) {
  const float d = float(previous_width == KOR::kWideScreenWidth ? -KOR::kWideScreenShift
                                                                : KOR::kWideScreenShift);
  if (level_header->scrollingType != SCROLL_RIGHT) origin_x += d;
  play_x += d;
  intro_x += d;
  target_x += d;
  // Every later target is taken against the new width, whatever the type.
  screen_width = KOR::auto_position_screen_width;
  if (level_header->scrollingType == SCROLL_RIGHT) {
    intro_x = float(screen_width - board_width);
    play_x = 0.0f;
  }
  view->update_visible_window();
  view->set_origin(origin_x, origin_y);
}

}  // namespace game
