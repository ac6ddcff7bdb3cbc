#pragma once

#include <map>
#include <memory>
#include <string>

#include "foundation/KS_VECTOR2.h"
#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"

namespace game {

class CEffect_ExplosionList;

// "shop_item" followed by `s`: the string-table keys of prices and
// descriptions.
std::string shop_item_key(const std::string& s);

// The upgrade shop ("WINDOW_SHOP"): the sixteen items for the current
// player's money, on two pages. In the main panel the bonus refills are not
// sold and items 5 to 16 take their places; in a level all twelve first
// items are sold and a part of its own shows the money and a close button.
// Money packs are never within reach of the pointer.
class SG_WINDOW_SHOP : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description; item n's (1..16) follow
  // from n.
  enum : unsigned int {
    kPageLabel = 10000,
    kLevelPart = 100000,
    kCloseInLevel = 100001,
    kMoneyInLevel = 100002,
    kDestructionStock = 100005,
    kCompletionStock = 100006,
    kDiscountMark = 1112,
  };
  static constexpr unsigned int description_label(int n) {
    return static_cast<unsigned int>(100 * n + 2);
  }
  static constexpr unsigned int buy_button(int n) { return static_cast<unsigned int>(100 * n + 4); }
  static constexpr unsigned int price_label(int n) {
    return static_cast<unsigned int>(100 * n + 5);
  }
  // Mark j of item n's upgrade levels.
  static constexpr unsigned int level_mark(int n, int j) {
    return static_cast<unsigned int>(100 * n + 10 + 2 * j);
  }

  explicit SG_WINDOW_SHOP(const pugi::xml_node& element);
  ~SG_WINDOW_SHOP() override;

  void draw() override;
  int update() override;
  void on_open_begin() override;
  // The purchases reach the players file once the window has closed.
  void on_closed() override;
  void on_control(int widget_id) override;

  // Every widget from the current player.
  void fill();
  // One purchase of item n (1..16). A purchase the window would not offer
  // (too dear, at its cap, a full bonus stock) is refused.
  void buy(int n);
  void record_panel_positions();
  void place_panels();
  void refresh_money();
  void refresh_bonus_counts();

  int page() const { return page_; }
  int page_count() const { return page_count_; }
  bool in_level() const { return in_level_ != 0; }
  int last_control() const { return last_control_; }

 private:
  // The price of item n at the player's current level, the discount
  // taken off; and whether the window offers it for sale now.
  int shown_price(int n) const;
  bool can_buy(int n) const;
  void fill_item(int n);
  void add_coin_burst(int n);

  int last_control_ = 0;
  int page_ = 1;
  int page_count_ = 3;
  std::unique_ptr<CEffect_ExplosionList> effects_;
  uint8_t in_level_ = 0;
  std::map<int, KOR::KS_VECTOR2> positions_1024_;
  std::map<int, KOR::KS_VECTOR2> positions_1366_;
  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
