#pragma once

#include "fieldview/field_atlas.h"
#include "foundation/KS_COLOR.h"

namespace KOR {
class KC_FONT;
}

namespace game {

// A pop-up rising from a board point and fading out: a number of points
// (kind 0) or the icon of a destruction (1) or completion (2) bonus
// received. Driven by frame_dt, so it keeps its pace whatever the clock.
class CEffect_Bonus {
 public:
  enum { KIND_NUMBER = 0, KIND_DESTRUCTION_ICON = 1, KIND_COMPLETION_ICON = 2 };

  CEffect_Bonus() = default;
  CEffect_Bonus(const CEffect_Bonus&) = delete;
  CEffect_Bonus& operator=(const CEffect_Bonus&) = delete;

  void init(int kind, float x, float y, int value);
  // True once its time is up; the clock is not used.
  bool update(int time);
  void draw();
  // Pop-ups keep their screen place while the board scrolls.
  void shift(float, float) {}

  OWNED_SPRITE icon_sprite;
  float x = -200.0f;
  float y = -200.0f;
  int kind = KIND_NUMBER;
  int value = 0;
  float total_time = 0.0f;
  float elapsed = 0.0f;
  float distance = 0.0f;
  KOR::KC_FONT* font = nullptr;
  KOR::KS_COLOR color;
  float current_x = 0.0f;
  float current_y = 0.0f;
};

}  // namespace game
