#pragma once

#include <cstdint>

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

struct KS_VERTEX_LIST;

// Fades a colour from the one it has when the fade begins (after the delay)
// to an end colour over a duration, channel by channel. The first colour
// written is the start colour; the exact end colour comes with the end.
template <class TARGET>
class KT_BOT_COLOR_FADE : public KC_BOT_TIMED {
 public:
  KT_BOT_COLOR_FADE(TARGET* target, float duration, uint32_t end_color, float delay);

 private:
  void begin() override;
  bool step(float dt) override;
  void finish() override;

  TARGET* target_;
  uint32_t end_color_;
  int delta_r_ = 0;
  int delta_g_ = 0;
  int delta_b_ = 0;
  int delta_a_ = 0;
  uint32_t start_color_ = 0xFFFFFFFFu;
  float elapsed_ = 0.0f;
  float duration_;
  float time_left_;
};

// Fades every vertex of a mesh; the mesh's colour is that of its first vertex.
class KC_BOT_COLOR : public KT_BOT_COLOR_FADE<KS_VERTEX_LIST> {
 public:
  using KT_BOT_COLOR_FADE::KT_BOT_COLOR_FADE;
};

// Fades a plain 0xAARRGGBB variable.
class KC_BOT_COLOR_KS : public KT_BOT_COLOR_FADE<uint32_t> {
 public:
  using KT_BOT_COLOR_FADE::KT_BOT_COLOR_FADE;
};

}  // namespace KOR
