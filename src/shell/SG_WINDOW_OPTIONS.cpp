#include "shell/SG_WINDOW_OPTIONS.h"

#include "SERVICE/engine_globals.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SETTINGS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_CHECKBOX_INTERFACE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/KC_GUI_WLABEL.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"

namespace game {

namespace {

constexpr float kDefaultVolume = 50.0f;
constexpr float kApplyInterval = 0.1f;

}  // namespace

SG_WINDOW_OPTIONS::SG_WINDOW_OPTIONS(const pugi::xml_node& element) : G_WINDOW(element) {
  set_slider(kSoundSlider, kDefaultVolume);
  set_slider(kMusicSlider, kDefaultVolume);
}

SG_WINDOW_OPTIONS::~SG_WINDOW_OPTIONS() = default;

bool SG_WINDOW_OPTIONS::checked(unsigned int id) {
  auto* box = dynamic_cast<KOR::KC_GUI_CHECKBOX_INTERFACE*>(gui()->find(id));
  return box != nullptr && box->is_checked();
}

float SG_WINDOW_OPTIONS::slider_value(unsigned int id) {
  auto* slider = dynamic_cast<KOR::KC_GUI_SLIDER13*>(gui()->find(id));
  return slider != nullptr ? slider->value() : 0.0f;
}

void SG_WINDOW_OPTIONS::set_checked(unsigned int id, bool value) {
  if (auto* box = dynamic_cast<KOR::KC_GUI_CHECKBOX_INTERFACE*>(gui()->find(id))) {
    box->set_checked(value, false);
  }
}

void SG_WINDOW_OPTIONS::set_slider(unsigned int id, float value) {
  if (auto* slider = dynamic_cast<KOR::KC_GUI_SLIDER13*>(gui()->find(id))) {
    slider->set_value(value);
  }
}

void SG_WINDOW_OPTIONS::set_label(unsigned int id, const std::wstring& text) {
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui()->find(id))) label->set_text(text);
}

void SG_WINDOW_OPTIONS::sync_from_player() {
  player_ = dynamic_cast<gPlayer_Flumo*>(KOR_GF::players_instance().current);
  if (player_ == nullptr) return;
  backup_ = std::make_unique<gPlayer_Flumo>(*player_);
  set_checked(kGameCursorBox, player_->game_cursor());
  set_slider(kMusicSlider, player_->music_volume());
  set_slider(kSoundSlider, player_->sound_volume());
  set_checked(kFullScreenBox, player_->full_screen != 0);
  set_label(kVersionLabel, game_info_version());
  set_label(kCopyrightLabel, L"");
}

void SG_WINDOW_OPTIONS::apply_volumes() {
  player_->set_music_volume(slider_value(kMusicSlider));
  player_->set_sound_volume(slider_value(kSoundSlider));
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  sounds.set_music_volume(player_->music_volume() / 100.0f);
  sounds.set_sound_volume(player_->sound_volume() / 100.0f);
}

void SG_WINDOW_OPTIONS::apply() {
  if (player_ == nullptr) return;
  player_->set_game_cursor(checked(kGameCursorBox));
  player_->full_screen = checked(kFullScreenBox) ? 1 : 0;
  KOR_GF::G_SETTINGS::fullscreen = player_->full_screen;
  apply_volumes();
  apply_player_settings(player_);
}

void SG_WINDOW_OPTIONS::restore() {
  if (player_ == nullptr || backup_ == nullptr) return;
  player_->set_game_cursor(backup_->game_cursor());
  player_->full_screen = backup_->full_screen;
  player_->set_music_volume(backup_->music_volume());
  player_->set_sound_volume(backup_->sound_volume());
  apply_player_settings(player_);
}

void SG_WINDOW_OPTIONS::on_open_begin() {
  sync_from_player();
  KOR_GF::play_once("sound_gui_window");
  if (auto* music = dynamic_cast<KOR::KC_GUI_SLIDER13*>(gui()->find(kMusicSlider))) {
    hover_slider_ = music;
  }
}

void SG_WINDOW_OPTIONS::on_opened() { set_label(kCopyrightLabel, game_info_copyright()); }

void SG_WINDOW_OPTIONS::draw() {
  apply_timer_ -= KOR::frame_dt;
  if (apply_timer_ <= 0.0f) apply_timer_ = 0.0f;
  G_WINDOW::draw();
}

KOR::KS_GUI_EVENT* SG_WINDOW_OPTIONS::mouse_move() {
  G_WINDOW::mouse_move();
  if (player_ != nullptr && hover_slider_ != nullptr && hover_slider_->pointer_on_track() &&
      apply_timer_ == 0.0f) {
    apply_volumes();
    apply_timer_ = kApplyInterval;
  }
  return nullptr;
}

KOR::KS_GUI_EVENT* SG_WINDOW_OPTIONS::key_down(int code) {
  G_WINDOW::key_down(code);
  return nullptr;
}

KOR::KS_GUI_EVENT* SG_WINDOW_OPTIONS::key_up(int code) {
  G_WINDOW::key_up(code);
  // After OK or cancel the controls no longer speak for the player.
  if (is_open()) apply();
  return nullptr;
}

void SG_WINDOW_OPTIONS::on_control(int widget_id) {
  if (state() != KOR_GF::WINDOW_OPENED) return;
  switch (widget_id) {
    case kOkButton:
      KOR_GF::play_once("sound_button_click");
      apply();
      if (player_ != nullptr) game_instance().save_players();
      set_label(kCopyrightLabel, L"");
      close();
      KOR_GF::play_once("sound_gui_window");
      break;
    case kCancelButton:
      KOR_GF::play_once("sound_button_click");
      restore();
      set_label(kCopyrightLabel, L"");
      close();
      KOR_GF::play_once("sound_gui_window");
      break;
    case kCreditsButton:
      KOR_GF::play_once("sound_button_click");
      windows().show("Credits");
      KOR_GF::play_once("sound_gui_window");
      break;
    case kFullScreenBox:
    case kGameCursorBox:
    case kSoundSlider:
    case kMusicSlider:
      KOR_GF::play_once("sound_button_click");
      apply();
      break;
    default:
      break;
  }
}

}  // namespace game
