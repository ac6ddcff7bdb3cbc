#pragma once

#include <map>
#include <string>

#include "framework/G_WINDOW.h"

namespace KOR {
class KC_GUI_BUTTON5;
class KC_GUI_LISTBOX;
}  // namespace KOR

namespace KOR_GF {
class gPlayer;
}

namespace game {

// The players window shows one row per player, each with a delete button;
// no more players than rows are ever made.
constexpr int kPlayerRows = 8;
// Every player row is taken.
bool players_full();
// A name a new player may take: it shows a character other than a blank,
// and no player has exactly this name yet.
bool player_name_free(const std::wstring& name);
// The new player, added to the registry; null when the name is not free or
// every row is taken.
KOR_GF::gPlayer* create_player(const std::wstring& name);

// The players window ("Players"): the list of player names with a delete
// button per row, a new-player button in the first free row, and OK, which
// makes the selected player current and goes back to the title.
class SG_WINDOW_PLAYERS : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kPlayerList = 4,
    kNewPlayerButton = 5,
    kOkButton = 8,
    kFirstDeleteButton = 11,
    kLastDeleteButton = kFirstDeleteButton + kPlayerRows - 1,
  };

  explicit SG_WINDOW_PLAYERS(const pugi::xml_node& element);

  void on_open_started() override;
  void on_closed() override;
  // A release on a delete or the new-player button counts for that button
  // even when the list under it reported it.
  void on_control(int widget_id) override;

  void bind_controls();
  // Delete buttons of the filled rows shown, the new-player button moved to
  // the first free row (off screen when every row is filled).
  void layout_rows();
  void rebuild_list();
  // The current player's row, or the first row without a current player.
  bool select_current();
  bool select_name(const std::wstring& name);
  void ask_new_player();
  // False when the name is taken or every row is filled. The new player is
  // selected, not made current.
  bool add_player(const std::wstring& name);
  void choose();
  void ask_delete(int row);
  bool delete_player(const std::wstring& name);
  // Empty when nothing is selected.
  std::wstring selected_name() const;

  KOR::KC_GUI_LISTBOX* list() const { return list_; }
  KOR::KC_GUI_BUTTON5* new_button() const { return new_button_; }
  // Null for a missing row button.
  KOR::KC_GUI_BUTTON5* row_button(int id) const;

 private:
  bool pointer_on(KOR::KC_GUI_BUTTON5* button) const;
  friend void players_on_delete_answer(void* data, int yes);

  int delete_row_ = 0;
  KOR::KC_GUI_LISTBOX* list_ = nullptr;
  KOR::KC_GUI_BUTTON5* new_button_ = nullptr;
  std::map<int, KOR::KC_GUI_BUTTON5*> row_buttons_;  // ids 11..18, the window's widgets
};

bool players_validate_player_name(void* data, const std::wstring& name);
void players_on_new_player_name(void* data, int ok, const std::wstring& name);
void players_on_delete_answer(void* data, int yes);

}  // namespace game
