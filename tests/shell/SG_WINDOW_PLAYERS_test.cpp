#include "shell/SG_WINDOW_PLAYERS.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"

namespace {

using game::SG_WINDOW_CONFIRM_EX;
using game::SG_WINDOW_PLAYERS;
using KOR::KC_GUI_BUTTON5;

const std::vector<std::wstring> kEight = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H"};

// The fixture's players window stands at the screen centre with its delete
// buttons (12.8 × 32 once loaded) at x 662 and y 244 + 40 × row.
class Players : public ::testing::Test {
 protected:
  void add(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) scene.add_player(name);
  }
  SG_WINDOW_PLAYERS* open() {
    scene.manager.enable("Players");
    return scene.open<SG_WINDOW_PLAYERS>("Players");
  }
  static std::pair<float, float> place(const KC_GUI_BUTTON5* button) {
    return {button->transform->position.x, button->transform->position.y};
  }
  static bool shown(const KC_GUI_BUTTON5* button) {
    return button->visible != 0 && button->state == KC_GUI_BUTTON5::NORMAL;
  }
  std::wstring selected(const SG_WINDOW_PLAYERS* window) const { return window->selected_name(); }
  std::vector<std::wstring> rows(const SG_WINDOW_PLAYERS* window) const {
    std::vector<std::wstring> names;
    for (int i = 0; i < window->list()->item_count(); ++i) {
      names.push_back(window->list()->item_text(i));
    }
    return names;
  }
  // The question that opened for a delete button, answered yes or no.
  void answer_delete(bool yes) {
    auto* question =
        dynamic_cast<SG_WINDOW_CONFIRM_EX*>(scene.manager.find_open("Players_Confirm_Del"));
    ASSERT_NE(question, nullptr);
    question->on_control(yes ? SG_WINDOW_CONFIRM_EX::kYesButton : SG_WINDOW_CONFIRM_EX::kNoButton);
    scene.settle();
  }
  // A release the list reported, with the pointer at the point.
  void release_on_list(SG_WINDOW_PLAYERS* window, int x, int y) {
    scene.point(x, y);
    window->on_control(SG_WINDOW_PLAYERS::kPlayerList);
  }
  std::wstring question_text() {
    KOR_GF::G_WINDOW* question = scene.manager.find_open("Players_Confirm_Del");
    if (question == nullptr || !question->is_open()) return L"<no question>";
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(
               question->gui()->find(SG_WINDOW_CONFIRM_EX::kQuestionLabel))
        ->text;
  }

  shell_test::MENU_SCENE scene;
};

TEST_F(Players, EachFilledRowHasItsDeleteButtonAndTheNextOneTheNewButton) {
  struct CASE {
    size_t players;
    std::pair<float, float> new_place;
  };
  for (const CASE& c : {CASE{0, {150.0f, -140.0f}}, CASE{3, {150.0f, -20.0f}},
                        CASE{7, {150.0f, 140.0f}}, CASE{8, {-500.0f, -500.0f}}}) {
    for (const std::wstring& name : scene.players().names()) scene.players().remove(name);
    add(std::vector<std::wstring>(kEight.begin(), kEight.begin() + static_cast<long>(c.players)));
    SG_WINDOW_PLAYERS* window = open();
    ASSERT_NE(window, nullptr);
    for (int id = 11; id <= 18; ++id) {
      EXPECT_EQ(shown(window->row_button(id)), id < 11 + static_cast<int>(c.players))
          << c.players << " players, button " << id;
      EXPECT_EQ(window->row_button(id)->visible != 0, shown(window->row_button(id)));
    }
    EXPECT_EQ(place(window->new_button()), c.new_place) << c.players << " players";
    EXPECT_EQ(shown(window->new_button()), c.players < 8);
    EXPECT_EQ(window->new_button()->state == KC_GUI_BUTTON5::DISABLED, c.players == 8);
    window->close();
    scene.settle();
  }
}

TEST_F(Players, OpeningSelectsTheCurrentPlayerOrTheFirstRow) {
  add({L"Ann", L"Bo", L"Cy"});
  SG_WINDOW_PLAYERS* window = open();
  EXPECT_EQ(rows(window), (std::vector<std::wstring>{L"Ann", L"Bo", L"Cy"}));
  EXPECT_EQ(selected(window), L"Ann");
  window->close();
  scene.settle();
  scene.players().current = scene.players().find(L"Cy");
  scene.open<SG_WINDOW_PLAYERS>("Players");
  EXPECT_EQ(selected(window), L"Cy");
}

TEST_F(Players, ANewPlayerIsAddedSelectedAndSavedButNotMadeCurrent) {
  add({L"Ann"});
  scene.players().current = scene.players().find(L"Ann");
  SG_WINDOW_PLAYERS* window = open();
  window->on_control(SG_WINDOW_PLAYERS::kNewPlayerButton);
  auto* box = dynamic_cast<KOR_GF::G_WINDOW_EDITBOX*>(scene.manager.find_open("Players_EditBox"));
  ASSERT_NE(box, nullptr);
  scene.settle();
  box->line_box()->set_text(L"Bo");
  box->finish(3);
  EXPECT_EQ(rows(window), (std::vector<std::wstring>{L"Ann", L"Bo"}));
  EXPECT_EQ(selected(window), L"Bo");
  EXPECT_EQ(scene.players().current->name(), L"Ann");
  EXPECT_TRUE(std::filesystem::exists(scene.players_file()));

  EXPECT_FALSE(game::players_validate_player_name(window, L"Bo"));
  EXPECT_TRUE(game::players_validate_player_name(window, L"bo"));
  EXPECT_FALSE(game::players_validate_player_name(window, L"  "));
  EXPECT_FALSE(window->add_player(L"Ann"));
  EXPECT_FALSE(window->add_player(L" "));
  EXPECT_EQ(scene.players().players.size(), 2u);
}

