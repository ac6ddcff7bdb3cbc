#include "shell/SG_WINDOW_TROPHIES.h"

#include <algorithm>

#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Scoring.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_paging.h"

namespace game {

namespace {

constexpr int kTrophiesPerPage = 6;
constexpr int kMostRanks = 3;

bool is_pack_trophy(int n) { return n >= TROPHY_PACK_1 && n <= TROPHY_PACK_3; }

// The levels a pack trophy counts; empty (last < first) when its condition
// names no pack.
struct PACK_ROAD {
  int first = 1;
  int last = 0;
};

PACK_ROAD pack_road(int n) {
  const int last = CLevel_Scoring::trophy_condition(n, 1) * gPlayer_Flumo::kLevelsPerPack;
  if (last < 1) return {};
  constexpr int kWorld = gPlayer_Flumo::kLevelsPerWorld;
  return {(last - 1) / kWorld * kWorld + 1, last};
}

}  // namespace

void SG_WINDOW_TROPHIES::on_open_begin() {
  page_ = 1;
  if (gPlayer_Flumo* player = current_player()) player->clear_new_trophies();
  fill();
  KOR_GF::play_once("sound_gui_window");
}

void SG_WINDOW_TROPHIES::on_control(int widget_id) {
  last_control_ = widget_id;
  if (widget_id != kPreviousPageButton && widget_id != kNextPageButton) return;
  KOR_GF::play_once("sound_button_click");
  page_ = turned_page(page_, widget_id, page_count_);
  fill();
}

void SG_WINDOW_TROPHIES::fill() {
  templates_.take(*this, {kPageLabel});
  templates_.fill(*this, kPageLabel, {page_, page_count_});
  const gPlayer_Flumo* player = current_player();
  for (int n = 1; n <= gPlayer_Flumo::kTrophyCount; ++n) fill_trophy(n, player);
  refresh_page_buttons(*this, page_, page_count_);
}

void SG_WINDOW_TROPHIES::fill_trophy(int n, const gPlayer_Flumo* player) {
  const int value = player != nullptr ? player->trophy(n) : 0;
  const int ranks = CLevel_Scoring::trophy_rank_count(n);
  int reached = CLevel_Scoring::trophy_rank(n, value);
  const int shown_rank = std::min(reached + 1, ranks);
  int target = shown_rank > 0 ? CLevel_Scoring::trophy_condition(n, shown_rank) : 0;
  int shown_value = value;
  if (is_pack_trophy(n)) {
    // The value is 1 from the award on, which comes when the last level of
    // the pack named by the condition is won; until then the list counts
    // the levels won on the way, from the start of that pack's world.
    reached = value > 0 ? 1 : 0;
    const PACK_ROAD road = pack_road(n);
    target = road.last - road.first + 1;
    shown_value = player != nullptr ? player->count_won_levels(road.first, road.last) : 0;
  }
  templates_.take(*this, {part(n, kCondition), part(n, kReward), part(n, kProgress)});
  templates_.fill(*this, part(n, kCondition), {target});
  const bool open_ranks = reached < ranks;
  // A reward is promised only where reaching the rank pays it.
  const bool paid = open_ranks && CLevel_Scoring::pays_rewards(n);
  auto* reward = widget_of<KOR::KC_GUI_WLABEL>(*this, part(n, kReward));
  auto* progress = widget_of<KOR::KC_GUI_WLABEL>(*this, part(n, kProgress));
  KOR_GF::show_widget(reward, paid);
  KOR_GF::show_widget(progress, open_ranks);
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, part(n, kRewardCoin)), paid);
  if (paid) {
    templates_.fill(*this, part(n, kReward), {CLevel_Scoring::trophy_reward(n, shown_rank)});
  }
  if (open_ranks) templates_.fill(*this, part(n, kProgress), {shown_value, target});
  const auto picture = [this, n](unsigned int which) {
    return widget_of<KOR::KC_GUI_IMAGE>(*this, part(n, which));
  };
  if (ranks == 1) {
    KOR_GF::show_widget(picture(kAllRanks), reached == 1);
    KOR_GF::show_widget(picture(kNoRank), reached != 1);
    KOR_GF::show_widget(picture(kRankMark), reached == 1);
  } else if (ranks == kMostRanks) {
    const unsigned int pictures[] = {kNoRank, kOneOfThree, kTwoOfThree, kAllRanks};
    for (unsigned int which : pictures) KOR_GF::show_widget(picture(which), false);
    KOR_GF::show_widget(picture(pictures[reached]), true);
    for (int r = 1; r <= kMostRanks; ++r)
      KOR_GF::show_widget(picture(kRankMark + 2 * (r - 1)), reached >= r);
  }
  const int first = 1 + (page_ - 1) * kTrophiesPerPage;
  const bool on_page = n >= first && n < first + kTrophiesPerPage;
  if (auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n)) {
    panel->set_visible(on_page ? 1 : 0);
    panel->set_enabled(on_page ? 1 : 0);
  }
}

}  // namespace game
