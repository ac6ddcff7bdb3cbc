#include "framework/G_WINDOW_EDITBOX.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "support/window_probe.h"

using KOR::KC_GUI_BUTTON5;
using KOR_GF::G_WINDOW_EDITBOX;

namespace {

constexpr int kBackspace = 8;
constexpr int kKeyI = 73;

// The fixture's name entry rests at the screen centre: the line box at
// (512, 284), OK at (412, 484) and cancel at (612, 484), both 12.8 × 32.
class EditBox : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(manager.load_list("xml/Windows list.xml"));
    box = dynamic_cast<G_WINDOW_EDITBOX*>(manager.show("Players_EditBox"));
    ASSERT_NE(box, nullptr);
    manager.update();
    box->set_result_callback(&record, &results);
  }

  // One key typed: down and up in frames of their own.
  void type(int code, wchar_t ch) {
    scene.next_frame();
    scene.input.key_down(static_cast<unsigned>(code));
    scene.input.typed_text[0] = ch;
    manager.key_down(code);
    scene.next_frame();
    scene.input.key_up(code);
    manager.key_up(code);
  }
  // A left click at the point: press, then release a frame later.
  void click(int x, int y) {
    scene.next_frame();
    scene.click_down(x, y);
    manager.key_down(1);
    scene.next_frame();
    scene.click_up(x, y);
    manager.key_up(1);
  }
  int ok_state() const { return box->ok_button()->state; }
  bool error_shown() const { return box->gui()->find(G_WINDOW_EDITBOX::kErrorLabel)->visible != 0; }
  uint32_t text_color() const { return box->line_box()->text_color.argb(); }

  static void record(void* data, int ok, const std::wstring& text) {
    static_cast<std::vector<std::pair<int, std::wstring>>*>(data)->emplace_back(ok, text);
  }
  static bool one_letter(void*, const std::wstring& text) { return text.size() <= 1; }
  static bool anything(void*, const std::wstring&) { return true; }

  framework_test::WINDOW_SCENE scene;
  KOR_GF::G_WINDOW_MANAGER manager{&framework_test::probe_factory};
  G_WINDOW_EDITBOX* box = nullptr;
  std::vector<std::pair<int, std::wstring>> results;
};

TEST_F(EditBox, ControlsAndColoursComeFromTheDescription) {
  EXPECT_NE(box->line_box(), nullptr);
  EXPECT_NE(box->ok_button(), nullptr);
  EXPECT_NE(box->cancel_button(), nullptr);
  EXPECT_EQ(box->text_color().argb(), 0xFF102030u);
  EXPECT_EQ(box->error_color().argb(), 0xFFAA0000u);

  // Without "SETTINGS" and with pictures in place of the controls.
  auto* bare = dynamic_cast<G_WINDOW_EDITBOX*>(manager.show("bare_edit"));
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->text_color().argb(), 0xFFFFFFFFu);
  EXPECT_EQ(bare->error_color().argb(), 0xFFFF0000u);
  EXPECT_EQ(bare->line_box(), nullptr);
  EXPECT_EQ(bare->ok_button(), nullptr);
  EXPECT_EQ(bare->cancel_button(), nullptr);
  EXPECT_EQ(bare->text(), L"");
  bare->set_ok_enabled(true);
  bare->show_error(true);
  bare->set_result_callback(&record, &results);
  type(kKeyI, L'I');
  EXPECT_TRUE(bare->is_open());
  // Released on the picture with id 3, it still answers as OK.
  manager.close("Players_EditBox");
  manager.update();
  click(512, 384);
  EXPECT_EQ(results, (std::vector<std::pair<int, std::wstring>>{{1, L""}}));
  EXPECT_FALSE(bare->is_open());
}

TEST_F(EditBox, OpeningClearsTheTextDisablesOkAndHidesTheError) {
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED);
  EXPECT_FALSE(error_shown());
  EXPECT_EQ(text_color(), 0xFF102030u);
  EXPECT_TRUE(box->line_box()->focused);
  type(kKeyI, L'I');
  EXPECT_EQ(box->text(), L"I");

  box->close();
  manager.update();
  manager.show("Players_EditBox");
  EXPECT_EQ(box->text(), L"");
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED);
}

TEST_F(EditBox, RejectedTextShowsTheErrorUntilTheTextIsGoodAgain) {
  box->set_validator(&one_letter, nullptr);
  type(kKeyI, L'I');
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::NORMAL);
  type(kKeyI, L'I');
  EXPECT_EQ(box->text(), L"II");
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED);
  EXPECT_EQ(text_color(), 0xFFAA0000u);
  EXPECT_TRUE(error_shown());

  // A left click elsewhere leaves the display as it is.
  click(5, 5);
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED);
  EXPECT_EQ(text_color(), 0xFFAA0000u);
  EXPECT_TRUE(error_shown());

  scene.point(512, 284);
  manager.mouse_move();  // focus follows the pointer into the line box
  type(kBackspace, 0);
  EXPECT_EQ(box->text(), L"I");
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::NORMAL);
  EXPECT_EQ(text_color(), 0xFF102030u);
  EXPECT_FALSE(error_shown());
}

