#include "shell/HUD_PANEL_WATER_INDICATOR.h"

#include <algorithm>
#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_VERTEX.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_IMAGE.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"

namespace game {

namespace {

constexpr float kDegree = 0.017453292f;
constexpr float kQuarterPi = 0.7853982f;
constexpr float kHalfPi = 1.5707964f;
constexpr double kThreeQuarterPi = 2.35619455575943;
constexpr float kPi = 3.1415927f;

KOR::KC_QUAD* quad_of(const KOR_GF::G_WINDOW& window, unsigned int id) {
  auto* image = widget_of<KOR::KC_GUI_IMAGE>(window, id);
  return image != nullptr ? image->quad.get() : nullptr;
}

}  // namespace

void HUD_PANEL_WATER_INDICATOR::set_star_times(int32_t three_stars, int32_t two_stars) {
  // The level reader keeps the three-star time positive; a dial must never
  // divide by zero all the same.
  three_star_time = std::max(three_stars, 1);
  two_star_time = two_stars;
  if (KOR::KC_QUAD* hand = quad_of(*this, kHand)) hand->set_rotation(-kHalfPi);
  const float t3 = static_cast<float>(three_star_time);
  const float t2 = static_cast<float>(two_star_time);
  // Beyond twice the three-star time the split would fall below the empty
  // dial and the cut pictures leave their squares: it stays at the empty end.
  two_star_angle = std::max((1.0f - (t2 - t3) / t3) * 180.0f * kDegree, 0.0f);
  phase = FILLING;
  KOR_GF::show_widget(find_widget(*this, kSpentFace), false);
  update_clock(0, nullptr);
  angle = 0.0f;
}

void HUD_PANEL_WATER_INDICATOR::update_clock(int32_t elapsed,
                                             HUD_PANEL_WATER_INSCRIPTION* inscription) {
  const int64_t full = static_cast<int64_t>(three_star_time) * 1000;
  float fraction;
  if (elapsed > full) {
    // An empty dial would read the same at the end as at the start: once
    // the water runs, the part it gives back shows as spent, so the last
    // state reads as time up.
    if (phase != EMPTYING) KOR_GF::show_widget(find_widget(*this, kSpentFace), true);
    phase = EMPTYING;
    const float over = static_cast<float>(elapsed - full);
    const float part = over / static_cast<float>(full);
    fraction = 1.0f - part;
  } else {
    fraction = static_cast<float>(elapsed) / static_cast<float>(full);
  }
  if (KOR::KC_QUAD* hand = quad_of(*this, kHand)) {
    hand->set_rotation((fraction * 180.0f - 90.0f) * kDegree);
  }
  previous_angle = angle;
  angle = fraction * 180.0f * kDegree;
  wipe_quadrant(kLowerFill, std::min(angle, two_star_angle));
  wipe_quadrant(kUpperFill, angle >= two_star_angle ? angle : 0.0f);
  if (phase == EMPTYING && previous_angle > two_star_angle && two_star_angle >= angle &&
      inscription != nullptr) {
    inscription->show_hurry_warning();
  }
}

KOR::KS_VECTOR2 HUD_PANEL_WATER_INDICATOR::clock_position() const {
  return KOR_GF::widget_position(find_widget(*this, kDial));
}

void HUD_PANEL_WATER_INDICATOR::wipe_quadrant(unsigned int id, float a) {
  KOR::KC_QUAD* quad = quad_of(*this, id);
  if (quad == nullptr || quad->vertex_count() < 4) return;
  const float s = dial_size;
  const float h = s * 0.5f;
  float corners[4][2];
  if (a < kQuarterPi) {
    const float t = std::tan(a);
    corners[0][0] = 0.0f, corners[0][1] = h - t * h;
    corners[1][0] = s, corners[1][1] = h + t * h;
    corners[2][0] = s, corners[2][1] = s;
    corners[3][0] = 0.0f, corners[3][1] = s;
  } else if (a < kHalfPi) {
    const float t = std::tan(kHalfPi - a);
    corners[0][0] = 0.0f, corners[0][1] = 0.0f;
    corners[1][0] = h - t * h, corners[1][1] = 0.0f;
    corners[2][0] = h + t * h, corners[2][1] = s;
    corners[3][0] = 0.0f, corners[3][1] = s;
  } else if (static_cast<double>(a) < kThreeQuarterPi) {
    const float t = std::tan(a - kHalfPi);
    corners[0][0] = 0.0f, corners[0][1] = 0.0f;
    corners[1][0] = h + t * h, corners[1][1] = 0.0f;
    corners[2][0] = h - t * h, corners[2][1] = s;
    corners[3][0] = 0.0f, corners[3][1] = s;
  } else {
    const float t = std::tan(kPi - a);
    corners[0][0] = 0.0f, corners[0][1] = 0.0f;
    corners[1][0] = s, corners[1][1] = 0.0f;
    corners[2][0] = s, corners[2][1] = h - t * h;
    corners[3][0] = 0.0f, corners[3][1] = h + t * h;
  }
  for (int i = 0; i < 4; ++i) {
    KOR::KS_VERTEX& vertex = quad->vertices[i];
    vertex.position.x = corners[i][0];
    vertex.position.y = corners[i][1];
    vertex.set_uv(corners[i][0] / s, corners[i][1] / s);
  }
}

}  // namespace game
