#include "gui/KC_GUI_LINEBOX.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kDelete = 46;
constexpr int kKeyI = 73;
constexpr int kKeyL = 76;

// A 200 x 40 box centred at (300, 200): with the 4-pixel margins the input
// area spans 204..396 by 184..216 and is 192 wide. In the block font 'I'
// advances 16 and 'L' 32.
class LineBoxTest : public gui_test::WidgetResources {
 protected:
  void SetUp() override {
    WidgetResources::SetUp();
    box = std::make_unique<KC_GUI_LINEBOX>(5, "box.png", "font.png", "font.xml");
    box->set_position(300, 200, 0);
    box->load_resources();
    box->set_focus_tree(1);
  }
  void TearDown() override {
    box->release_resources();
    box.reset();
    WidgetResources::TearDown();
  }
  // One key-down in a frame of its own; the code the line box answers.
  int type(int code, wchar_t ch = 0) {
    next_frame();
    key(code, ch);
    KS_GUI_EVENT* e = box->on_press();
    return e ? e->code : 0;
  }

  std::unique_ptr<KC_GUI_LINEBOX> box;
};

TEST_F(LineBoxTest, TypingInsertsAtTheCaretUpToTheMaximumLength) {
  EXPECT_EQ(box->kind, GUI_KIND_LINEBOX);
  EXPECT_EQ(type(kKeyI, L'I'), GUI_EVENT_CHANGED);
  EXPECT_EQ(type(kKeyL, L'L'), GUI_EVENT_CHANGED);
  EXPECT_EQ(box->text(), L"IL");
  EXPECT_FALSE(box->is_full());
  box->set_max_length(2);
  EXPECT_TRUE(box->is_full());
  EXPECT_EQ(type(kKeyI, L'I'), 0);
  EXPECT_EQ(type(kBackspace), 0);
  EXPECT_EQ(box->text(), L"I");
  EXPECT_FALSE(box->is_full());
  EXPECT_EQ(type(kLeft), 0);
  EXPECT_EQ(type(kDelete), 0);
  EXPECT_EQ(box->text(), L"");
  box->set_max_length(0);
  EXPECT_EQ(box->max_length(), KC_GUI_LINEBOX::kNoLimit);
}

TEST_F(LineBoxTest, RefusedCharactersChangeNothing) {
  box->set_forbidden_chars(L"L%");
  EXPECT_FALSE(box->is_allowed_char(L'%'));
  const struct {
    int code;
    wchar_t ch;
  } refused[] = {{kTab, L'\t'}, {kKeyL, L'L'}, {kHome, L'I'}, {kKeyI, 0}};
  for (const auto& r : refused) EXPECT_EQ(type(r.code, r.ch), 0) << r.code;
  EXPECT_TRUE(box->is_empty());
  box->set_text(L"L%");
  EXPECT_EQ(box->text(), L"L%") << "set_text does not look at the forbidden set";
}

TEST_F(LineBoxTest, TheInputAreaWidthBoundsTypingAndSetText) {
  box->set_text(L"LLLL");  // 128 wide
  EXPECT_EQ(box->caret(), 0u) << "set_text puts the caret first";
  box->set_caret(99);
  EXPECT_FALSE(box->is_full());
  EXPECT_EQ(type(kKeyL, L'L'), 0) << "128 + 2 x 32 is not below 192";
  EXPECT_TRUE(box->is_full()) << "the letter found no room";
  EXPECT_EQ(type(kKeyI, L'I'), GUI_EVENT_CHANGED) << "128 + 2 x 16";
  EXPECT_FALSE(box->is_full()) << "a longer line has not been tried";
  box->set_text(L"LLLLLL");
  EXPECT_EQ(box->text(), L"LLLLLL") << "exactly as wide as the area";
  box->set_text(L"LLLLLLI");
  EXPECT_EQ(box->text(), L"LLLLLL");
  box->set_caret(-3);
  EXPECT_EQ(box->caret(), 0u);
}

TEST_F(LineBoxTest, BoundaryKeysOnlyRestartTheBlink) {
  frame_dt = 0.5f;
  box->update();
  box->update();
  ASSERT_FALSE(box->caret_visible());
  EXPECT_EQ(type(kBackspace), 0);
  EXPECT_TRUE(box->caret_visible());
  box->set_text(L"I");
  box->set_caret(1);
  for (int code : {kRight, kDelete}) {
    box->set_caret_visible(false);
    EXPECT_EQ(type(code), 0);
    EXPECT_TRUE(box->caret_visible());
  }
  EXPECT_EQ(box->text(), L"I");
  frame_dt = 0.0f;
}

