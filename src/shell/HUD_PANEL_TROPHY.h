#pragma once

#include <cstdint>

#include "framework/G_WINDOW.h"

namespace game {

// The pop-up that tells the player a trophy has reached a new rank during
// a level: the trophy's name, the rank's condition, the progress, the
// reward and the rank's picture and marks. It closes itself after the
// configured time, counted from its first update once fully open.
class HUD_PANEL_TROPHY : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kTitleLabel = 1,
    kDescriptionLabel = 2,
    kRewardLabel = 3,
    kProgressLabel = 4,
    // Rank r's picture is kRankPictures + r.
    kRankPictures = 10,
    // The rank marks: odd ids empty, even ones filled.
    kFirstMark = 111,
    kLastMark = 116,
  };

  explicit HUD_PANEL_TROPHY(const pugi::xml_node& element) : G_WINDOW(element) {}

  // Fills the window for trophy n (1..18) at rank r with the money the
  // player has just been paid for it. A rank above the trophy's own number
  // of ranks shows its last rank, so its real condition appears; trophies
  // outside 1..18 leave the window as it was.
  void show_trophy(int n, int r, int reward);
  // The level clock in milliseconds; a clock below 0 is no time.
  void update_timeout(int32_t clock);
  void on_opened() override { start_time = 0; }
  void on_control(int) override {}

  int32_t start_time = 0;
  float show_time = 0.0f;

 private:
  void show_rank_pictures(int ranks, int r);
};

}  // namespace game
