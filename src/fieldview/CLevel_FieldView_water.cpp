#include <algorithm>
#include <map>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

namespace {

constexpr float kPi = 3.14159265f;
// Where a strip entering one side meets the far side of the crossing strip.
constexpr float kCross = 0.74f;
// The water pictures, by shape: the straight strips, the end cap and the
// elbows, named by the sides they join.
enum : int {
  kVerticalStrip = 1,
  kHorizontalStrip = 2,
  kEndCap = 3,
  kElbowUpLeft = 4,
  kElbowUpRight = 5,
  kElbowDownRight = 6,
  kElbowDownLeft = 7,
};
// A strip's long edges lie this far either side of the cell's middle line.
constexpr float kHalfChannel = 12.0f;
// An elbow's picture reaches this far past the middle lines of its cell.
constexpr float kElbowOverhang = 11.0f;
// How deep the end cap's water reaches into the cell when full.
constexpr float kEndCapDepth = 21.0f;
// An elbow fills along its inflow arm, f / kElbowArmPace of it, until the
// fill reaches kElbowTurn; then the arm is full and the water widens across
// it from kElbowStartWidth, by kElbowWidening over the last kElbowLastStretch
// of the fill.
constexpr float kElbowTurn = 0.66f;
constexpr float kElbowArmPace = 0.8f;
constexpr float kElbowStartWidth = 0.61f;
constexpr float kElbowWidening = 0.39f;
constexpr float kElbowLastStretch = 0.34f;

int bit(int side) { return 1 << side; }

// The open sides a wet cell is drawn with, or 0 when it draws nothing. A
// starting pipe may take water through a closed side from equipment beside it.
int drawn_shape(const CLevel_Cell& c, int inflow) {
  const int t = c.pipeType;
  const int mask = pipe_open_mask(t, c.pipePartNumber, c.pipeAngle);
  if (mask & bit(inflow)) return mask;
  if (t == 1) return bit(inflow);
  if (t == 5) return bit(inflow) | bit(opposite_side(inflow));
  if (t >= 6 && t <= 8) {
    const int other = pipe_open_mask(t, 1 - c.pipePartNumber, c.pipeAngle);
    return (other & bit(inflow)) ? other : 0;
  }
  return 0;
}

// The straight strips' pictures: across the channel and along it.
struct STRIPS {
  float vertical_width, vertical_length, horizontal_length, horizontal_width;
};

STRIPS strips_of(std::map<int, CLevel_FieldView::WaterSize>& sizes) {
  return {float(sizes[kVerticalStrip].width), float(sizes[kVerticalStrip].height),
          float(sizes[kHorizontalStrip].width), float(sizes[kHorizontalStrip].height)};
}

int side_count(int mask) {
  return (mask & 1) + ((mask >> 1) & 1) + ((mask >> 2) & 1) + ((mask >> 3) & 1);
}

}  // namespace

void CLevel_FieldView::set_water_texture_part(float left, float top, float right, float bottom,
                                              int kind, int frame) {
  const UvRect& r = water_uv_rects[kind][frame];
  KOR::KC_QUAD* quad = water_sprites[kind][frame].get();
  if (quad == nullptr) return;
  quad->set_uv_rect(r.u + r.du * left, r.v + r.dv * top, r.u + r.du * right, r.v + r.dv * bottom);
}

void CLevel_FieldView::draw_water() {
  draw_visible_cells(50.0f, 800.0f, &CLevel_FieldView::draw_water_cell);
}

void CLevel_FieldView::draw_water_cell(int x, int y, CLevel_Cell& at, const KOR::KS_VECTOR2&) {
  if (at.contentType == CONTENT_PIPE && !pipe_is_equipment(at.pipeType)) draw_water_in_cell(x, y);
}

void CLevel_FieldView::draw_water_in_cell(int x, int y) {
  const CLevel_Cell* at = cell(x, y);
  if (at == nullptr) return;
  const int in = at->waterInflowSide;
  const int t = at->pipeType;
  if (in < 0 || in > 3 || pipe_is_bonus_equipment(t) || t < 1 || t > 12) return;
  const float capacity = float(pipe_water_capacity(t));
  if (!(at->waterFill <= capacity)) return;
  // A cell the water has just reached may still read -1: it shows empty.
  const WaterInCell water{cell_center(x, y), std::max(at->waterFill, 0.0f) / capacity, in};
  const int shape = drawn_shape(*at, in);
  switch (side_count(shape)) {
    case 1:
      draw_water_end(water);
      break;
    case 2:
      if (shape & bit(opposite_side(in))) {
        draw_water_strip(water, in, water.fill, water.fill < 1);
      } else {
        draw_water_elbow(water, shape);
      }
      break;
    case 3:
      draw_water_tee(water, shape);
      break;
    case 4:
      draw_water_cross(water);
      break;
    default:
      break;
  }
}

