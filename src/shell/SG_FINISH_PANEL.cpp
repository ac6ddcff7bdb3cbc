#include "shell/SG_FINISH_PANEL.h"

#include "fieldview/CEffect_ExplosionList.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_IMAGE.h"
#include "shell/CGame_App.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"

namespace game {

namespace {

constexpr unsigned int kStarBurst = 1;
constexpr int kLastLevel = gPlayer_Flumo::kLevelCount;

}  // namespace

SG_FINISH_PANEL::SG_FINISH_PANEL(const pugi::xml_node& element)
    : G_WINDOW(element), effects(std::make_unique<CEffect_ExplosionList>()) {}

SG_FINISH_PANEL::~SG_FINISH_PANEL() = default;

void SG_FINISH_PANEL::draw() {
  G_WINDOW::draw();
  effects->draw();
}

int SG_FINISH_PANEL::update() {
  effects->update(game_clock_ms);
  return G_WINDOW::update();
}

void SG_FINISH_PANEL::on_enable() {
  templates_.take(*this, {kMoneyLabel, kScoreLabel, kBestLabel});
}

// A choice of an earlier level end is forgotten, so a panel closed some
// other way never leads on by it.
void SG_FINISH_PANEL::on_open_begin() {
  last_id = 0;
  templates_.fill(*this, kMoneyLabel, {result.money_collected, result.money_total});
  templates_.fill(*this, kScoreLabel, {result.score});
  templates_.fill(*this, kBestLabel, {result.record});
  for (int star = 1; star <= 3; ++star) {
    KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, star_picture(star)), false);
  }
  KOR_GF::play_once("sound_gui_window");
}

void SG_FINISH_PANEL::on_opened() {
  const float half_width = static_cast<float>(KOR::auto_position_screen_width / 2);
  const float half_height = static_cast<float>(KOR::auto_position_screen_height / 2);
  for (int star = 1; star <= 3; ++star) {
    auto* image = widget_of<KOR::KC_GUI_IMAGE>(*this, star_picture(star));
    if (image == nullptr) continue;
    const bool earned = star <= result.stars;
    image->set_visible(earned ? 1 : 0);
    if (!earned) continue;
    const KOR::KS_VECTOR2 at = KOR_GF::widget_position(image);
    effects->add(kStarBurst, at.x + half_width, at.y + half_height);
  }
}

// Only a shown panel answers, so a second click while it closes cannot
// change the way on.
void SG_FINISH_PANEL::on_control(int widget_id) {
  if (state() != KOR_GF::WINDOW_OPENED) return;
  last_id = widget_id;
  if (widget_id != kMenuButton && widget_id != kNextButton) return;
  KOR_GF::play_once("sound_button_click");
  close();
  KOR_GF::play_once("sound_gui_window");
}

void SG_FINISH_PANEL::on_closed() {
  const int chosen = last_id;
  last_id = 0;
  if (chosen != kMenuButton && chosen != kNextButton) return;
  CGame_App& app = game_instance();
  gPlayer_Flumo* player = current_player();
  const int32_t comics = player != nullptr ? player->lastComicsShowed : 0;
  // The comic before world 2 or 3 comes when the world's last level is won
  // for the first time, whichever button was taken.
  const auto to_next_world = [&](int32_t comic, int32_t world) {
    if (SG_WINDOW_LEVELS* levels = levels_window()) levels->set_comic_pending(true);
    if (player != nullptr) player->lastComicsShowed = comic;
    current_world_number = world;
    app.leave_level_to_main_panel();
  };
  if (current_level_number == 15 && comics < 2) {
    to_next_world(2, 2);
  } else if (current_level_number == 30 && comics < 3) {
    to_next_world(3, 3);
  } else if (current_level_number == kLastLevel) {
    const bool final_comic = comics <= 3;
    if (final_comic && player != nullptr) player->lastComicsShowed = 4;
    app.leave_level_to_title(final_comic);
  } else if (chosen == kMenuButton) {
    app.leave_level_to_main_panel();
  } else {
    app.next_level();
  }
}

}  // namespace game
