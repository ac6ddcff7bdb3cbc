#include "gui/KC_GUI_LISTBOX.h"

#include <gtest/gtest.h>

#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

constexpr int kUp = 38;
constexpr int kDown = 40;

// A 200 x 120 panel centred at (300, 300) with three rows of 40 pixels:
// row 0 spans y 240..280, row 1 280..320, row 2 320..360.
class ListBoxTest : public gui_test::WidgetResources {
 protected:
  void SetUp() override {
    WidgetResources::SetUp();
    list = std::make_unique<KC_GUI_LISTBOX>(4, "selection.png", "panel.png", "strip13.png",
                                            "font.png", "font.xml");
    list->set_position(300, 300, 0);
  }
  void TearDown() override {
    list->release_resources();
    list.reset();
    WidgetResources::TearDown();
  }
  void fill(int count) {
    for (int i = 0; i < count; ++i)
      list->add_item_w(std::wstring(1, static_cast<wchar_t>(L'A' + i)));
  }
  // A left click at (x, y) after the pointer came there.
  KS_GUI_EVENT* click(int x, int y) {
    point(x, y);
    list->on_pointer_move();
    left_down();
    return list->on_press();
  }
  void arrow(int code) {
    next_frame();
    input.key_down(static_cast<unsigned int>(code));
    input.key_up(code);
    EXPECT_EQ(list->on_release(), nullptr);
  }
  float first_row() { return list->scroll_bar()->value(); }

  std::unique_ptr<KC_GUI_LISTBOX> list;
};

TEST_F(ListBoxTest, ANewListSelectsItemZeroAndClearingSelectsNothing) {
  EXPECT_EQ(list->kind, GUI_KIND_LISTBOX);
  EXPECT_EQ(list->selection(), 0);
  EXPECT_EQ(list->selected_text(), nullptr);
  fill(2);
  ASSERT_NE(list->selected_text(), nullptr);
  EXPECT_EQ(*list->selected_text(), L"A");
  list->clear();
  EXPECT_EQ(list->selection(), -1);
  EXPECT_EQ(list->selected_text(), nullptr);
}

TEST_F(ListBoxTest, ItemsAreKeptAndRemovedByPosition) {
  list->add_item("\xc3\xa9t\xc3\xa9");
  fill(3);
  EXPECT_EQ(list->item_text(0), L"\u00e9t\u00e9");
  list->remove_at(1);
  list->remove_at(7);
  list->remove_at(-1);
  EXPECT_EQ(list->item_text(1), L"B");
  list->remove_last();
  EXPECT_EQ(list->item_count(), 2);
  EXPECT_EQ(list->item_text(2), L"");
  EXPECT_EQ(list->item_text(-1), L"");
}

TEST_F(ListBoxTest, SelectTextPicksTheLastEqualItemAndKeepsTheSelectionWithoutOne) {
  for (const wchar_t* name : {L"Ann", L"Bob", L"Ann", L"Annie"}) list->add_item_w(name);
  list->select_text(L"Ann");
  EXPECT_EQ(list->selection(), 2);
  list->select_text(L"Zed");
  EXPECT_EQ(list->selection(), 2);
}

TEST_F(ListBoxTest, NothingAnswersBeforeTheFirstLoad) {
  fill(5);
  point(300, 300);
  EXPECT_EQ(list->on_pointer_move(), nullptr);
  list->set_focus_tree(1);
  left_down();
  EXPECT_EQ(list->on_press(), nullptr);
  EXPECT_EQ(list->on_release(), nullptr);
  list->draw();
  list->set_size(10, 10);
  EXPECT_EQ(list->selection(), 0);
}

TEST_F(ListBoxTest, AClickSelectsTheRowUnderThePointer) {
  fill(2);
  list->load_resources();
  EXPECT_EQ(list->row_height(), 40);
  KS_GUI_EVENT* e = click(300, 300);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_DOWN);
  EXPECT_EQ(e->id, 4u);
  EXPECT_EQ(list->selection(), 1);
  click(300, 250);
  EXPECT_EQ(list->selection(), 0);
  click(300, 350);
  EXPECT_EQ(list->selection(), 1) << "below the last item: the last item";
  list->clear();
  click(300, 250);
  EXPECT_EQ(list->selection(), -1) << "an empty list";
  EXPECT_EQ(click(500, 250), nullptr) << "outside the panel";
}

