#include "shell/COMICS_WINDOW.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "puzzle/CGame_Config.h"
#include "render/KC_TEXTURE.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"

namespace game {

namespace {

constexpr int kMostFrames = 15;
constexpr int kLeftButton = 1;
constexpr uint32_t kClearWhite = 0x00FFFFFFu;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// The panel's quad at a share of its picture's size and opacity.
void set_growth(KOR::KC_GUI_IMAGE& image, float share) {
  if (image.quad == nullptr || image.quad->texture() == nullptr) return;
  const KOR::KS_IVECTOR2 size = image.quad->texture()->size();
  const auto alpha = static_cast<uint32_t>(share * 255.0f);
  image.quad->set_color((alpha << 24) | (kOpaqueWhite & 0x00FFFFFFu));
  image.set_size(static_cast<int>(share * static_cast<float>(size.x)),
                 static_cast<int>(share * static_cast<float>(size.y)));
}

}  // namespace

COMICS_WINDOW::COMICS_WINDOW(const pugi::xml_node& element) : G_WINDOW(element) {
  const CGame_Config& config = CGame_Config::instance();
  set_timing(config.get_float("comicsFrameTime"), config.get_float("comicsTimeTillNextFrame"));
}

void COMICS_WINDOW::set_timing(float frame_time, float time_till_next_frame) {
  frame_time_ = frame_time;
  time_till_next_frame_ = time_till_next_frame;
}

KOR::KC_GUI_IMAGE* COMICS_WINDOW::panel(int frame) const {
  return dynamic_cast<KOR::KC_GUI_IMAGE*>(gui()->find(panel_picture(frame)));
}

void COMICS_WINDOW::on_open_begin() {
  opened_from_title_ = 0;
  frame_count_ = 0;
  current_frame_ = 0;
  next_frame_time_ = -1;
  all_shown_ = 0;
  for (int frame = 1; frame <= kMostFrames; ++frame) {
    KOR::KC_GUI_IMAGE* image = panel(frame);
    if (image == nullptr) continue;
    image->set_visible(0);
    image->set_enabled(0);
    frame_count_ = frame;
  }
  if (KOR::KC_GUI_OBJECT* close_button = gui()->find(kCloseButton)) close_button->set_visible(0);
}

void COMICS_WINDOW::on_opened() { next_frame_time_ = 0; }

int32_t COMICS_WINDOW::next_frame_at(int32_t now) const {
  return static_cast<int32_t>(static_cast<float>(now) + 1000.0f * frame_time_ +
                              1000.0f * time_till_next_frame_);
}

void COMICS_WINDOW::show_frame(int frame) {
  current_frame_ = frame;
  KOR::KC_GUI_IMAGE* image = panel(frame);
  if (image == nullptr) return;
  if (image->quad != nullptr) image->quad->set_color(kClearWhite);
  image->set_visible(1);
}

void COMICS_WINDOW::grow_current_frame(int32_t now) {
  KOR::KC_GUI_IMAGE* image = panel(current_frame_);
  if (image == nullptr) return;
  const float span = 1000.0f * frame_time_;
  // A frame time of nothing (or less) shows the panel whole at once.
  if (span > 0.0f && static_cast<float>(now) <= static_cast<float>(frame_start_) + span) {
    set_growth(*image, static_cast<float>(now - frame_start_) / span);
  } else {
    set_growth(*image, 1.0f);
  }
}

int COMICS_WINDOW::update() {
  const int result = G_WINDOW::update();
  if (all_shown_ || next_frame_time_ < 0) return result;
  const int32_t now = game_clock_ms;
  if (next_frame_time_ == 0) {
    frame_start_ = now;
    next_frame_time_ = next_frame_at(now);
    show_frame(1);
    grow_current_frame(now);
    return result;
  }
  grow_current_frame(now);
  if (now >= next_frame_time_) {
    // At or past the last panel: a page without panels ends at once too.
    if (current_frame_ >= frame_count_) {
      all_shown_ = 1;
      show_close_button();
    } else {
      frame_start_ = now;
      next_frame_time_ = next_frame_at(now);
      show_frame(current_frame_ + 1);
      grow_current_frame(now);
    }
  }
  return result;
}

void COMICS_WINDOW::show_all_frames() {
  all_shown_ = 1;
  for (int frame = 1; frame <= kMostFrames; ++frame) {
    KOR::KC_GUI_IMAGE* image = panel(frame);
    if (image == nullptr) continue;
    image->set_visible(1);
    set_growth(*image, 1.0f);
  }
  show_close_button();
}

void COMICS_WINDOW::show_close_button() {
  if (KOR::KC_GUI_OBJECT* close_button = gui()->find(kCloseButton)) close_button->set_visible(1);
}

KOR::KS_GUI_EVENT* COMICS_WINDOW::key_down(int code) {
  if (code == kLeftButton && !all_shown_) {
    KOR_GF::play_once("sound_button_click");
    show_all_frames();
  }
  return G_WINDOW::key_down(code);
}

void COMICS_WINDOW::on_control(int widget_id) {
  if (widget_id != static_cast<int>(kCloseButton)) return;
  KOR_GF::play_once("sound_button_click");
  close();
  windows().close(name());
  KOR_GF::play_once("sound_gui_window");
}

void COMICS_WINDOW::on_closed() {
  SG_WINDOW_LEVELS* levels = levels_window();
  if (levels != nullptr) levels->set_comic_pending(false);
  const bool from_title = opened_from_title_ != 0;
  opened_from_title_ = 0;
  if (!from_title && levels != nullptr && levels->state() == KOR_GF::WINDOW_OPENED) return;
  const int level = from_title ? 1 : current_level_number;
  if (level == 15 || level == 30) {
    game_instance().next_level();
  } else if (level == 45) {
    windows().show("Title");
    windows().show("Logo");
  } else if (SG_MAIN_PANEL* panel = main_panel()) {
    // Level 1, and any other level, so the player is never left with the
    // backdrop alone.
    windows().show(panel->name());
    panel->select_tab(SG_MAIN_PANEL::TAB_WORLDS);
  }
}

}  // namespace game
