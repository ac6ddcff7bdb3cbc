#pragma once

#include <cstdint>

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"

namespace game {

// The press on the bottom panel as the player sees it: five frames from
// open to closed (and the upgraded press's five over them), the cool-down
// sign and seconds, the closed press sliding away to the left and a fresh
// open one coming back. The press keeps the time; this window only shows
// it, and its open frame is the press's drop area.
class HUD_PANEL_PRESS : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kClosedFrame = 1,
    kOpenFrame = 5,
    // Frame n + 10 is the upgraded press's frame n.
    kUpgradedFrames = 10,
    kSecondsLabel = 10,
    kCooldownSign = 25,
  };

  explicit HUD_PANEL_PRESS(const pugi::xml_node& element) : G_WINDOW(element) {}

  void measure_layout();
  KOR::KS_VECTOR2 press_rest_position() const { return open_rest_position; }
  KOR::KS_VECTOR2 press_size() const { return open_size; }
  KOR::KS_VECTOR2 press_centre() const;
  void set_upgraded_images(bool upgraded_);
  // The open press ready at its rest, no sign, no seconds.
  void reset_display();
  // Frame n of 1 (closed) .. 5 (open).
  void show_frame(int n);
  void start_crush();
  // The fraction of the crushing time gone.
  void step_crush(float fraction);
  void show_cooldown();
  void set_cooldown_seconds(int seconds);
  // 0: at its rest, 1: beyond the left edge.
  void slide_out_closed_press(float fraction);
  // 0: beyond the left edge, 1: at its rest.
  void slide_in_open_press(float fraction);
  void on_open_begin() override;
  void on_enable() override;
  void on_control(int) override {}

  KOR::KS_VECTOR2 open_rest_position;
  KOR::KS_VECTOR2 closed_rest_position;
  float hidden_x = 0.0f;
  KOR::KS_VECTOR2 open_size;
  uint8_t upgraded = 0;
  float crush_fraction = 0.0f;

 private:
  // Frame n, and its upgraded form when the upgraded press shows.
  void show_frame_pair(int n, bool visible);
  void move_frame_pair(int n, float x, float y);

  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
