#pragma once

#include <string>

#include "framework/G_WINDOW.h"

namespace game {

// The title menu ("Title"): play, options, players, "Buy" (always hidden)
// and exit, the current player's name, and the name question when there is
// no player. The logo leaves with it.
class SG_WINDOW_TITLE : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kPlayButton = 1,
    kOptionsButton = 2,
    kPlayersButton = 3,
    kBuyButton = 4,
    kExitButton = 5,
    kNamePlate = 6,
    kPlayerLabel = 10,
  };

  explicit SG_WINDOW_TITLE(const pugi::xml_node& element) : G_WINDOW(element) {}

  void on_open_begin() override;
  void on_close_started() override;
  // The buttons, only while the title stands open and the options window
  // is closed.
  void on_control(int widget_id) override;

  void update_player_label();
  void start_play();
  void open_options();
  void ask_exit();
  // The name question when there is no current player.
  void require_player();

 private:
  // With every player row taken, the players window instead, to choose one.
  void ask_player_name();
  // The first comic, marked as seen by the current player.
  void open_first_comic();
  // The title and its logo make way for the window. A window that is not
  // registered leaves the title standing: the player is never left without
  // a menu.
  bool leave_for(const char* window);
  friend void title_on_new_player_name(void* data, int ok, const std::wstring& name);
};

// Answers of the dialogs the title opens; data is the title window.
void title_on_exit_answer(void* data, int yes);
void title_on_new_player_name(void* data, int ok, const std::wstring& name);
bool title_validate_player_name(void* data, const std::wstring& name);

}  // namespace game
