#pragma once

#include <cstdint>

#include "framework/G_WINDOW.h"

namespace KOR {
class KC_GUI_IMAGE;
}

namespace game {

// A comic page ("WINDOW_COMICS1".."4"): once open, its panels (up to 15
// pictures) fade in and grow one after the other; a left click shows them
// all; then the close button leads on to what follows the page.
class COMICS_WINDOW : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description: panel n's picture is n.
  static constexpr unsigned int panel_picture(int frame) {
    return static_cast<unsigned int>(frame);
  }
  enum : unsigned int { kCloseButton = 20 };

  // Takes the panel timing from the game's tuning values.
  explicit COMICS_WINDOW(const pugi::xml_node& element);

  int update() override;
  KOR::KS_GUI_EVENT* key_down(int code) override;
  void on_open_begin() override;
  void on_opened() override;
  void on_closed() override;
  void on_control(int widget_id) override;

  void show_frame(int frame);
  void show_all_frames();
  void show_close_button();

  // Set by the title just after showing the page.
  void set_opened_from_title() { opened_from_title_ = 1; }
  void set_timing(float frame_time, float time_till_next_frame);
  int frame_count() const { return frame_count_; }
  int current_frame() const { return current_frame_; }
  bool all_shown() const { return all_shown_ != 0; }

 private:
  KOR::KC_GUI_IMAGE* panel(int frame) const;
  // The next panel starts this long after the current one did.
  int32_t next_frame_at(int32_t now) const;
  void grow_current_frame(int32_t now);

  uint8_t opened_from_title_ = 0;
  int frame_count_ = 0;
  int current_frame_ = 0;
  int32_t next_frame_time_ = -1;  // -1 before the page opened, 0 start now
  int32_t frame_start_ = 0;
  float frame_time_ = 0.0f;
  float time_till_next_frame_ = 0.0f;
  uint8_t all_shown_ = 0;
};

}  // namespace game
