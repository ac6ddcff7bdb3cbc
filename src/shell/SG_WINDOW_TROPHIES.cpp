#include "shell/SG_WINDOW_TROPHIES.h"

#include <algorithm>

#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Scoring.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/menu_sound.h"
#include "shell/window_paging.h"

namespace game {

namespace {

enum : unsigned int { kPageLabel = 10000 };

constexpr int kTrophiesPerPage = 6;
constexpr int kMostRanks = 3;

enum : unsigned int {
  kCondition = 1,
  kReward = 2,
  kProgress = 3,
  kNoRank = 4,
  kNotAll = 5,
  kOneOfThree = 6,
  kTwoOfThree = 7,
  kAllRanks = 8,
  kRankMark = 12,  // then + 2 per rank
};

unsigned int part(int n, unsigned int which) { return 100 * n + which; }

bool is_pack_trophy(int n) { return n >= TROPHY_PACK_1 && n <= TROPHY_PACK_3; }

}  // namespace

void SG_WINDOW_TROPHIES::on_open_begin() {
  page_ = 1;
  if (gPlayer_Flumo* player = current_player()) player->clear_new_trophies();
  fill();
  play_once("sound_gui_window");
}

void SG_WINDOW_TROPHIES::on_control(int widget_id) {
  last_control_ = widget_id;
  if (widget_id != kPreviousPageButton && widget_id != kNextPageButton) return;
  play_once("sound_button_click");
  page_ = turned_page(page_, widget_id, page_count_);
  fill();
}

void SG_WINDOW_TROPHIES::fill() {
  templates_.take(*this, {kPageLabel});
  templates_.fill(*this, kPageLabel, {page_, page_count_});
  const gPlayer_Flumo* player = current_player();
  const int completed = player != nullptr ? player->unlocked_level_count() - 1 : 0;
  for (int n = 1; n <= gPlayer_Flumo::kTrophyCount; ++n) {
    fill_trophy(n, player != nullptr ? player->trophy(n) : 0, completed);
  }
  refresh_page_buttons(*this, page_, page_count_);
}

void SG_WINDOW_TROPHIES::fill_trophy(int n, int value, int completed_levels) {
  const int ranks = CLevel_Scoring::trophy_rank_count(n);
  int reached = CLevel_Scoring::trophy_rank(n, value);
  const int shown_rank = std::min(reached + 1, ranks);
  const int target = shown_rank > 0 ? CLevel_Scoring::trophy_condition(n, shown_rank) : 0;
  // The pack trophies show the levels completed on the way to their pack.
  int shown_value = value;
  if (is_pack_trophy(n)) {
    shown_value = completed_levels;
    if (shown_value >= target) {
      shown_value = target;
      reached = 1;
    }
  }
  templates_.take(*this, {part(n, kCondition), part(n, kReward), part(n, kProgress)});
  templates_.fill(*this, part(n, kCondition), {target});
  const bool open_ranks = reached < ranks;
  auto* reward = widget_of<KOR::KC_GUI_WLABEL>(*this, part(n, kReward));
  auto* progress = widget_of<KOR::KC_GUI_WLABEL>(*this, part(n, kProgress));
  show_widget(reward, open_ranks);
  show_widget(progress, open_ranks);
  show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, part(n, kNotAll)), open_ranks);
  if (open_ranks) {
    templates_.fill(*this, part(n, kReward), {CLevel_Scoring::trophy_reward(n, shown_rank)});
    templates_.fill(*this, part(n, kProgress), {shown_value, target});
  }
  const auto picture = [this, n](unsigned int which) {
    return widget_of<KOR::KC_GUI_IMAGE>(*this, part(n, which));
  };
  if (ranks == 1) {
    show_widget(picture(kAllRanks), reached == 1);
    show_widget(picture(kNoRank), reached != 1);
    show_widget(picture(kRankMark), reached == 1);
  } else if (ranks == kMostRanks) {
    const unsigned int pictures[] = {kNoRank, kOneOfThree, kTwoOfThree, kAllRanks};
    for (unsigned int which : pictures) show_widget(picture(which), false);
    show_widget(picture(pictures[reached]), true);
    for (int r = 1; r <= kMostRanks; ++r)
      show_widget(picture(kRankMark + 2 * (r - 1)), reached >= r);
  }
  const int first = 1 + (page_ - 1) * kTrophiesPerPage;
  const bool on_page = n >= first && n < first + kTrophiesPerPage;
  if (auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n)) {
    panel->set_visible(on_page ? 1 : 0);
    panel->set_enabled(on_page ? 1 : 0);
  }
}

}  // namespace game
