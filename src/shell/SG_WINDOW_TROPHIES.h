#pragma once

#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"

namespace game {

class gPlayer_Flumo;

// The trophy list ("WINDOW_TROPHIES"): the eighteen trophies of the current
// player, six to a page, each with its next condition, reward, progress and
// rank pictures. Opening it marks every trophy as seen.
class SG_WINDOW_TROPHIES : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description: trophy n's (1..18) are
  // part(n, which).
  enum : unsigned int { kPageLabel = 10000 };
  enum : unsigned int {
    kCondition = 1,
    kReward = 2,
    kProgress = 3,
    kNoRank = 4,
    kRewardCoin = 5,  // beside the reward
    kOneOfThree = 6,
    kTwoOfThree = 7,
    kAllRanks = 8,
    kRankMark = 12,  // then + 2 per rank
  };
  static constexpr unsigned int part(int n, unsigned int which) {
    return static_cast<unsigned int>(100 * n) + which;
  }

  explicit SG_WINDOW_TROPHIES(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_control(int widget_id) override;

  // The list from the current player.
  void fill();

  int page() const { return page_; }
  int page_count() const { return page_count_; }
  int last_control() const { return last_control_; }

 private:
  void fill_trophy(int n, const gPlayer_Flumo* player);

  int last_control_ = 0;
  int page_ = 1;
  int page_count_ = 3;
  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
