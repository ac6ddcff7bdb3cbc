#include "shell/SG_WINDOW_PLAYERS.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/gPlayer.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "platform/KC_INPUT.h"
#include "shell/CGame_App.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/game_info.h"

namespace game {

namespace {

using KOR::KC_GUI_BUTTON5;

// Where the new-player button waits while every row is filled.
constexpr float kParked = -500.0f;

void show_button(KC_GUI_BUTTON5* button, bool shown) {
  if (shown) {
    button->enable();
  } else {
    button->disable();
  }
  button->set_visible(shown ? 1 : 0);
}

}  // namespace

bool players_full() {
  return KOR_GF::players_instance().players.size() >= static_cast<size_t>(kPlayerRows);
}

bool player_name_free(const std::wstring& name) {
  return name.find_first_not_of(L" \t") != std::wstring::npos &&
         KOR_GF::players_instance().find(name) == nullptr;
}

KOR_GF::gPlayer* create_player(const std::wstring& name) {
  if (players_full() || !player_name_free(name)) return nullptr;
  return KOR_GF::players_create(name);
}

SG_WINDOW_PLAYERS::SG_WINDOW_PLAYERS(const pugi::xml_node& element) : G_WINDOW(element) {
  bind_controls();
}

void SG_WINDOW_PLAYERS::bind_controls() {
  new_button_ = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kNewPlayerButton));
  for (int id = kFirstDeleteButton; id <= kLastDeleteButton; ++id) {
    row_buttons_[id] = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(static_cast<unsigned>(id)));
  }
  list_ = dynamic_cast<KOR::KC_GUI_LISTBOX*>(gui()->find(kPlayerList));
  layout_rows();
}

KC_GUI_BUTTON5* SG_WINDOW_PLAYERS::row_button(int id) const {
  const auto found = row_buttons_.find(id);
  return found != row_buttons_.end() ? found->second : nullptr;
}

void SG_WINDOW_PLAYERS::layout_rows() {
  const int filled = list_ != nullptr ? list_->item_count() : 0;
  float x = kParked;
  float y = kParked;
  for (const auto& [id, button] : row_buttons_) {
    if (button == nullptr) continue;
    show_button(button, id < kFirstDeleteButton + filled);
    if (id == kFirstDeleteButton + filled) {
      x = button->transform->position.x;
      y = button->transform->position.y;
    }
  }
  if (new_button_ == nullptr) return;
  new_button_->set_position(x, y, 0.0f);
  show_button(new_button_, filled < kPlayerRows);
}

void SG_WINDOW_PLAYERS::rebuild_list() {
  if (list_ != nullptr) {
    list_->clear();
    // Only as many names as there are rows with a delete button.
    int rows = 0;
    for (const std::wstring& name : KOR_GF::players_instance().names()) {
      if (rows++ == kPlayerRows) break;
      list_->add_item_w(name);
    }
  }
  layout_rows();
}

bool SG_WINDOW_PLAYERS::select_current() {
  const KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
  if (list_ == nullptr || players.players.empty()) return false;
  list_->select_text(players.current != nullptr ? players.current->name() : list_->item_text(0));
  return true;
}

bool SG_WINDOW_PLAYERS::select_name(const std::wstring& name) {
  if (list_ == nullptr) return false;
  list_->select_text(name);
  return true;
}

std::wstring SG_WINDOW_PLAYERS::selected_name() const {
  const std::wstring* selected = list_ != nullptr ? list_->selected_text() : nullptr;
  return selected != nullptr ? *selected : std::wstring();
}

void SG_WINDOW_PLAYERS::on_open_started() {
  rebuild_list();
  select_current();
  KOR_GF::play_once("sound_gui_window");
}

void SG_WINDOW_PLAYERS::on_closed() { game_instance().show_title(); }