void CLevel_FieldView::draw_water_part(int kind, float left, float top, float right, float bottom,
                                       float width, float height, float x, float y) {
  KOR::KC_QUAD* quad = water_sprites[kind][water_frame].get();
  if (quad == nullptr) return;
  set_water_texture_part(left, top, right, bottom, kind, water_frame);
  quad->set_size(int(width), int(height));
  quad->set_position(x, y, 0.0f);
  quad->draw();
}

void CLevel_FieldView::draw_water_strip(const WaterInCell& water, int side, float g, bool growing) {
  const float cx = water.centre.x;
  const float cy = water.centre.y;
  const STRIPS strips = strips_of(water_sizes);
  const float grow = growing ? 1.0f : 0.0f;
  switch (side) {
    case SIDE_UP:
      draw_water_part(kVerticalStrip, 0, 0, 1, g, strips.vertical_width, g * strips.vertical_length,
                      cx - kHalfChannel, cy - kHalfCell);
      break;
    case SIDE_DOWN:
      draw_water_part(kVerticalStrip, 0, 1 - g, 1, 1, strips.vertical_width,
                      g * strips.vertical_length, cx - kHalfChannel,
                      cy + kHalfCell - kCellSize * g + grow);
      break;
    case SIDE_LEFT:
      draw_water_part(kHorizontalStrip, 0, 0, g, 1, g * strips.horizontal_length,
                      strips.horizontal_width, cx - kHalfCell, cy - kHalfChannel);
      break;
    default:
      draw_water_part(kHorizontalStrip, 1 - g, 0, 1, 1, g * strips.horizontal_length,
                      strips.horizontal_width, cx + kHalfCell - kCellSize * g + grow,
                      cy - kHalfChannel);
      break;
  }
}

void CLevel_FieldView::draw_water_arm(const WaterInCell& water, int side) {
  const float f = water.fill;
  if (f <= kCross) return;
  const float cx = water.centre.x;
  const float cy = water.centre.y;
  const STRIPS strips = strips_of(water_sizes);
  const float len = f - kCross;
  const float grow = f < 1 ? 1.0f : 0.0f;
  switch (side) {
    case SIDE_RIGHT:
      draw_water_part(kHorizontalStrip, kCross, 0, f, 1, len * strips.horizontal_length,
                      strips.horizontal_width, cx + kHalfChannel, cy - kHalfChannel);
      break;
    case SIDE_LEFT:
      draw_water_part(kHorizontalStrip, 0, 0, len, 1, len * strips.horizontal_length,
                      strips.horizontal_width, cx - kHalfChannel - kCellSize * len + grow,
                      cy - kHalfChannel);
      break;
    case SIDE_DOWN:
      draw_water_part(kVerticalStrip, 0, kCross, 1, f, strips.vertical_width,
                      len * strips.vertical_length, cx - kHalfChannel, cy + kHalfChannel);
      break;
    default:
      draw_water_part(kVerticalStrip, 0, 0, 1, len, strips.vertical_width,
                      len * strips.vertical_length, cx - kHalfChannel,
                      cy - kHalfChannel - kCellSize * len + grow);
      break;
  }
}

void CLevel_FieldView::draw_water_end(const WaterInCell& water) {
  const float cx = water.centre.x;
  const float cy = water.centre.y;
  const float f = water.fill;
  const float W = float(water_sizes[kEndCap].width);
  const float H = float(water_sizes[kEndCap].height);
  const float depth = float(int(kEndCapDepth * f));
  const float grow = f < 1 ? 1.0f : 0.0f;
  float px = cx - kHalfCell + depth, py = cy - kHalfChannel, turn = kPi / 2;
  if (water.in == SIDE_UP) px = cx + kHalfChannel, py = cy - kHalfCell + depth, turn = kPi;
  if (water.in == SIDE_RIGHT) {
    px = cx + kHalfCell - depth + grow, py = cy + kHalfChannel, turn = 3 * kPi / 2;
  }
  if (water.in == SIDE_DOWN) px = cx - kHalfChannel, py = cy + kHalfCell - depth + grow, turn = 0;
  KOR::KC_QUAD* cap = water_sprites[kEndCap][water_frame].get();
  if (cap == nullptr) return;
  set_water_texture_part(0, 1 - f, 1, 1, kEndCap, water_frame);
  cap->set_size(int(W), int(f * H));
  cap->set_position(px, py, 0.0f);
  cap->set_rotation(turn);
  cap->draw();
}