// A line box that takes two letters: at the second the player is told the
// line is full, while OK still takes the name. The cap is set here, as the
// menus' tests type whole names into the same fixture.
TEST_F(EditBox, AFullLineSaysSoUntilALetterIsTakenBack) {
  box->line_box()->set_max_length(2);
  auto full_shown = [this] { return box->gui()->find(G_WINDOW_EDITBOX::kFullLabel)->visible != 0; };
  EXPECT_FALSE(full_shown());
  type(kKeyI, L'I');
  EXPECT_FALSE(full_shown());
  type(kKeyI, L'I');
  EXPECT_TRUE(full_shown()) << "the last letter the line takes";
  type(kKeyI, L'I');
  EXPECT_EQ(box->text(), L"II");
  EXPECT_TRUE(full_shown());
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::NORMAL);
  EXPECT_FALSE(error_shown());
  type(kBackspace, 0);
  EXPECT_FALSE(full_shown());

  type(kKeyI, L'I');
  box->close();
  manager.update();
  manager.show("Players_EditBox");
  EXPECT_FALSE(full_shown()) << "a new name starts empty";

  // Where the full line is also refused, the error stands alone in the
  // place they share.
  box->set_validator(&one_letter, nullptr);
  type(kKeyI, L'I');
  type(kKeyI, L'I');
  EXPECT_TRUE(error_shown());
  EXPECT_FALSE(full_shown());
}

TEST_F(EditBox, AnEmptyLineDisablesOkWhateverTheValidatorSays) {
  box->set_validator(&anything, nullptr);
  type(kKeyI, L'I');
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::NORMAL);
  type(kBackspace, 0);
  EXPECT_EQ(box->text(), L"");
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED);
}

// The text names a player in an XML file: a character such a file cannot
// hold, however it was typed, leaves the line when its key is released,
// with the caret staying between the same letters.
TEST_F(EditBox, WhatAnXmlFileCannotHoldLeavesTheLine) {
  constexpr int kLeftArrow = 37;
  box->set_validator(&anything, nullptr);
  type(kKeyI, L'\a');
  EXPECT_EQ(box->line_box()->text(), L"");
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::DISABLED) << "nothing storable was typed";

  type(kKeyI, L'I');
  type(kKeyI, L'J');
  type(kLeftArrow, 0);
  for (const wchar_t unstorable : {L'\x01', L'\x1F', static_cast<wchar_t>(0xFFFE),
                                   static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(0xD800)}) {
    type(kKeyI, unstorable);
    EXPECT_EQ(box->line_box()->text(), L"IJ") << int(unstorable);
  }
  type(kKeyI, L'\u200F');  // a right-to-left mark is text
  type(kKeyI, L'K');
  EXPECT_EQ(box->line_box()->text(), L"I\u200FKJ");
  click(412, 484);
  EXPECT_EQ(results, (std::vector<std::pair<int, std::wstring>>{{1, L"I\u200FKJ"}}));
}

TEST_F(EditBox, ReleasesNearAButtonCountWithinTwentyPixels) {
  type(kKeyI, L'I');
  click(437, 484);  // 25 pixels right of OK
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(box->is_open());
  click(427, 500);  // 15 right, 16 below
  EXPECT_EQ(results, (std::vector<std::pair<int, std::wstring>>{{1, L"I"}}));
  EXPECT_FALSE(box->is_open());

  manager.update();
  manager.show("Players_EditBox");
  manager.update();
  // Cancel answers even with an empty line; the disabled OK does not.
  click(412, 484);
  EXPECT_TRUE(box->is_open());
  click(627, 470);
  EXPECT_EQ(results.back(), (std::pair<int, std::wstring>{0, L""}));
}

TEST_F(EditBox, AClickOnOkAnswersOnceThoughItReachesTheControlEventTwice) {
  type(kKeyI, L'I');
  scene.point(412, 484);
  box->mouse_move();
  scene.next_frame();
  scene.click_down(412, 484);
  box->key_down(1);
  EXPECT_EQ(ok_state(), KC_GUI_BUTTON5::PRESSED);
  scene.next_frame();
  scene.click_up(412, 484);
  // The button itself reports the click after the wide hit test answered.
  EXPECT_NE(box->key_up(1), nullptr);
  EXPECT_EQ(results, (std::vector<std::pair<int, std::wstring>>{{1, L"I"}}));
}

}  // namespace