TEST_F(Players, NoPlayerBeyondTheRowsIsMadeOrListed) {
  add(kEight);
  SG_WINDOW_PLAYERS* window = open();
  EXPECT_FALSE(window->add_player(L"I"));
  EXPECT_EQ(scene.players().players.size(), 8u);
  // A players file may still hold more: they are kept, but only as many
  // as there are delete buttons are listed, so each button deletes the
  // name beside it.
  std::unique_ptr<KOR_GF::gPlayer> ninth = scene.players().factory(L"I");
  ASSERT_TRUE(scene.players().add(ninth));
  window->rebuild_list();
  EXPECT_EQ(rows(window), kEight);
}

TEST_F(Players, DeletingMovesTheSelectionAsThePlayerWouldExpect) {
  add({L"Ann", L"Bo", L"Cy"});
  scene.players().current = scene.players().find(L"Bo");
  SG_WINDOW_PLAYERS* window = open();
  EXPECT_EQ(selected(window), L"Bo");

  // Another player: the selection stays on the same name.
  window->ask_delete(2);
  EXPECT_EQ(question_text(), L"Delete Cy? (%s)");
  answer_delete(true);
  EXPECT_EQ(rows(window), (std::vector<std::wstring>{L"Ann", L"Bo"}));
  EXPECT_EQ(selected(window), L"Bo");

  // No keeps everyone.
  window->ask_delete(0);
  answer_delete(false);
  EXPECT_EQ(rows(window).size(), 2u);

  // The selected and current player: the first row is selected, and there
  // is no current player until OK chooses one.
  window->ask_delete(1);
  EXPECT_EQ(question_text(), L"Delete Bo? (%s)");
  answer_delete(true);
  EXPECT_EQ(rows(window), (std::vector<std::wstring>{L"Ann"}));
  EXPECT_EQ(selected(window), L"Ann");
  EXPECT_EQ(scene.players().current, nullptr);

  window->ask_delete(0);
  answer_delete(true);
  EXPECT_TRUE(rows(window).empty());
  EXPECT_EQ(place(window->new_button()), (std::pair<float, float>{150.0f, -140.0f}));

  scene.players().load(game::user_data_dir());
  EXPECT_TRUE(scene.players().players.empty()) << "every deletion was saved";
}

TEST_F(Players, AQuestionPastTheListDeletesNobody) {
  add({L"Ann"});
  SG_WINDOW_PLAYERS* window = open();
  window->ask_delete(3);
  answer_delete(true);
  EXPECT_EQ(rows(window), (std::vector<std::wstring>{L"Ann"}));
}

TEST_F(Players, AReleaseCountsForTheButtonUnderThePointer) {
  add({L"Ann", L"Bo", L"Cy"});
  SG_WINDOW_PLAYERS* window = open();
  struct CASE {
    int x, y;
    const wchar_t* question;
  };
  const CASE cases[] = {
      {662, 324, L"Delete Cy? (%s)"},   // the centre of button 13
      {667, 338, L"Delete Cy? (%s)"},   // within its half size
      {660, 245, L"Delete Ann? (%s)"},  // button 11, the first row
      {672, 324, L"<no question>"},     // 10 right: beside the button
      {662, 342, L"<no question>"},     // 18 below: between the rows
  };
  for (const CASE& c : cases) {
    release_on_list(window, c.x, c.y);
    EXPECT_EQ(question_text(), c.question) << c.x << ", " << c.y;
    if (scene.manager.find_open("Players_Confirm_Del")) answer_delete(false);
  }
  // In row 3, where button 14 hides, the new-player button takes it.
  release_on_list(window, 662, 364);
  EXPECT_EQ(question_text(), L"<no question>");
  EXPECT_TRUE(scene.is_open("Players_EditBox"));
}

TEST_F(Players, OkMakesTheSelectedPlayerCurrentAndGoesBackToTheTitle) {
  add({L"Ann", L"Bo"});
  scene.players().find(L"Bo")->set_music_volume(20.0f);
  SG_WINDOW_PLAYERS* window = open();
  window->select_name(L"Bo");
  window->on_control(SG_WINDOW_PLAYERS::kOkButton);
  EXPECT_EQ(scene.players().current, scene.players().find(L"Bo"));
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().music_volume(), 0.2f);
  EXPECT_TRUE(std::filesystem::exists(scene.players_file()));
  EXPECT_FALSE(window->is_open());
  scene.settle();
  EXPECT_TRUE(scene.is_open("Title"));
  EXPECT_TRUE(scene.is_open("Logo"));
}

TEST_F(Players, OkWithNothingSelectedKeepsTheCurrentPlayersSettings) {
  add({L"Ann"});
  scene.players().current = scene.players().find(L"Ann");
  scene.players().current->set_music_volume(20.0f);
  SG_WINDOW_PLAYERS* window = open();
  window->list()->clear();
  window->choose();
  EXPECT_EQ(scene.players().current, scene.players().find(L"Ann"));
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().music_volume(), 0.2f);
}

}  // namespace