void CLevel_FieldView::draw_water_elbow(const WaterInCell& water, int shape) {
  const float cx = water.centre.x;
  const float cy = water.centre.y;
  const float f = water.fill;
  const int in = water.in;
  // Along the inflow arm a, across it b.
  const float a = f <= kElbowTurn ? f / kElbowArmPace : 1.0f;
  const float b = f < kElbowTurn
                      ? kElbowStartWidth
                      : kElbowStartWidth + (f - kElbowTurn) * kElbowWidening / kElbowLastStretch;
  const float bump = f <= kElbowTurn ? 1.0f : 0.0f;
  const bool up = shape & bit(SIDE_UP);
  const bool left = shape & bit(SIDE_LEFT);
  const int kind =
      up ? (left ? kElbowUpLeft : kElbowUpRight) : (left ? kElbowDownLeft : kElbowDownRight);
  const float W = float(water_sizes[kind].width), H = float(water_sizes[kind].height);
  const bool vertical_in = in == SIDE_UP || in == SIDE_DOWN;
  const float w = vertical_in ? b * W : a * W;
  const float h = vertical_in ? a * H : b * H;
  switch (kind) {
    case kElbowUpLeft:
      if (in == SIDE_UP) {
        draw_water_part(kind, 1 - b, 0, 1, a, w, h, cx - kHalfCell + (1 - b) * W, cy - kHalfCell);
      } else if (in == SIDE_LEFT) {
        draw_water_part(kind, 0, 1 - b, a, 1, w, h, cx - kHalfCell, cy - kHalfCell + (1 - b) * H);
      }
      break;
    case kElbowUpRight:
      if (in == SIDE_UP) {
        draw_water_part(kind, 0, 0, b, a, w, h, cx - kElbowOverhang, cy - kHalfCell);
      } else if (in == SIDE_RIGHT) {
        draw_water_part(kind, 1 - a, 1 - b, 1, 1, w, h, cx + kHalfCell - a * W + bump,
                        cy - kHalfCell + (1 - b) * H);
      }
      break;
    case kElbowDownRight:
      if (in == SIDE_RIGHT) {
        draw_water_part(kind, 1 - a, 0, 1, b, w, h, cx + kHalfCell - a * W + bump,
                        cy - kElbowOverhang);
      } else if (in == SIDE_DOWN) {
        draw_water_part(kind, 0, 1 - a, b, 1, w, h, cx - kElbowOverhang,
                        cy + kHalfCell - a * H + bump);
      }
      break;
    default:
      if (in == SIDE_DOWN) {
        draw_water_part(kind, 1 - b, 1 - a, 1, 1, w, h, cx + kElbowOverhang - b * W,
                        cy + kHalfCell - a * H + bump);
      } else if (in == SIDE_LEFT) {
        draw_water_part(kind, 0, 0, a, b, w, h, cx - kHalfCell, cy - kElbowOverhang);
      }
      break;
  }
}

void CLevel_FieldView::draw_water_tee(const WaterInCell& water, int shape) {
  const float f = water.fill;
  int missing = 0;
  while (shape & bit(missing)) ++missing;
  const int stem = opposite_side(missing);
  if (water.in == stem) {
    draw_water_strip(water, water.in, std::min(f, kCross), f < kCross);
    const bool vertical_through = missing == SIDE_LEFT || missing == SIDE_RIGHT;
    draw_water_arm(water, vertical_through ? SIDE_DOWN : SIDE_RIGHT);
    draw_water_arm(water, vertical_through ? SIDE_UP : SIDE_LEFT);
  } else {
    draw_water_strip(water, water.in, f, f < 1);
    draw_water_arm(water, stem);
  }
}

void CLevel_FieldView::draw_water_cross(const WaterInCell& water) {
  const bool vertical_in = water.in == SIDE_UP || water.in == SIDE_DOWN;
  draw_water_arm(water, vertical_in ? SIDE_RIGHT : SIDE_UP);
  draw_water_arm(water, vertical_in ? SIDE_LEFT : SIDE_DOWN);
  draw_water_strip(water, water.in, water.fill, water.fill < 1);
}

}  // namespace game
