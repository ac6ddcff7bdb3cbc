#pragma once

#include <cstdint>
#include <string>

#include "framework/G_WINDOW.h"

namespace game {

// The hub between the title and the levels ("WINDOW_MAIN_PANEL"): money,
// stars with their bar, the worlds, trophies and shop tabs, back to the
// title, and the new-trophy marker. One tab window stands below it: 1
// worlds, 2 levels, 3 shop, 4 trophies.
class SG_MAIN_PANEL : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kMoneyLabel = 1,
    kStarsBar = 2,
    kStarsLabel = 4,
    kWorldsTab = 5,
    kTrophiesTab = 6,
    kShopTab = 7,
    kBackButton = 8,
    kTrophyBadge = 9,
  };

  enum TAB : int { NO_TAB = 0, TAB_WORLDS = 1, TAB_LEVELS = 2, TAB_SHOP = 3, TAB_TROPHIES = 4 };

  explicit SG_MAIN_PANEL(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_closed() override;
  void on_control(int widget_id) override;

  // Shows the tab's window and marks its button; the previous tab's window
  // is the caller's to close.
  void select_tab(int tab);
  void refresh_money();
  // Earned and possible stars of all worlds (tab 1) or of the chosen world
  // (tab 2), the bar cut to their share.
  void refresh_stars();
  void show_trophy_marker();
  void hide_trophy_marker();
  // The current tab's window is still moving or not open.
  bool tab_window_busy() const;
  // A level was chosen: the panel leaves without leading to the title.
  void close_for_level();

  int tab() const { return tab_; }
  int last_control() const { return last_control_; }
  int stars_bar_width() const { return stars_bar_width_; }
  bool trophy_marker() const { return trophy_marker_ != 0; }

 private:
  // Closes the current tab's window and shows another's; a tab whose window
  // is not in the game is never selected.
  bool switch_tab(int tab);
  void fill_label(unsigned int id, std::wstring& kept, std::initializer_list<int> numbers);

  int last_control_ = 0;
  int tab_ = NO_TAB;
  int stars_bar_width_ = 0;
  uint8_t trophy_marker_ = 0;
  // The localised label texts, kept before the first number replaces them.
  std::wstring money_template_;
  std::wstring stars_template_;
};

// The registered main panel; null when the game has none.
SG_MAIN_PANEL* main_panel();
// Whether one of the story's first three comic pages stands open: the menus
// below it wait until it is closed.
bool story_comic_open();

}  // namespace game
