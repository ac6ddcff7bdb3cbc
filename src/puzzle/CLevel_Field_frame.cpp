// The field's restart, its per-frame update and its drawing.
#include <algorithm>
#include <numbers>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "fieldview/CLevel_Grid.h"
#include "fieldview/CWater_Animations.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_SOUND_MANAGER.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "puzzle/CLevel_FieldOwner.h"

namespace game {

namespace {
constexpr float kScrollSpeed = 175.0f;  // pixels per second, after a drop and at the end
constexpr float kPi = std::numbers::pi_v<float>;

// Packs 3, 6 and 9 have their picture close above the board and no stripe.
bool close_pack(int pack) { return pack == 3 || pack == 6 || pack == 9; }
}  // namespace

void CLevel_Field::reinit(int level) {
  KOR_GF::sound_manager_instance().stop("sound_water_flow");
  level_number = level;
  finished = 0;
  water_started = 0;
  origin_x = origin_y = 0.0f;
  centre_x = 0.0f;
  last_drop_part0 = last_drop_part1 = KOR::KS_VECTOR2{-1.0f, -1.0f};
  attach_board();
  make_pack_pictures();
  if (water_strip) water_strip->reset();
  scroll_state = 1;
}

void CLevel_Field::make_pack_pictures() {
  release_pack_pictures();
  int pack = level_number / 5;
  pack_gap = pack == 3 || pack == 9 ? -40 : pack == 6 ? -20 : 80;
  if (!closes_pack()) return;
  // The picture is looked for as a file below the resource folder, then
  // taken through the resource manager.
  const std::string folder =
      KOR::KC_FILE_SYSTEM::instance ? KOR::KC_FILE_SYSTEM::instance->resource_dir() : "";
  const std::string file = folder + "graphics/main/backs/back" + std::to_string(pack) + ".png";
  if (!KOR::file_exists(file.c_str())) pack = 1;
  pack_back.reset(
      texture_sprite("graphics/main/backs back" + std::to_string(pack) + ".png", KOR::HS_MID));
  if (!close_pack(pack)) {
    pack_stripe.reset(texture_sprite("graphics/main/interface stripe.png", KOR::HS_MID));
  }
}

void CLevel_Field::release_pack_pictures() {
  pack_back.reset();
  pack_stripe.reset();
}

bool CLevel_Field::scroll_toward_target() {
  scroll_step(scroll_direction, kScrollSpeed);
  switch (scroll_direction) {
    case SCROLL_UP:
      if (!(target_y > origin_y)) return false;
      origin_y = target_y;
      break;
    case SCROLL_RIGHT:
      if (!(origin_x > target_x)) return false;
      origin_x = target_x;
      break;
    case SCROLL_DOWN:
      if (!(origin_y > target_y)) return false;
      origin_y = target_y;
      break;
    case SCROLL_LEFT:
      if (!(target_x > origin_x)) return false;
      origin_x = target_x;
      break;
    default:
      return false;
  }
  if ((scroll_direction == SCROLL_UP || scroll_direction == SCROLL_DOWN) && owner &&
      owner->tutorial_running()) {
    view->set_origin(origin_x, origin_y);
    owner->tutorial_scrolled(0.0f, true);
  }
  scroll_state = 0;
  place_view_and_grid();
  return true;
}

void CLevel_Field::update(int clock_ms) {
  if (level_header == nullptr) return;
  const bool scroll_ended = scroll_state == 2 && scroll_toward_target();
  if (water_started) {
    advance_water();
    view->advance_water_frame(clock_ms);
  }
  view->update_timers(clock_ms);
  if (water_strip) water_strip->update(clock_ms);
  if (closes_pack() && scroll_ended && target_y == float(pack_gap) + intro_y + 768.0f && owner) {
    owner->pack_closeup_due();
  }
}

void CLevel_Field::draw(int clock_ms, int hovered_x, int hovered_y) {
  if (level_header == nullptr) return;
  view->draw(hovered_x, hovered_y);
  if (grid_debug) grid->draw();
  if (water_strip) {
    water_strip->y = float(board_height) + origin_y - 10.0f;
    water_strip->draw();
  }
  if (pump_gutter && pump_gauge) draw_pump(clock_ms);
  if (closes_pack()) draw_pack_pictures();
}

void CLevel_Field::draw_pump(int clock_ms) {
  const KOR::KS_IVECTOR2 start = start_cell();
  const KOR::KS_VECTOR2 c = cell_center(start.x, start.y);
  pump_gutter->set_position(c.x, c.y, 0.0f);
  const CLevel_Header& h = *level_header;
  float e = h.timeFor3Stars > 0
                ? float(clock_ms) * h.stepOfWaterFlowingOut / 1000.0f / float(h.timeFor3Stars)
                : 0.0f;
  e = std::clamp(e, 0.0f, 1.0f);
  const int fill = int(e * float(gauge_height));
  const float gh = float(fill);
  const float gw = pump_gauge->width();
  pump_gauge->set_uv_rect(0.0f, 1.0f - e, 1.0f, 1.0f);
  pump_gauge->set_size(int(gw), fill);
  // The gauge fills from the cell edge the water comes in by: the bottom,
  // the left, the top or the right for the four growth directions.
  float turn = 0.0f;
  KOR::KS_VECTOR2 at{c.x - kHalfCell, c.y + kHalfCell - gh};
  switch (h.scrollingType) {
    case SCROLL_RIGHT:
      turn = kPi / 2.0f;
      at = {c.x - kHalfCell + gh, c.y - kHalfCell};
      break;
    case SCROLL_DOWN:
      turn = kPi;
      at = {c.x - kHalfCell + gw, c.y - kHalfCell + gh};
      break;
    case SCROLL_LEFT:
      turn = 3.0f * kPi / 2.0f;
      at = {c.x + kHalfCell - gh, c.y - kHalfCell + gw};
      break;
    default:
      break;
  }
  pump_gutter->set_rotation(turn);
  pump_gauge->set_rotation(turn);
  pump_gauge->set_position(at.x, at.y, 0.0f);
  pump_gutter->draw();
  pump_gauge->draw();
}

void CLevel_Field::draw_pack_pictures() {
  const float offset = close_pack(level_number / 5) ? 100.0f : 0.0f;
  if (!(intro_y > 0.0f || (intro_y == 0.0f && origin_y + offset > 0.0f))) return;
  const float x = float(KOR::auto_position_screen_width / 2);
  if (pack_stripe) {
    pack_stripe->set_position(x, origin_y - 0.5f * float(pack_gap), 0.0f);
    pack_stripe->draw();
  }
  if (pack_back) {
    pack_back->set_position(x, origin_y - float(pack_gap) - pack_back->height() / 2.0f, 0.0f);
    pack_back->draw();
  }
}

}  // namespace game
