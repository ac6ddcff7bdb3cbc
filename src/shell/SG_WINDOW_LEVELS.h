#pragma once

#include <cstdint>

#include "framework/G_WINDOW.h"

namespace game {

// The levels tab ("WINDOW_LEVELS"): the fifteen levels of the chosen world
// with numbers, stars and locks, and its three packs open or locked. A
// chosen open level closes the menus and starts when this window has
// closed. It shows the comic due after a world's last level, and a click on
// the comic band shows the world's comic again.
class SG_WINDOW_LEVELS : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description, by the level's place in
  // its world (1 to 15) or by pack (1 to 9). The comic band is the first
  // pack's open picture.
  static constexpr unsigned int level_button(int place) { return static_cast<unsigned int>(place); }
  static constexpr unsigned int level_number_label(int place) {
    return static_cast<unsigned int>(100 * place + 1);
  }
  static constexpr unsigned int level_lock(int place) {
    return static_cast<unsigned int>(10000 + place);
  }
  static constexpr unsigned int open_pack_picture(int pack) {
    return static_cast<unsigned int>(30 + pack);
  }
  static constexpr unsigned int locked_pack_picture(int pack) {
    return static_cast<unsigned int>(40 + pack);
  }
  enum : unsigned int { kComicBand = 31 };

  explicit SG_WINDOW_LEVELS(const pugi::xml_node& element) : G_WINDOW(element) {}

  KOR::KS_GUI_EVENT* key_down(int code) override;
  void on_open_begin() override;
  void on_opened() override;
  void on_closed() override;
  void on_control(int widget_id) override;

  void refresh();

  int chosen_button() const { return chosen_button_; }
  // Set by the finish panel after level 15 or 30; cleared when a comic
  // closes.
  bool comic_pending() const { return comic_pending_ != 0; }
  void set_comic_pending(bool pending) { comic_pending_ = pending ? 1 : 0; }

 private:
  int chosen_button_ = 0;
  uint8_t comic_pending_ = 0;
};

// The registered levels window; null when the game has none.
SG_WINDOW_LEVELS* levels_window();

}  // namespace game
