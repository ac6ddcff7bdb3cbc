#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/gPlayer.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/KC_GUI_WLABEL.h"
#include "platform/KC_WINDOW.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "support/scripted_player.h"

namespace {

using test_support::SCRIPTED_PLAYER;

// The first start: the splashes skipped, then the name asked for at once;
// the new player's first comic, shown whole at a click and closed, leads
// to the main panel, whose back button leads to the title.
void first_start(SCRIPTED_PLAYER& p, const std::string& name) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.wait_open("Players_EditBox"));
  p.type(name);
  ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));
  ASSERT_TRUE(p.wait_closed("Players_EditBox"));
  ASSERT_TRUE(p.wait_open("WINDOW_COMICS1"));
  p.press_button(512, 384);
  ASSERT_TRUE(p.click("WINDOW_COMICS1", game::COMICS_WINDOW::kCloseButton));
  ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
  ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kBackButton));
  ASSERT_TRUE(p.wait_open("Title"));
}

// Open, and resting where it stands open: its move may go on a few frames
// after the window counts as open.
void wait_at_rest(SCRIPTED_PLAYER& p, const std::string& window) {
  ASSERT_TRUE(p.wait_open(window));
  const KOR_GF::G_WINDOW* owner = p.window(window);
  ASSERT_TRUE(p.wait_until(
      [owner] {
        return owner->placement().position.x == owner->shown().position.x &&
               owner->placement().position.y == owner->shown().position.y;
      },
      window + " at rest"));
}

// One step up the slider: a click on its end button.
void step_up(SCRIPTED_PLAYER& p, const std::string& window, unsigned id) {
  auto* slider = dynamic_cast<KOR::KC_GUI_SLIDER13*>(p.widget(window, id));
  ASSERT_NE(slider, nullptr);
  const KOR::KS_TRANSFORM3 world = slider->transform->world();
  const int x = int(world.position.x + slider->end_button().x);
  const int y = int(world.position.y + slider->end_button().y);
  p.press_button(x, y);
}

// The attribute of the named player in the saved players file; empty when
// there is no such player.
std::string saved(const SCRIPTED_PLAYER& p, const char* player, const char* attribute) {
  pugi::xml_document file;
  file.load_file((p.user_folder() / "players.xml").c_str());
  for (pugi::xml_node node : file.child("Players").children("player")) {
    if (std::string(node.attribute("name").value()) == player) {
      return node.attribute(attribute).value();
    }
  }
  return {};
}

const KOR_GF::gPlayer& current() { return *KOR_GF::players_instance().current; }

// The volumes the sound manager holds, as the current player's 0..100. The
// tests share one desktop, and a game window without the focus is muted,
// which stores no volume: then the profile alone can be read.
void expect_volumes(float sound, float music) {
  EXPECT_EQ(current().sound_volume(), sound);
  EXPECT_EQ(current().music_volume(), music);
  const KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  if (sounds.is_muted()) return;
  EXPECT_FLOAT_EQ(sounds.sound_volume(), sound / 100.0f);
  EXPECT_FLOAT_EQ(sounds.music_volume(), music / 100.0f);
}

TEST(menus_e2e, OptionsChangeTheVolumesLiveCancelPutsThemBackAndOkSaves) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    first_start(p, "Ada");
    EXPECT_EQ(saved(p, "Ada", "sound_volume"), "50");

    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton));
    wait_at_rest(p, "Options");
    step_up(p, "Options", 9);
    step_up(p, "Options", 10);
    expect_volumes(55.0f, 55.0f);  // at once, one step of 5 each
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kCancelButton));
    ASSERT_TRUE(p.wait_closed("Options"));
    expect_volumes(50.0f, 50.0f);
    EXPECT_EQ(saved(p, "Ada", "sound_volume"), "50") << "cancel saves nothing";

    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton));
    wait_at_rest(p, "Options");
    step_up(p, "Options", 9);
    expect_volumes(55.0f, 50.0f);
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kOkButton));
    ASSERT_TRUE(p.wait_closed("Options"));
    EXPECT_EQ(saved(p, "Ada", "sound_volume"), "55");

    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kExitButton));
    wait_at_rest(p, "Confirm_Exit");
    ASSERT_TRUE(p.click("Confirm_Exit", KOR_GF::G_WINDOW_CONFIRM::kYesButton));
    EXPECT_EQ(KOR::engine_game->running, 0) << "yes ends the run";
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(saved(player, "Ada", "music_volume"), "50");
}

