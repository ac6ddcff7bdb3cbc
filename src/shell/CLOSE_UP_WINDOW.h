#pragma once

#include <cstdint>

#include "framework/G_WINDOW.h"

namespace game {

// The close-up of a pack shown when its last level is won: a picture grows
// from nothing to full size about its centre, then the frames play once,
// loop from the pack's loop frame for a while, and the window closes
// itself, which ends the level with its result.
class CLOSE_UP_WINDOW : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kPicture = 100,
  };

  explicit CLOSE_UP_WINDOW(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_opened() override;
  void on_closed() override;
  void on_control(int) override {}
  // One step at the level clock's milliseconds; a clock below 0 is no time.
  void update_animation(int32_t clock);
  // The frame the loop starts again from, by pack.
  int32_t loop_frame() const;

  int32_t frame_count = 0;
  int32_t pack = 0;
  int32_t current_frame = 0;
  uint8_t first_pass_done = 0;
  int32_t close_time = 0;
  int32_t next_frame_time = -1;  // -1: growing; 0: frames start next
  float frame_time = 0.0f;
  float time_after_first_pass = 0.0f;
  float scale_time = 0.0f;
  int32_t scale_end = -1;  // -1: not open yet; 0: taken at the next step

 private:
  void grow(int32_t clock);
  void step_frame(int32_t clock);
};

}  // namespace game
