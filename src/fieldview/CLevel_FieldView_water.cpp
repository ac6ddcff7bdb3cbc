#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

namespace {

constexpr float kPi = 3.14159265f;
// Where a strip entering one side meets the far side of the crossing strip.
constexpr float kCross = 0.74f;

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
  const float f = std::max(at->waterFill, 0.0f) / capacity;
  const KOR::KS_VECTOR2 center = cell_center(x, y);
  const float cx = center.x;
  const float cy = center.y;
  const int n = water_frame;

  auto segment = [&](int kind, float l, float tp, float r, float b, float w, float h, float px,
                     float py) {
    KOR::KC_QUAD* quad = water_sprites[kind][n].get();
    if (quad == nullptr) return;
    set_water_texture_part(l, tp, r, b, kind, n);
    quad->set_size(int(w), int(h));
    quad->set_position(px, py, 0.0f);
    quad->draw();
  };
  const float W1 = float(water_sizes[1].width), H1 = float(water_sizes[1].height);
  const float W2 = float(water_sizes[2].width), H2 = float(water_sizes[2].height);
  // A strip filling g of the cell from the inflow side; +1 px while growing.
  auto fill_from = [&](int side, float g, bool growing) {
    const float grow = growing ? 1.0f : 0.0f;
    switch (side) {
      case SIDE_UP:
        segment(1, 0, 0, 1, g, W1, g * H1, cx - 12, cy - kHalfCell);
        break;
      case SIDE_DOWN:
        segment(1, 0, 1 - g, 1, 1, W1, g * H1, cx - 12, cy + kHalfCell - kCellSize * g + grow);
        break;
      case SIDE_LEFT:
        segment(2, 0, 0, g, 1, g * W2, H2, cx - kHalfCell, cy - 12);
        break;
      default:
        segment(2, 1 - g, 0, 1, 1, g * W2, H2, cx + kHalfCell - kCellSize * g + grow, cy - 12);
        break;
    }
  };
  // The side arm beyond the crossing, once the water has passed it.
  auto arm = [&](int side) {
    if (f <= kCross) return;
    const float len = f - kCross;
    const float grow = f < 1 ? 1.0f : 0.0f;
    switch (side) {
      case SIDE_RIGHT:
        segment(2, kCross, 0, f, 1, len * W2, H2, cx + 12, cy - 12);
        break;
      case SIDE_LEFT:
        segment(2, 0, 0, len, 1, len * W2, H2, cx - 12 - kCellSize * len + grow, cy - 12);
        break;
      case SIDE_DOWN:
        segment(1, 0, kCross, 1, f, W1, len * H1, cx - 12, cy + 12);
        break;
      default:
        segment(1, 0, 0, 1, len, W1, len * H1, cx - 12, cy - 12 - kCellSize * len + grow);
        break;
    }
  };

  const int shape = drawn_shape(*at, in);
  const int sides = side_count(shape);
  if (sides == 1) {
    const float W3 = float(water_sizes[3].width), H3 = float(water_sizes[3].height);
    const float depth = float(int(21 * f));
    const float grow = f < 1 ? 1.0f : 0.0f;
    float px = cx - kHalfCell + depth, py = cy - 12, turn = kPi / 2;
    if (in == SIDE_UP) px = cx + 12, py = cy - kHalfCell + depth, turn = kPi;
    if (in == SIDE_RIGHT) px = cx + kHalfCell - depth + grow, py = cy + 12, turn = 3 * kPi / 2;
    if (in == SIDE_DOWN) px = cx - 12, py = cy + kHalfCell - depth + grow, turn = 0;
    KOR::KC_QUAD* cap = water_sprites[3][n].get();
    if (cap == nullptr) return;
    set_water_texture_part(0, 1 - f, 1, 1, 3, n);
    cap->set_size(int(W3), int(f * H3));
    cap->set_position(px, py, 0.0f);
    cap->set_rotation(turn);
    cap->draw();
  } else if (sides == 2 && (shape & bit(opposite_side(in)))) {
    fill_from(in, f, f < 1);
  } else if (sides == 2) {
    const float a = f <= 0.66f ? f / 0.8f : 1.0f;
    const float b = f < 0.66f ? 0.61f : 0.61f + (f - 0.66f) * 0.39f / 0.34f;
    const float bump = f <= 0.66f ? 1.0f : 0.0f;
    const bool up = shape & bit(SIDE_UP);
    const bool left = shape & bit(SIDE_LEFT);
    const int kind = up ? (left ? 4 : 5) : (left ? 7 : 6);
    const float W = float(water_sizes[kind].width), H = float(water_sizes[kind].height);
    const bool vertical_in = in == SIDE_UP || in == SIDE_DOWN;
    // Sizes: across the inflow arm b, along it a.
    const float w = vertical_in ? b * W : a * W;
    const float h = vertical_in ? a * H : b * H;
    switch (kind * 10 + in) {
      case 40:
        segment(4, 1 - b, 0, 1, a, w, h, cx - kHalfCell + (1 - b) * W, cy - kHalfCell);
        break;
      case 43:
        segment(4, 0, 1 - b, a, 1, w, h, cx - kHalfCell, cy - kHalfCell + (1 - b) * H);
        break;
      case 50:
        segment(5, 0, 0, b, a, w, h, cx - 11, cy - kHalfCell);
        break;
      case 51:
        segment(5, 1 - a, 1 - b, 1, 1, w, h, cx + kHalfCell - a * W + bump,
                cy - kHalfCell + (1 - b) * H);
        break;
      case 61:
        segment(6, 1 - a, 0, 1, b, w, h, cx + kHalfCell - a * W + bump, cy - 11);
        break;
      case 62:
        segment(6, 0, 1 - a, b, 1, w, h, cx - 11, cy + kHalfCell - a * H + bump);
        break;
      case 72:
        segment(7, 1 - b, 1 - a, 1, 1, w, h, cx + 11 - b * W, cy + kHalfCell - a * H + bump);
        break;
      case 73:
        segment(7, 0, 0, a, b, w, h, cx - kHalfCell, cy - 11);
        break;
      default:
        break;
    }
  } else if (sides == 3) {
    int missing = 0;
    while (shape & bit(missing)) ++missing;
    const int stem = opposite_side(missing);
    if (in == stem) {
      fill_from(in, std::min(f, kCross), f < kCross);
      const bool vertical_through = missing == SIDE_LEFT || missing == SIDE_RIGHT;
      arm(vertical_through ? SIDE_DOWN : SIDE_RIGHT);
      arm(vertical_through ? SIDE_UP : SIDE_LEFT);
    } else {
      fill_from(in, f, f < 1);
      arm(stem);
    }
  } else if (sides == 4) {
    const bool vertical_in = in == SIDE_UP || in == SIDE_DOWN;
    arm(vertical_in ? SIDE_RIGHT : SIDE_UP);
    arm(vertical_in ? SIDE_LEFT : SIDE_DOWN);
    fill_from(in, f, f < 1);
  }
}

}  // namespace game
