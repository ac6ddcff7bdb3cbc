#include "shell/SG_WINDOW_TITLE.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"

namespace {

using game::SG_WINDOW_TITLE;
using KOR::KC_GUI_BUTTON5;
using KOR_GF::G_WINDOW_EDITBOX;

class Title : public ::testing::Test {
 protected:
  // The title windows as the application shows them.
  SG_WINDOW_TITLE* show_title() {
    game::game_instance().show_title();
    scene.settle();
    return dynamic_cast<SG_WINDOW_TITLE*>(scene.manager.find("Title"));
  }
  G_WINDOW_EDITBOX* name_box() {
    return dynamic_cast<G_WINDOW_EDITBOX*>(scene.manager.find_open("Players_EditBox"));
  }
  // Types the name into the open name box and answers with OK (3) or
  // cancel (4).
  void answer_name(const std::wstring& name, int button) {
    G_WINDOW_EDITBOX* box = name_box();
    ASSERT_NE(box, nullptr);
    box->line_box()->set_text(name);
    box->finish(button);
    scene.settle();
  }
  std::wstring player_label(SG_WINDOW_TITLE* title) {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(title->gui()->find(SG_WINDOW_TITLE::kPlayerLabel))
        ->text;
  }
  KC_GUI_BUTTON5* button(SG_WINDOW_TITLE* title, unsigned int id) {
    return dynamic_cast<KC_GUI_BUTTON5*>(title->gui()->find(id));
  }

  shell_test::MENU_SCENE scene;
};

TEST_F(Title, EveryOpeningShowsThePlayerAndHidesTheBuyButton) {
  scene.add_player(L"Ann", true);
  SG_WINDOW_TITLE* title = show_title();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(player_label(title), L"Ann");
  EXPECT_EQ(button(title, 4)->state, KC_GUI_BUTTON5::DISABLED);
  EXPECT_EQ(button(title, 4)->visible, 0);
  EXPECT_EQ(button(title, 5)->state, KC_GUI_BUTTON5::NORMAL);
  EXPECT_EQ(button(title, 5)->visible, 1);
  EXPECT_EQ(title->gui()->find(SG_WINDOW_TITLE::kNamePlate)->enabled, 0);
  EXPECT_EQ(title->gui()->find(SG_WINDOW_TITLE::kNamePlate)->visible, 1);
  EXPECT_FALSE(scene.is_open("Players_EditBox"));

  scene.players().current = nullptr;
  title->close();
  EXPECT_FALSE(scene.is_open("Logo")) << "the logo leaves with the title";
  scene.settle();
  scene.manager.show("Title");
  EXPECT_EQ(player_label(title), L"");
}

TEST_F(Title, ButtonsWaitForTheTitleAndTheClosedOptions) {
  scene.add_player(L"Ann", true);
  auto* title = dynamic_cast<SG_WINDOW_TITLE*>(scene.manager.show("Title"));
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_FALSE(scene.is_open("Players")) << "still fading in";
  scene.settle();

  KOR_GF::G_WINDOW* options = scene.manager.show("Options");
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_FALSE(scene.is_open("Players")) << "options opening";
  scene.settle();
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_FALSE(scene.is_open("Players")) << "options open";
  options->close();
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_FALSE(scene.is_open("Players")) << "options closing";
  scene.settle();

  title->on_control(0);
  title->on_control(SG_WINDOW_TITLE::kNamePlate);
  EXPECT_EQ(title->state(), KOR_GF::WINDOW_OPENED);
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_TRUE(scene.is_open("Players"));
  EXPECT_FALSE(title->is_open());
}

// Windows of later menus missing from the list: the title keeps working and
// stays where the road onward is not there.
class ShortTitle : public Title {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bare.load_list("xml/Windows menus_short.xml"));
    game::game_instance().windows = &bare;
  }
  void TearDown() override { game::game_instance().windows = &scene.manager; }
  SG_WINDOW_TITLE* open_title() {
    auto* title = dynamic_cast<SG_WINDOW_TITLE*>(bare.show("Title"));
    bare.show("Logo");
    for (int i = 0; i < 4; ++i) bare.update();
    return title;
  }

  KOR_GF::G_WINDOW_MANAGER bare{&shell_test::menu_factory};
};

TEST_F(ShortTitle, WithoutTheOptionsWindowTheButtonsStillWork) {
  scene.add_player(L"Ann", true);
  SG_WINDOW_TITLE* title = open_title();
  ASSERT_NE(title, nullptr);
  title->on_control(SG_WINDOW_TITLE::kOptionsButton);
  title->on_control(SG_WINDOW_TITLE::kPlayersButton);
  EXPECT_TRUE(bare.is_open("Players"));
}

TEST_F(ShortTitle, WithoutTheRoadOnwardTheTitleStays) {
  SG_WINDOW_TITLE* title = open_title();
  title->require_player();
  auto* box = dynamic_cast<G_WINDOW_EDITBOX*>(bare.find_open("Players_EditBox"));
  ASSERT_NE(box, nullptr);
  box->line_box()->set_text(L"Ann");
  box->finish(3);
  auto* ann = dynamic_cast<game::gPlayer_Flumo*>(scene.players().current);
  ASSERT_NE(ann, nullptr);
  EXPECT_TRUE(title->is_open());
  EXPECT_TRUE(bare.find_open("Logo")->is_open());
  EXPECT_EQ(player_label(title), L"Ann");
  EXPECT_EQ(ann->lastComicsShowed, 0) << "the first comic is still to come";

  for (int i = 0; i < 4; ++i) bare.update();
  title->on_control(SG_WINDOW_TITLE::kPlayButton);
  EXPECT_TRUE(title->is_open());
  ann->lastComicsShowed = 1;
  title->on_control(SG_WINDOW_TITLE::kPlayButton);
  EXPECT_TRUE(title->is_open());
}

