#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e_game.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "support/level_player.h"

// Every button of the menus takes a press at its drawn top, middle and
// bottom, whichever way the player reached the menu and whether the pointer
// jumps onto the button in one step or moves in over its edge. A press that
// the button under the pointer does not take, or that another button takes,
// is a click lost or a click on something not under the pointer.

namespace {

using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// The windows whose buttons a player clicks to find their way.
const char* const kMenuWindows[] = {"Title",         "WINDOW_MAIN_PANEL", "WINDOW_WORLDS",
                                    "WINDOW_LEVELS", "WINDOW_SHOP",       "WINDOW_TROPHIES"};

// The lower left corner: no menu draws a button there.
constexpr int kAside[2] = {2, 760};

enum class POINTER { JUMP, MOVE_IN };
enum class EDGE { TOP, MIDDLE, BOTTOM };

struct BUTTON_AT {
  std::string window;
  unsigned id;
};

bool shown_and_enabled(const KOR::KC_GUI_OBJECT& widget) {
  for (const KOR::KC_GUI_OBJECT* w = &widget; w != nullptr; w = w->parent) {
    if (!w->visible || !w->enabled) return false;
  }
  return true;
}

void collect_buttons(KOR::KC_GUI_OBJECT& widget, const std::string& window,
                     std::vector<BUTTON_AT>* found) {
  auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(&widget);
  // A selected or disabled button takes no clicks by design.
  if (button != nullptr && shown_and_enabled(*button) &&
      button->state == KOR::KC_GUI_BUTTON5::NORMAL && button->width() > 0.0f) {
    found->push_back({window, button->id()});
  }
  for (KOR::KC_GUI_OBJECT* child : widget.children) collect_buttons(*child, window, found);
}

// The clickable buttons of the menu windows that stand open.
std::vector<BUTTON_AT> menu_buttons(const SCRIPTED_PLAYER& p) {
  std::vector<BUTTON_AT> found;
  for (const char* name : kMenuWindows) {
    KOR_GF::G_WINDOW* window = p.window(name);
    if (window != nullptr && p.is_open(name) && window->state() == KOR_GF::WINDOW_OPENED) {
      collect_buttons(*window->gui()->root, name, &found);
    }
  }
  return found;
}

void pressed_buttons(KOR::KC_GUI_OBJECT& widget, std::vector<const KOR::KC_GUI_OBJECT*>* found) {
  auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(&widget);
  if (button != nullptr && button->state == KOR::KC_GUI_BUTTON5::PRESSED) found->push_back(button);
  for (KOR::KC_GUI_OBJECT* child : widget.children) pressed_buttons(*child, found);
}

// Every pressed button of every open window, as "window/id".
std::string pressed_anywhere() {
  std::string names;
  for (KOR_GF::G_WINDOW* window : game::window_manager_instance().open_stack()) {
    std::vector<const KOR::KC_GUI_OBJECT*> pressed;
    pressed_buttons(*window->gui()->root, &pressed);
    for (const KOR::KC_GUI_OBJECT* b : pressed) {
      names += " " + window->name() + "/" + std::to_string(b->id());
    }
  }
  return names.empty() ? " none" : names;
}

const char* edge_name(EDGE edge) {
  return edge == EDGE::TOP ? "top" : edge == EDGE::MIDDLE ? "middle" : "bottom";
}

// Presses the left button on the button's drawn edge, checks that this
// button and no other took the press, then takes the pointer away before
// letting go, so the press comes to nothing and the menu stays as it is.
void press_at(SCRIPTED_PLAYER& p, const BUTTON_AT& at, EDGE edge, POINTER how,
              const std::string& arrival) {
  auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(p.widget(at.window, at.id));
  ASSERT_NE(button, nullptr) << at.window << "/" << at.id;
  const e2e::RECT r = e2e::widget_rect(*button);
  const int x = int((r.left + r.right) / 2.0f);
  const int y = edge == EDGE::TOP      ? int(r.top) + 2
                : edge == EDGE::BOTTOM ? int(r.bottom) - 2
                                       : int((r.top + r.bottom) / 2.0f);
  if (how == POINTER::MOVE_IN) {
    // In from outside the button, across the edge aimed at (from the left
    // for the middle), in steps of a hand's pace.
    const int dx = edge == EDGE::MIDDLE ? -1 : 0;
    const int dy = edge == EDGE::TOP ? -1 : edge == EDGE::BOTTOM ? 1 : 0;
    for (int step = 32; step > 0; step -= 8) p.move_pointer(x + dx * step, y + dy * step);
  }
  p.move_pointer(x, y);
  p.left_down();
  EXPECT_EQ(button->state, KOR::KC_GUI_BUTTON5::PRESSED)
      << at.window << "/" << at.id << " at its " << edge_name(edge) << " (" << x << ", " << y
      << "), pointer " << (how == POINTER::JUMP ? "jumping on" : "moving in") << ", after "
      << arrival << ": the press went to" << pressed_anywhere();
  std::vector<const KOR::KC_GUI_OBJECT*> pressed;
  for (KOR_GF::G_WINDOW* window : game::window_manager_instance().open_stack()) {
    pressed_buttons(*window->gui()->root, &pressed);
  }
  EXPECT_LE(pressed.size(), 1u) << "one press, taken by" << pressed_anywhere() << " after "
                                << arrival;
  p.move_pointer(kAside[0], kAside[1]);
  p.left_up();
}

// A way of reaching a menu from that menu, as a player goes and comes back.
struct ARRIVAL {
  const char* name;
  // The game at the menu before the first arrival.
  std::function<void(SCRIPTED_PLAYER&)> setup;
  std::function<void(SCRIPTED_PLAYER&)> arrive;
};

void at_title(SCRIPTED_PLAYER& p) { ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title")); }

void main_panel_on(SCRIPTED_PLAYER& p, const char* tab) {
  ASSERT_TRUE(p.wait_open("WINDOW_MAIN_PANEL"));
  ASSERT_TRUE(p.wait_open(tab));
  ASSERT_TRUE(p.wait_closed("Title"));
}

void at_main_panel(SCRIPTED_PLAYER& p) {
  at_title(p);
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
  ASSERT_NO_FATAL_FAILURE(main_panel_on(p, "WINDOW_WORLDS"));
}

void at_levels(SCRIPTED_PLAYER& p) {
  at_main_panel(p);
  ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
  ASSERT_NO_FATAL_FAILURE(main_panel_on(p, "WINDOW_LEVELS"));
}

// Level 1 chosen, paused, and left for the main panel.
void through_a_level(SCRIPTED_PLAYER& p) {
  ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
  ASSERT_TRUE(p.wait_until([] { return LEVEL_PLAYER::scene() != nullptr; }, "level 1 started"));
  LEVEL_PLAYER level(p);
  ASSERT_TRUE(level.wait_board_still());
  ASSERT_TRUE(level.click_hud("HUD_PAUSE", game::HUD_BUTTON_PAUSE::kPauseButton));
  ASSERT_TRUE(p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kMenuButton));
  ASSERT_NO_FATAL_FAILURE(main_panel_on(p, "WINDOW_LEVELS"));
}

void to_title_and_back(SCRIPTED_PLAYER& p, unsigned button, const char* window, unsigned back) {
  ASSERT_TRUE(p.click("Title", button));
  ASSERT_TRUE(p.wait_open(window));
  ASSERT_TRUE(p.click(window, back));
  ASSERT_TRUE(p.wait_closed(window));
  ASSERT_TRUE(p.wait_open("Title"));
  ASSERT_TRUE(p.wait_closed("WINDOW_MAIN_PANEL"));
}

const ARRIVAL kArrivals[] = {
    {"the first start", at_title, [](SCRIPTED_PLAYER&) {}},
    {"the title back from the main panel", at_title,
     [](SCRIPTED_PLAYER& p) {
       to_title_and_back(p, game::SG_WINDOW_TITLE::kPlayButton, "WINDOW_MAIN_PANEL", 8);
     }},
    {"the title back from a level", at_title,
     [](SCRIPTED_PLAYER& p) {
       ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
       ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
       ASSERT_NO_FATAL_FAILURE(through_a_level(p));
       ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kBackButton));
       ASSERT_TRUE(p.wait_open("Title"));
       ASSERT_TRUE(p.wait_closed("WINDOW_MAIN_PANEL"));
     }},
    {"the title back from the options", at_title,
     [](SCRIPTED_PLAYER& p) {
       to_title_and_back(p, game::SG_WINDOW_TITLE::kOptionsButton, "Options",
                         game::SG_WINDOW_OPTIONS::kCancelButton);
     }},
    {"the title back from the players", at_title,
     [](SCRIPTED_PLAYER& p) {
       to_title_and_back(p, game::SG_WINDOW_TITLE::kPlayersButton, "Players",
                         game::SG_WINDOW_PLAYERS::kOkButton);
     }},
    {"the title back from the exit question", at_title,
     [](SCRIPTED_PLAYER& p) {
       to_title_and_back(p, game::SG_WINDOW_TITLE::kExitButton, "Confirm_Exit",
                         KOR_GF::G_WINDOW_CONFIRM::kNoButton);
     }},
    {"the main panel at its first opening", at_main_panel, [](SCRIPTED_PLAYER&) {}},
    {"the main panel back from the title", at_main_panel,
     [](SCRIPTED_PLAYER& p) {
       ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kBackButton));
       ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
       ASSERT_NO_FATAL_FAILURE(main_panel_on(p, "WINDOW_WORLDS"));
     }},
    {"the main panel back from a level", at_levels, through_a_level},
    {"the main panel back from the comic", at_levels,
     [](SCRIPTED_PLAYER& p) {
       // The pack band above the levels shows the world's comic again.
       KOR::KC_GUI_OBJECT* band = p.widget("WINDOW_LEVELS", 31);
       ASSERT_NE(band, nullptr);
       const e2e::RECT r = e2e::widget_rect(*band);
       p.press_button(int((r.left + r.right) / 2.0f), int((r.top + r.bottom) / 2.0f));
       ASSERT_TRUE(p.wait_open("WINDOW_COMICS1"));
       p.press_button(512, 384);
       ASSERT_TRUE(p.click("WINDOW_COMICS1", game::COMICS_WINDOW::kCloseButton));
       ASSERT_TRUE(p.wait_closed("WINDOW_COMICS1"));
     }},
};

