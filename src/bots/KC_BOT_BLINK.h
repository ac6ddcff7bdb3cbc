#pragma once

#include <cstdint>

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

struct KS_VERTEX_LIST;

// The random blinkers' common frame: after the delay, groups of `count`
// beats (ramps or pulses) separated by pauses, for a lifetime; `forever` or
// a count of 0 runs until the owner removes the blinker. Random numbers come
// from the current engine generator.
class KC_BOT_BLINK : public KC_BOT_TIMED {
 protected:
  KC_BOT_BLINK(KS_VERTEX_LIST* target, int alpha_min, int alpha_max, float time_min, float time_max,
               int count, float pause, bool forever, float lifetime, float delay);

  uint32_t mesh_color() const;
  void set_mesh_color(uint32_t argb);

  // One step once the delay is over and no pause runs; `beats` counts the
  // ramps or pulses begun in the current group.
  virtual void beat(float dt) = 0;

  KS_VERTEX_LIST* target_;
  int alpha_min_;
  int alpha_max_;
  float time_min_;
  float time_max_;
  int count_;
  float pause_;
  float lifetime_;
  bool forever_;
  int beats_ = 0;
  float pause_left_;
  uint32_t work_color_ = 0xFFFFFFFFu;

 private:
  bool step(float dt) override;
  // Leaves the mesh opaque.
  void finish() override;
};

// Moves the mesh's alpha in linear ramps towards random values; each ramp
// starts from the previous ramp's goal.
class KC_BOT_BLINK_ANALOG : public KC_BOT_BLINK {
 public:
  KC_BOT_BLINK_ANALOG(KS_VERTEX_LIST* target, int alpha_min, int alpha_max, float time_min,
                      float time_max, int count, float pause, bool forever, float lifetime,
                      float delay);

 private:
  void beat(float dt) override;

  float ramp_from_;
  float ramp_to_;
  float alpha_;
  float ramp_left_ = 0.0f;
  float rate_ = 0.0f;
};

// Sets the mesh's alpha to random values held for random times.
class KC_BOT_BLINK_PULSE : public KC_BOT_BLINK {
 public:
  KC_BOT_BLINK_PULSE(KS_VERTEX_LIST* target, int alpha_min, int alpha_max, float time_min,
                     float time_max, int count, float pause, bool forever, float lifetime,
                     float delay);

 private:
  void beat(float dt) override;

  float hold_left_;
};

}  // namespace KOR