// On the real device: each switch resets the GL device in the window's new
// mode, which the null device would pass over.
TEST(menus_e2e, TheFullScreenAndPointerBoxesSwitchAndSwitchBack) {
  SCRIPTED_PLAYER player;
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    first_start(p, "Ada");
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton));
    wait_at_rest(p, "Options");
    const uint8_t full_at_start = KOR::engine_window->full_screen;
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kFullScreenBox));
    EXPECT_NE(KOR::engine_window->full_screen, full_at_start);
    // The desktop settles the new mode over a few frames, as a person
    // waits for it.
    p.frames(10);
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kFullScreenBox));
    EXPECT_EQ(KOR::engine_window->full_screen, full_at_start);
    p.frames(10);

    const bool custom_at_start = game::game_instance().cursor.visible();
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kGameCursorBox));
    EXPECT_NE(game::game_instance().cursor.visible(), custom_at_start);
    EXPECT_EQ(KOR::engine_window->cursor_shown() != 0, custom_at_start)
        << "the system's pointer shows exactly when the game's does not";
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kGameCursorBox));
    EXPECT_EQ(game::game_instance().cursor.visible(), custom_at_start);
    EXPECT_EQ(KOR::engine_window->cursor_shown() != 0, !custom_at_start);
    ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kOkButton));
  });
  EXPECT_EQ(status, 0);
}

TEST(menus_e2e, PlayersAreAddedChosenAndDeletedWithAQuestion) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    first_start(p, "Ada");
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayersButton));
    wait_at_rest(p, "Players");
    ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kNewPlayerButton));
    ASSERT_TRUE(p.wait_open("Players_EditBox"));
    p.type("Ada");
    auto* ok = dynamic_cast<KOR::KC_GUI_BUTTON5*>(p.widget("Players_EditBox", 3));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->state, KOR::KC_GUI_BUTTON5::DISABLED) << "a name that exists";
    for (int i = 0; i < 3; ++i) p.press_key(8);
    p.type("Bo");
    ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));
    ASSERT_TRUE(p.wait_closed("Players_EditBox"));
    auto* list = dynamic_cast<KOR::KC_GUI_LISTBOX*>(p.widget("Players", 4));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->item_count(), 2);
    EXPECT_EQ(*list->selected_text(), L"Bo");
    EXPECT_EQ(saved(p, "Bo", "name"), "Bo");

    ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kFirstDeleteButton));
    ASSERT_TRUE(p.wait_open("Players_Confirm_Del"));
    auto* question = dynamic_cast<KOR::KC_GUI_WLABEL*>(p.widget("Players_Confirm_Del", 2));
    ASSERT_NE(question, nullptr);
    EXPECT_NE(question->text.find(L"Ada"), std::wstring::npos);
    ASSERT_TRUE(p.click("Players_Confirm_Del", game::SG_WINDOW_CONFIRM_EX::kYesButton));
    ASSERT_TRUE(p.wait_closed("Players_Confirm_Del"));
    EXPECT_EQ(list->item_count(), 1);
    EXPECT_EQ(*list->selected_text(), L"Bo");
    EXPECT_EQ(saved(p, "Ada", "name"), "") << "gone from the players file";
    EXPECT_EQ(KOR_GF::players_instance().current, nullptr);

    ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kOkButton));
    ASSERT_TRUE(p.wait_open("Title"));
    ASSERT_NE(KOR_GF::players_instance().current, nullptr);
    EXPECT_EQ(KOR_GF::players_instance().current->name(), L"Bo");
    auto* plate = dynamic_cast<KOR::KC_GUI_WLABEL*>(p.widget("Title", 10));
    EXPECT_EQ(plate->text, L"Bo");
  });
  EXPECT_EQ(status, 0);
  pugi::xml_document file;
  ASSERT_TRUE(file.load_file((player.user_folder() / "players.xml").c_str()));
  EXPECT_STREQ(file.child("Players").attribute("current").value(), "Bo");
}

}  // namespace