bool SG_WINDOW_PLAYERS::pointer_on(KC_GUI_BUTTON5* button) const {
  const KOR::KC_INPUT* input = KOR::KC_INPUT::instance;
  if (button == nullptr || input == nullptr || !button->visible ||
      button->state == KC_GUI_BUTTON5::DISABLED) {
    return false;
  }
  const float x = shown().position.x + button->transform->position.x;
  const float y = shown().position.y + button->transform->position.y;
  return std::fabs(static_cast<float>(input->pointer.x) - x) <= button->width() / 2 &&
         std::fabs(static_cast<float>(input->pointer.y) - y) <= button->height() / 2;
}

void SG_WINDOW_PLAYERS::on_control(int widget_id) {
  if (pointer_on(new_button_)) widget_id = kNewPlayerButton;
  for (const auto& [id, button] : row_buttons_) {
    if (pointer_on(button)) {
      widget_id = id;
      break;
    }
  }
  if (widget_id == kNewPlayerButton) {
    KOR_GF::play_once("sound_button_click");
    ask_new_player();
    KOR_GF::play_once("sound_gui_window");
  } else if (widget_id == kOkButton) {
    KOR_GF::play_once("sound_button_click");
    choose();
    KOR_GF::play_once("sound_gui_window");
  } else if (widget_id >= kFirstDeleteButton && widget_id <= kLastDeleteButton) {
    KOR_GF::play_once("sound_button_click");
    ask_delete(widget_id - kFirstDeleteButton);
  }
}

void SG_WINDOW_PLAYERS::ask_new_player() {
  auto* box = dynamic_cast<KOR_GF::G_WINDOW_EDITBOX*>(windows().show("Players_EditBox"));
  if (box == nullptr) return;
  box->set_result_callback(&players_on_new_player_name, this);
  box->set_validator(&players_validate_player_name, this);
}

bool SG_WINDOW_PLAYERS::add_player(const std::wstring& name) {
  if (create_player(name) == nullptr) return false;
  rebuild_list();
  select_name(name);
  game_instance().save_players();
  return true;
}

void SG_WINDOW_PLAYERS::choose() {
  close();
  // Without a choice the current player stays, with its own settings.
  KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
  KOR_GF::gPlayer* chosen = players.find(selected_name());
  apply_player_settings(chosen != nullptr ? chosen : players.current);
  game_instance().save_players();
}

void SG_WINDOW_PLAYERS::ask_delete(int row) {
  if (list_ == nullptr) return;
  delete_row_ = row;
  const std::wstring name = list_->item_text(row);
  auto* question = dynamic_cast<SG_WINDOW_CONFIRM_EX*>(windows().show("Players_Confirm_Del"));
  if (question == nullptr) return;
  question->set_callback(&players_on_delete_answer, this);
  question->set_name_text(name);
}

bool SG_WINDOW_PLAYERS::delete_player(const std::wstring& name) {
  KOR_GF::players_instance().remove(name);
  rebuild_list();
  select_current();
  game_instance().save_players();
  return true;
}

bool players_validate_player_name(void*, const std::wstring& name) {
  return player_name_free(name);
}

void players_on_new_player_name(void* data, int ok, const std::wstring& name) {
  if (data != nullptr && ok) static_cast<SG_WINDOW_PLAYERS*>(data)->add_player(name);
}

void players_on_delete_answer(void* data, int yes) {
  auto* window = static_cast<SG_WINDOW_PLAYERS*>(data);
  if (window == nullptr || !yes || window->list_ == nullptr) return;
  KOR::KC_GUI_LISTBOX& list = *window->list_;
  const std::wstring selected = window->selected_name();
  if (window->delete_row_ < 0 || window->delete_row_ >= list.item_count()) return;
  const std::wstring deleted = list.item_text(window->delete_row_);
  window->delete_player(deleted);
  if (deleted == selected && list.item_count() > 0) {
    list.select_text(list.item_text(0));
  } else {
    list.select_text(selected);
  }
}

}  // namespace game