TEST_F(Title, AFirstStartAsksForANameUntilOneIsGiven) {
  SG_WINDOW_TITLE* title = show_title();
  ASSERT_NE(name_box(), nullptr);
  answer_name(L"Ann", 4);
  EXPECT_TRUE(title->is_open());
  EXPECT_EQ(player_label(title), L"");
  EXPECT_EQ(scene.players().current, nullptr);

  title->on_control(SG_WINDOW_TITLE::kPlayButton);
  scene.settle();
  ASSERT_NE(name_box(), nullptr) << "play asks again";
  answer_name(L"Ann", 3);
  auto* ann = dynamic_cast<game::gPlayer_Flumo*>(scene.players().current);
  ASSERT_NE(ann, nullptr);
  EXPECT_EQ(ann->name(), L"Ann");
  EXPECT_EQ(ann->lastComicsShowed, 1);
  EXPECT_TRUE(scene.is_open("WINDOW_COMICS1"));
  EXPECT_FALSE(title->is_open());
  EXPECT_FALSE(scene.is_open("Logo"));
  pugi::xml_document saved;
  ASSERT_TRUE(saved.load_file(scene.players_file().c_str()));
  EXPECT_STREQ(saved.child("Players").attribute("current").as_string(), "Ann")
      << "the saved file names the new player current";
}

TEST_F(Title, TakenNamesAreRefused) {
  scene.add_player(L"Ann");
  EXPECT_FALSE(game::title_validate_player_name(nullptr, L"Ann"));
  EXPECT_TRUE(game::title_validate_player_name(nullptr, L"ann"));
  EXPECT_TRUE(game::title_validate_player_name(nullptr, L"Ann "));
  // A name of blanks alone would show as no name at all.
  EXPECT_FALSE(game::title_validate_player_name(nullptr, L"   "));
  EXPECT_FALSE(game::title_validate_player_name(nullptr, L" \t"));
  EXPECT_TRUE(game::title_validate_player_name(nullptr, L" a "));

  // Should a refused name get through all the same, nothing is made.
  SG_WINDOW_TITLE* title = show_title();
  game::title_on_new_player_name(title, 1, L"Ann");
  game::title_on_new_player_name(title, 1, L"  ");
  EXPECT_EQ(scene.players().players.size(), 1u);
  EXPECT_EQ(scene.players().current, nullptr);
  EXPECT_TRUE(title->is_open());
}

TEST_F(Title, AReturningPlayerGoesStraightToTheMainPanel) {
  scene.add_player(L"Ann", true)->lastComicsShowed = 2;
  SG_WINDOW_TITLE* title = show_title();
  title->on_control(SG_WINDOW_TITLE::kPlayButton);
  EXPECT_TRUE(scene.is_open("WINDOW_MAIN_PANEL"));
  EXPECT_FALSE(scene.is_open("WINDOW_COMICS1"));
  EXPECT_FALSE(title->is_open());
  EXPECT_FALSE(scene.is_open("Logo"));
}

TEST_F(Title, AFreshPlayerSeesTheFirstComic) {
  game::gPlayer_Flumo* ann = scene.add_player(L"Ann", true);
  show_title()->on_control(SG_WINDOW_TITLE::kPlayButton);
  EXPECT_TRUE(scene.is_open("WINDOW_COMICS1"));
  EXPECT_EQ(ann->lastComicsShowed, 1);
}

TEST_F(Title, WithEveryPlayerRowTakenThePlayersWindowReplacesTheNameQuestion) {
  for (const wchar_t* name : {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H"}) {
    scene.add_player(name);
  }
  SG_WINDOW_TITLE* title = show_title();
  EXPECT_FALSE(scene.is_open("Players_EditBox"));
  EXPECT_TRUE(scene.is_open("Players"));
  EXPECT_FALSE(title->is_open());
  // A name that still reaches the title makes no ninth player.
  game::title_on_new_player_name(title, 1, L"I");
  EXPECT_EQ(scene.players().players.size(), 8u);
}

TEST_F(Title, ExitAsksAndOnlyYesEndsTheRun) {
  scene.add_player(L"Ann", true);
  SG_WINDOW_TITLE* title = show_title();
  scene.game.running = 1;
  title->on_control(SG_WINDOW_TITLE::kExitButton);
  KOR_GF::G_WINDOW* question = scene.manager.find_open("Confirm_Exit");
  ASSERT_NE(question, nullptr);
  question->on_control(KOR_GF::G_WINDOW_CONFIRM::kNoButton);
  scene.settle();
  EXPECT_EQ(scene.game.running, 1);
  EXPECT_TRUE(title->is_open());

  title->on_control(SG_WINDOW_TITLE::kExitButton);
  question->on_control(KOR_GF::G_WINDOW_CONFIRM::kYesButton);
  EXPECT_EQ(scene.game.running, 0);
}

}  // namespace