class MenuButtons : public ::testing::TestWithParam<int> {};

// A fresh arrival before every press: what the way there left behind shows
// only at the first pointer move after it. The first start happens once,
// so there the presses follow one another.
TEST_P(MenuButtons, TakeAPressOnEveryEdgeWhereTheyAreDrawn) {
  const ARRIVAL& arrival = kArrivals[GetParam()];
  SCRIPTED_PLAYER player;
  // Hit areas and input are the same without a picture.
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([&arrival](SCRIPTED_PLAYER& p) {
    ASSERT_NO_FATAL_FAILURE(arrival.setup(p));
    const std::vector<BUTTON_AT> buttons = menu_buttons(p);
    ASSERT_FALSE(buttons.empty());
    for (const POINTER how : {POINTER::JUMP, POINTER::MOVE_IN}) {
      for (const BUTTON_AT& at : buttons) {
        for (const EDGE edge : {EDGE::TOP, EDGE::MIDDLE, EDGE::BOTTOM}) {
          ASSERT_NO_FATAL_FAILURE(arrival.arrive(p));
          ASSERT_NO_FATAL_FAILURE(press_at(p, at, edge, how, arrival.name));
        }
      }
    }
  });
  EXPECT_EQ(status, 0);
}

std::string arrival_name(const ::testing::TestParamInfo<int>& info) {
  std::string name;
  bool upper = true;
  for (const char c : std::string(kArrivals[info.param].name)) {
    if (c == ' ') {
      upper = true;
    } else {
      name += upper ? char(std::toupper(static_cast<unsigned char>(c))) : c;
      upper = false;
    }
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Arrivals, MenuButtons, ::testing::Range(0, int(std::size(kArrivals))),
                         arrival_name);

}  // namespace
