#pragma once

#include "bots/KC_BASE.h"
#include "foundation/KS_COLORF.h"

namespace KOR {

struct KS_VERTEX_LIST;

// Fades a mesh's alpha fully out or in a number of times, each fade followed
// by a pause, once started; it never removes itself.
class KC_BOT_LAZY_BLINKER : public KC_BASE {
 public:
  // shown: non-zero when the next fade goes to alpha 0.
  KC_BOT_LAZY_BLINKER(KS_VERTEX_LIST* target, int shown, float fade_time, float pause);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

  // Plays count fades (0: for ever) after the delay; a delay of 0 begins a
  // fade from the present colour at once.
  void start(int count, float delay);
  void blink_from(int shown, float delay);
  void toggle_blink(float delay);
  void blink(float delay);

 private:
  void begin_fade();

  KS_VERTEX_LIST* target_;
  float fade_time_;
  float pause_;
  int shown_;
  float fade_left_;
  float pause_left_;
  // Idle until started.
  int count_ = 0;
  float delay_ = 0.0f;
  bool forever_ = false;
  KS_COLORF from_color_;
  KS_COLORF delta_color_;
};

}  // namespace KOR
