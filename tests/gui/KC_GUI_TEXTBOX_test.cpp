#include "gui/KC_GUI_TEXTBOX.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "SERVICE/engine_globals.h"
#include "gui/gui_harness.h"
#include "gui/gui_resources.h"

namespace {

using KOR::KC_GUI_TEXTBOX;

// A box 100 x 10 at (300, 100) in a font of line height 32; with a spacing
// of -22 every unit counts 10 pixels: (100 - 2 * 5) / 10 = 9 units.
class GuiTextBox : public ::testing::Test {
 protected:
  GuiTextBox() {
    pugi::xml_document* description = KOR::gui_get_xml("font.xml");
    font_texture = KOR::gui_get_texture("font.png");
    box_texture = KOR::gui_get_texture("strip.png");
    box =
        std::make_unique<KC_GUI_TEXTBOX>(6, description->child("font"), font_texture, box_texture);
    KOR::gui_release_xml(description);
    box->set_letter_spacing(-22);
    box->set_position(300, 100, 0);
  }
  ~GuiTextBox() override {
    box.reset();
    KOR::gui_release_texture(font_texture);
    KOR::gui_release_texture(box_texture);
    KOR::frame_dt = 0.0f;
  }

  void click(int x) {
    harness.point(x, 100);
    harness.press();
    box->update();
    harness.release();
    box->update();
  }
  void key(int code, wchar_t typed = 0) {
    harness.input.end_frame();
    harness.input.key_down(static_cast<unsigned int>(code));
    harness.input.typed_text[0] = typed;
    box->update();
  }
  void type(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p) key(*p, *p);
  }

  GuiHarness harness;
  KOR::KC_TEXTURE* font_texture;
  KOR::KC_TEXTURE* box_texture;
  std::unique_ptr<KC_GUI_TEXTBOX> box;
};

TEST_F(GuiTextBox, LimitComesFromTheBoxWidthInFixedUnits) {
  EXPECT_EQ(box->kind, KOR::GUI_KIND_TEXTBOX);
  EXPECT_EQ(box->unit_width, 32);
  EXPECT_EQ(box->unit_limit, 9);
  box->set_size(200, 0);
  EXPECT_EQ(box->width(), 200.0f);
  EXPECT_EQ(box->height(), 10.0f);
  EXPECT_EQ(box->unit_limit, 18);
  box->set_letter_spacing(-32);  // units of no width hold nothing
  EXPECT_EQ(box->unit_limit, 0);
  box->set_inset_divisor(0);
  box->set_letter_spacing(-12);
  EXPECT_EQ(box->unit_limit, 10);
}

TEST_F(GuiTextBox, ClickTakesTheFocusAndPlacesTheCaretInFixedUnits) {
  harness.point(300, 100);
  harness.press();
  KOR::KS_GUI_EVENT* e = box->update();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, KOR::GUI_EVENT_DOWN);
  EXPECT_EQ(box->focused, 1);
  harness.release();
  e = box->update();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, KOR::GUI_EVENT_UP);

  type(L"IIIIII");
  click(251);
  EXPECT_EQ(box->caret, 0u);
  click(281);
  EXPECT_EQ(box->caret, 3u);
  click(349);
  EXPECT_EQ(box->caret, 6u);

  // A click outside drops the focus; a release without focus says nothing.
  harness.point(500, 100);
  harness.press();
  EXPECT_EQ(box->update(), nullptr);
  EXPECT_EQ(box->focused, 0);
  harness.point(300, 100);
  harness.release();
  EXPECT_EQ(box->update(), nullptr);
}

TEST_F(GuiTextBox, TypingInsertsAtTheCaretOnlyWhileFocused) {
  type(L"LI");
  EXPECT_EQ(box->text, L"");
  click(300);
  type(L"LI");
  EXPECT_EQ(box->text, L"LI");
  key(37);  // left
  type(L"L");
  EXPECT_EQ(box->text, L"LLI");
  EXPECT_EQ(box->caret, 2u);
  key(8);  // backspace
  EXPECT_EQ(box->text, L"LI");
  key(46);  // delete
  EXPECT_EQ(box->text, L"L");
  key(46);
  EXPECT_EQ(box->text, L"L");
  key(39);  // right, up to the end only
  key(39);
  EXPECT_EQ(box->caret, 1u);
}

TEST_F(GuiTextBox, AFullBoxStillEditsButTakesNoMoreText) {
  click(300);
  type(L"IIIIIIIIIII");
  EXPECT_EQ(box->text.size(), 9u);
  key(8);
  EXPECT_EQ(box->text.size(), 8u);
  key(37);
  key(46);
  EXPECT_EQ(box->text.size(), 7u);
  EXPECT_EQ(box->caret, 7u);
}

TEST_F(GuiTextBox, KeysThatTypeNothingInsertNothing) {
  click(300);
  key(112);  // a function key
  EXPECT_EQ(box->text, L"");
  EXPECT_EQ(box->caret, 0u);
}

TEST_F(GuiTextBox, CaretBlinksInHalfSecondSteps) {
  KOR::frame_dt = 0.3f;
  const uint8_t expected[] = {1, 0, 0, 0, 1};  // 0.3, 0.6, 0.9, 1.2 -> 0 (kept), 0.3
  for (uint8_t visible : expected) {
    box->update();
    EXPECT_EQ(box->caret_visible, visible);
  }
}

TEST_F(GuiTextBox, EditingOperationsKeepTextAndCaretConsistent) {
  EXPECT_EQ(box->append_char(L'a'), 0);
  EXPECT_EQ(box->insert_char(L'b', 99), 0);
  EXPECT_EQ(box->insert_char(L'c', 0), 0);
  EXPECT_EQ(box->text, L"cab");
  box->caret = 0;
  EXPECT_EQ(box->erase_char(1), 1);
  box->caret = 3;
  EXPECT_EQ(box->erase_char(0), 1);
  EXPECT_EQ(box->erase_char(1), 0);
  EXPECT_EQ(box->text, L"ca");

  box->set_text_narrow("ab   ");
  box->caret = 5;
  box->trim_right();
  EXPECT_EQ(box->text, L"ab");
  EXPECT_EQ(box->caret, 2u);
  EXPECT_STREQ(box->text_narrow(), "ab");
  EXPECT_STREQ(box->text_copy(), L"ab");
  box->set_text_narrow("\xE9t\xE9");  // bytes, not UTF-8
  EXPECT_EQ(box->text, L"\u00E9t\u00E9");
  EXPECT_STREQ(box->text_narrow(), "\xC3\xA9t\xC3\xA9");
  box->clear();
  EXPECT_EQ(box->caret, 0u);
  EXPECT_EQ(box->text_narrow(), nullptr);
  EXPECT_EQ(box->text_copy(), nullptr);
}

TEST_F(GuiTextBox, DrawsWithAndWithoutFocus) {
  box->draw();
  click(300);
  type(L"IL");
  box->draw();
  EXPECT_EQ(box->char_width(), -1);
  box->set_font_scale(2.0f);
}

TEST_F(GuiTextBox, WithoutAFontTheBoxIsInert) {
  KC_GUI_TEXTBOX inert(7, nullptr, box_texture);
  EXPECT_EQ(inert.kind, KOR::GUI_KIND_OBJECT);
  harness.point(0, 0);
  harness.press();
  EXPECT_EQ(inert.update(), nullptr);
  inert.draw();
  inert.set_size(50, 50);
  EXPECT_EQ(inert.width(), 0.0f);
  EXPECT_EQ(inert.char_width(), -1);
}

}  // namespace