TEST_F(LineBoxTest, TheCaretTogglesOnTheFirstFrameItsTimeIsUp) {
  // The timer runs 0.3, 0.1, -0.1; the fourth frame toggles and restarts it.
  frame_dt = 0.2f;
  const bool shown[] = {true, true, true, false, false, false, false, true};
  for (bool s : shown) {
    box->update();
    EXPECT_EQ(box->caret_visible(), s);
  }
  box->set_focus_tree(0);
  box->update();
  EXPECT_FALSE(box->caret_visible());
  frame_dt = 0.0f;
}

TEST_F(LineBoxTest, ALeftPressGivesTheFocusOnlyInsideTheMargins) {
  const struct {
    int x, y;
    bool inside;
  } presses[] = {{206, 200, true},  {202, 200, false}, {394, 200, true},
                 {398, 200, false}, {300, 186, true},  {300, 182, false}};
  for (const auto& p : presses) {
    point(p.x, p.y);
    left_down();
    KS_GUI_EVENT* e = box->on_press();
    EXPECT_EQ(e != nullptr, p.inside) << p.x << "," << p.y;
    EXPECT_EQ(box->focused, p.inside ? 1 : 0) << p.x << "," << p.y;
  }
}

TEST_F(LineBoxTest, AKeyInTheFrameOfALeftPressIsNotTyped) {
  point(300, 200);
  next_frame();
  key(kKeyI, L'I');
  left_down();
  EXPECT_EQ(box->on_press()->code, GUI_EVENT_DOWN);
  EXPECT_TRUE(box->is_empty());
}

TEST_F(LineBoxTest, FocusOnHoverAnswersEveryMove) {
  box->set_focus_tree(0);
  EXPECT_EQ(box->on_pointer_move(), nullptr);
  box->set_focus_on_hover(true);
  point(0, 0);
  EXPECT_EQ(box->on_pointer_move()->code, GUI_EVENT_FOCUS);
  EXPECT_EQ(box->focused, 1);
}

TEST_F(LineBoxTest, AlignmentPlacesTheTextInsideTheArea) {
  EXPECT_EQ(box->alignment(), KC_GUI_LINEBOX::LEFT);
  EXPECT_EQ(box->text_transform()->position.x, -86.0f);
  const struct {
    int code, stored;
    float x;
  } cases[] = {{5, 0, 0.0f}, {4, 8, 86.0f}, {3, 7, -86.0f}, {9, 7, -86.0f}};
  for (const auto& c : cases) {
    box->set_alignment(c.code);
    EXPECT_EQ(box->alignment(), c.stored) << c.code;
    EXPECT_EQ(box->text_transform()->position.x, c.x) << c.code;
  }
  box->set_input_area(10, 4, 30, 4);
  EXPECT_EQ(box->input_area()->width(), 160.0f);
  EXPECT_EQ(box->text_transform()->position.x, -70.0f);
}

TEST_F(LineBoxTest, TextAndAlignmentGivenBeforeLoadingTakeEffectThen) {
  KC_GUI_LINEBOX early(6, "box.png", "font.png", "font.xml");
  early.set_text(L"IL");
  early.set_alignment(8);
  EXPECT_TRUE(early.is_empty());
  EXPECT_EQ(early.on_press(), nullptr);
  early.draw();
  early.load_resources();
  EXPECT_EQ(early.text(), L"IL");
  EXPECT_EQ(early.alignment(), KC_GUI_LINEBOX::RIGHT);
  early.release_resources();
}

TEST_F(LineBoxTest, ReleaseShowsTheDefaultTextureAndAMissingFontDrawsNothing) {
  box->set_text(L"IL");
  box->draw();
  box->release_resources();
  EXPECT_EQ(box->font()->page()->texture(), default_texture());
  for (const char* name : {"box.png", "font.png", "font.xml"})
    EXPECT_EQ(references(name), 0) << name;
  box->load_resources();
  EXPECT_NE(box->font()->page()->texture(), default_texture());

  KC_GUI_LINEBOX lost(7, "nothing.png", "nothing.png", "nothing.xml");
  lost.load_resources();
  EXPECT_EQ(lost.width(), 16.0f);
  lost.set_text(L"I");
  lost.draw();
  lost.release_resources();
}

}  // namespace
}  // namespace KOR