TEST_F(ListBoxTest, TheScrollBarShowsOnlyWhenItemsOutnumberTheRows) {
  list->load_resources();
  fill(3);
  EXPECT_EQ(list->scroll_bar()->max(), 0.0f);
  list->add_item_w(L"D");
  list->add_item_w(L"E");
  EXPECT_EQ(list->scroll_bar()->min(), 0.0f);
  EXPECT_EQ(list->scroll_bar()->max(), 2.0f);
  EXPECT_GT(list->scroll_bar()->transform->position.x, 100.0f) << "right of the panel";
  list->draw();
}

TEST_F(ListBoxTest, ArrowKeysStopAtTheEndsAndScrollTheSelectionIntoView) {
  list->load_resources();
  fill(5);
  point(300, 300);
  list->on_pointer_move();
  ASSERT_EQ(list->focused, 1);
  arrow(kUp);
  EXPECT_EQ(list->selection(), 0);
  for (int expected : {1, 2}) {
    arrow(kDown);
    EXPECT_EQ(list->selection(), expected);
    EXPECT_EQ(first_row(), 0.0f);
  }
  arrow(kDown);
  EXPECT_EQ(list->selection(), 3);
  EXPECT_EQ(first_row(), 1.0f) << "one row down";
  arrow(kDown);
  arrow(kDown);
  EXPECT_EQ(list->selection(), 4) << "the last item stays";
  EXPECT_EQ(first_row(), 2.0f);

  list->select_text(L"A");
  arrow(kDown);
  EXPECT_EQ(list->selection(), 1);
  EXPECT_EQ(first_row(), 1.0f) << "straight to the selection";

  list->clear();
  arrow(kDown);
  EXPECT_EQ(list->selection(), -1);
  arrow(kUp);
  EXPECT_EQ(list->selection(), 0);
}

TEST_F(ListBoxTest, TheScrollBarsEndButtonScrollsUnderTheListBoxsId) {
  fill(5);
  list->load_resources();
  const KC_GUI_SLIDER13* bar = list->scroll_bar();
  const KS_VECTOR2 end = bar->end_transform()->world().position_xy();
  EXPECT_GT(end.x, 400.0f) << "beside the panel";
  point(static_cast<int>(end.x), static_cast<int>(end.y));
  KS_GUI_EVENT* e = list->on_pointer_move();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_ENTER);
  EXPECT_EQ(e->id, 4u);
  EXPECT_EQ(list->focused, 1);
  left_down();
  ASSERT_NE(list->on_press(), nullptr);
  next_frame();
  left_up();
  e = list->on_release();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_CHANGED);
  EXPECT_EQ(first_row(), 1.0f);
  EXPECT_EQ(list->selection(), 0) << "scrolling leaves the selection";
}

TEST_F(ListBoxTest, AHiddenScrollBarTakesNoInput) {
  list->load_resources();
  fill(2);
  const KC_GUI_SLIDER13* bar = list->scroll_bar();
  // Over the start button of the idle scroll bar.
  const KS_VECTOR2 at = bar->start_transform()->world().position_xy();
  point(static_cast<int>(at.x), static_cast<int>(at.y));
  EXPECT_EQ(list->on_pointer_move(), nullptr);
  EXPECT_EQ(bar->start_state(), 0);
  EXPECT_EQ(list->focused, 0);
}

TEST_F(ListBoxTest, FewerRowsThanPixelsNeverDivideByZero) {
  list->set_visible_count(0);
  EXPECT_EQ(list->visible_count(), 1);
  list->set_inset_divisor(0);
  list->set_row_texture("", 500);
  fill(3);
  list->load_resources();
  EXPECT_EQ(list->row_height(), 0);
  click(300, 300);
  EXPECT_EQ(list->selection(), 2);
  list->draw();
}

TEST_F(ListBoxTest, ResourcesComeBackWithoutARebuild) {
  fill(5);
  list->load_resources();
  KC_GUI_SLIDER13* bar = list->scroll_bar();
  list->release_resources();
  EXPECT_EQ(bar->texture(), default_texture());
  list->load_resources();
  EXPECT_EQ(list->scroll_bar(), bar);
  EXPECT_NE(bar->texture(), default_texture());
  list->set_text_color(KS_COLOR(0xFF112233u));
  list->set_size(300, 150);
  EXPECT_EQ(list->row_height(), 50);
  EXPECT_EQ(list->panel()->width(), 300.0f);
}

}  // namespace
}  // namespace KOR
