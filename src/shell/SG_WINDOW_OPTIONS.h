#pragma once

#include <memory>

#include "framework/G_WINDOW.h"

namespace KOR {
class KC_GUI_SLIDER13;
}

namespace game {

class gPlayer_Flumo;

// The options window ("Options"): full screen, the game's own pointer and
// the sound and music volumes of the current player. Changes take effect
// at once; OK keeps them and saves the players file, cancel puts back what
// the player had when the window opened and saves nothing. It also shows
// the game's version and copyright and opens the credits.
class SG_WINDOW_OPTIONS : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int {
    kOkButton = 3,
    kCancelButton = 4,
    kCreditsButton = 6,
    kFullScreenBox = 7,
    kGameCursorBox = 8,
    kSoundSlider = 9,
    kMusicSlider = 10,
    kVersionLabel = 101,
    kCopyrightLabel = 102,
  };

  explicit SG_WINDOW_OPTIONS(const pugi::xml_node& element);
  ~SG_WINDOW_OPTIONS() override;

  void draw() override;
  KOR::KS_GUI_EVENT* key_down(int code) override;
  // Every release the window still stands open after takes effect.
  KOR::KS_GUI_EVENT* key_up(int code) override;
  // Over the music slider's track the volumes follow the knob, at most
  // every 0.1 s of drawn time.
  KOR::KS_GUI_EVENT* mouse_move() override;
  void on_open_begin() override;
  void on_opened() override;
  void on_control(int widget_id) override;

  // Controls and backup from the current player; without one, nothing.
  void sync_from_player();
  // The controls into the player and applied, not saved.
  void apply();
  // The backup's settings into the player and applied, not saved.
  void restore();

  gPlayer_Flumo* player() const { return player_; }
  const gPlayer_Flumo* backup() const { return backup_.get(); }

 private:
  bool checked(unsigned int id);
  float slider_value(unsigned int id);
  void set_checked(unsigned int id, bool checked);
  void set_slider(unsigned int id, float value);
  void set_label(unsigned int id, const std::wstring& text);
  // Only the volumes, for the music slider while it is dragged.
  void apply_volumes();

  gPlayer_Flumo* player_ = nullptr;  // the registry's
  std::unique_ptr<gPlayer_Flumo> backup_;
  KOR::KC_GUI_SLIDER13* hover_slider_ = nullptr;  // the music slider
  float apply_timer_ = 0.0f;                      // seconds until the music slider may apply again
};

}  // namespace game
