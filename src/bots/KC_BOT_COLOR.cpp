#include "bots/KC_BOT_COLOR.h"

#include "foundation/KS_COLOR.h"
#include "foundation/KS_VERTEX_LIST.h"
#include "foundation/float_math.h"

namespace KOR {

namespace {

uint32_t read_color(const KS_VERTEX_LIST* mesh) { return mesh ? mesh->color() : 0xFFFFFFFFu; }
uint32_t read_color(const uint32_t* variable) { return variable ? *variable : 0xFFFFFFFFu; }

void write_color(KS_VERTEX_LIST* mesh, uint32_t argb) {
  if (mesh) mesh->set_color(argb);
}
void write_color(uint32_t* variable, uint32_t argb) {
  if (variable) *variable = argb;
}

// elapsed * delta / duration + start in float, truncated, low 8 bits.
int channel(float elapsed, int delta, float duration, uint8_t start) {
  return truncate_to_int(elapsed * static_cast<float>(delta) / duration +
                         static_cast<float>(start));
}

}  // namespace

template <class TARGET>
KT_BOT_COLOR_FADE<TARGET>::KT_BOT_COLOR_FADE(TARGET* target, float duration, uint32_t end_color,
                                             float delay)
    : KC_BOT_TIMED(delay),
      target_(target),
      end_color_(end_color),
      duration_(duration),
      time_left_(duration) {
  set_behaviour_defaults("bot_color");
  // A negative delay counts as none: the fade must still start from the
  // target's colour.
  begin_unless_delayed();
}

template <class TARGET>
void KT_BOT_COLOR_FADE<TARGET>::begin() {
  start_color_ = read_color(target_);
  const KS_COLOR s(start_color_);
  const KS_COLOR e(end_color_);
  delta_r_ = e.r - s.r;
  delta_g_ = e.g - s.g;
  delta_b_ = e.b - s.b;
  delta_a_ = e.a - s.a;
}

template <class TARGET>
void KT_BOT_COLOR_FADE<TARGET>::finish() {
  time_left_ = 0.0f;
  write_color(target_, end_color_);
  bot_fire(completion_);
}

template <class TARGET>
bool KT_BOT_COLOR_FADE<TARGET>::step(float dt) {
  if (!(time_left_ > 0.0f)) return false;
  const KS_COLOR s(start_color_);
  const int a = channel(elapsed_, delta_a_, duration_, s.a);
  const int r = channel(elapsed_, delta_r_, duration_, s.r);
  const int g = channel(elapsed_, delta_g_, duration_, s.g);
  const int b = channel(elapsed_, delta_b_, duration_, s.b);
  write_color(target_, KS_COLOR(a, r, g, b).argb());
  elapsed_ += dt;
  time_left_ -= dt;
  return true;
}

template class KT_BOT_COLOR_FADE<KS_VERTEX_LIST>;
template class KT_BOT_COLOR_FADE<uint32_t>;

}  // namespace KOR
