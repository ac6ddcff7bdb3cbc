#include "shell/SG_WINDOW_CONFIRM_EX.h"

#include <gtest/gtest.h>

#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"

namespace {

using game::replace_text;
using game::SG_WINDOW_CONFIRM_EX;

TEST(ReplaceText, FirstOrEveryOccurrence) {
  struct CASE {
    const wchar_t* text;
    const wchar_t* searched;
    const wchar_t* replacement;
    bool all;
    const wchar_t* expected;
  };
  const CASE cases[] = {
      {L"Delete %s?", L"%s", L"Ann", false, L"Delete Ann?"},
      {L"%s and %s", L"%s", L"Ann", false, L"Ann and %s"},
      {L"%s and %s", L"%s", L"Ann", true, L"Ann and Ann"},
      {L"Delete?", L"%s", L"Ann", true, L"Delete?"},
      {L"Delete?", L"", L"Ann", true, L"Delete?"},
      // A replacement holding the searched text ends the scan all the same.
      {L"%s %s", L"%s", L"<%s>", true, L"<%s> <%s>"},
      {L"aaa", L"a", L"aa", true, L"aaaaaa"},
  };
  for (const CASE& c : cases) {
    EXPECT_EQ(replace_text(c.text, c.searched, c.replacement, c.all), c.expected) << c.text;
  }
}

class ConfirmEx : public ::testing::Test {
 protected:
  void SetUp() override {
    question = scene.open<SG_WINDOW_CONFIRM_EX>("Players_Confirm_Del");
    ASSERT_NE(question, nullptr);
  }
  std::wstring question_text() const {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(
               question->gui()->find(SG_WINDOW_CONFIRM_EX::kQuestionLabel))
        ->text;
  }

  shell_test::MENU_SCENE scene;
  SG_WINDOW_CONFIRM_EX* question = nullptr;
};

TEST_F(ConfirmEx, EveryQuestionPutsItsNameIntoTheTemplate) {
  EXPECT_EQ(question->extra_font_name(), "block");
  question->set_name_text(L"Ann");
  EXPECT_EQ(question_text(), L"Delete Ann? (%s)");
  // The next question starts from the template again, not from the last
  // name; a name that looks like a marker is put in as it stands.
  question->set_name_text(L"%s");
  EXPECT_EQ(question_text(), L"Delete %s? (%s)");
  question->set_name_text(L"Bo");
  EXPECT_EQ(question_text(), L"Delete Bo? (%s)");
}

TEST_F(ConfirmEx, AnswersAsTheFrameworkQuestionDoes) {
  static int answer = -1;
  question->set_callback([](void*, int yes) { answer = yes; }, nullptr);
  question->on_control(SG_WINDOW_CONFIRM_EX::kYesButton);
  EXPECT_EQ(answer, 1);
  EXPECT_FALSE(question->is_open());
}

}  // namespace
