#include "shell/HUD_PANEL_TROPHY.h"

#include <algorithm>
#include <string>

#include "foundation/text_utilities.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_IMAGE.h"
#include "level/CLevel_Scoring.h"
#include "puzzle/CGame_Config.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/gPlayer_Flumo.h"

namespace game {

namespace {

constexpr int kMaxRanks = 3;

std::wstring text_of(int n, const char* part) {
  return KOR::string_table_instance().get_wide("trophy_item" + std::to_string(n) + part);
}

void show_image(const KOR_GF::G_WINDOW& window, unsigned int id, bool visible) {
  KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(window, id), visible);
}

}  // namespace

void HUD_PANEL_TROPHY::show_trophy(int n, int r, int reward) {
  show_time = static_cast<float>(CGame_Config::instance().get_int("timeOfShowingTrophyWindow"));
  if (n < 1 || n > gPlayer_Flumo::kTrophyCount) return;
  const int ranks = CLevel_Scoring::trophy_rank_count(n);
  r = std::clamp(ranks > 0 ? std::min(r, ranks) : r, 1, kMaxRanks);
  const int condition = r <= ranks ? CLevel_Scoring::trophy_condition(n, r) : 0;
  set_label_text(*this, kTitleLabel, text_of(n, "_title"));
  set_label_text(*this, kDescriptionLabel,
                 KOR::wtext_format(text_of(n, "_description"), {condition}));
  // The goal stands for the progress too: it has just been reached.
  set_label_text(*this, kProgressLabel,
                 KOR::wtext_format(text_of(n, "_progress"), {condition, condition}));
  set_label_text(*this, kRewardLabel, KOR::wtext_format(text_of(n, "_reward"), {reward}));
  show_rank_pictures(ranks, r);
}

// Only a three-rank trophy has marks; the others leave them as they were.
void HUD_PANEL_TROPHY::show_rank_pictures(int ranks, int r) {
  for (int k = 1; k <= kMaxRanks; ++k) show_image(*this, kRankPictures + k, false);
  if (ranks == 1) show_image(*this, kRankPictures + kMaxRanks, true);
  if (ranks != kMaxRanks) return;
  show_image(*this, kRankPictures + r, true);
  for (unsigned int k = kFirstMark; k <= kLastMark; ++k) show_image(*this, k, false);
  int j = 1;
  for (unsigned int k = kFirstMark; k <= kLastMark; ++k) {
    if (k % 2 == 1) {
      show_image(*this, k, true);
    } else if (widget_of<KOR::KC_GUI_IMAGE>(*this, k) != nullptr) {
      show_image(*this, k, r >= j);
      ++j;
    }
  }
}

void HUD_PANEL_TROPHY::update_timeout(int32_t clock) {
  if (clock < 0) return;
  if (start_time == 0) start_time = clock;
  if (static_cast<float>(clock) > static_cast<float>(start_time) + show_time * 1000.0f) close();
}

}  // namespace game
