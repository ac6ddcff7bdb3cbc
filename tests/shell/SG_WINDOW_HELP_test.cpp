#include "shell/SG_WINDOW_HELP.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_SPRITE.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CScene_Level.h"
#include "menu_scene.h"
#include "shell/gPages_Help.h"
#include "shell/window_paging.h"

namespace {

using game::gHelpItem;
using game::kNextPageButton;
using game::kPreviousPageButton;
using game::SG_WINDOW_HELP;

// The help window over its fixture book: pages of a picture (64 × 32) and a
// text in the block font (lines 32 high, "LL" 64 wide), two cells of the
// first picture's width 20 px apart less, the book 30 px left of and 10 px
// below the window's centre; five items, so three pages.
class Help : public ::testing::Test {
 protected:
  Help() {
    KOR_GF::font_list_instance().load("xml fonts.xml");
    scene.manager.load_list("xml/Windows shop_trophies_help.xml");
  }
  ~Help() override { KOR_GF::font_list_instance().release_textures(); }

  SG_WINDOW_HELP* open() {
    scene.manager.enable("Help");
    return scene.open<SG_WINDOW_HELP>("Help");
  }
  gHelpItem* item(SG_WINDOW_HELP* help, int i) {
    return static_cast<gHelpItem*>(help->book().items().at(i));
  }
  std::wstring page_label(SG_WINDOW_HELP* help) {
    return KOR_GF::widget_of<KOR::KC_GUI_WLABEL>(*help, SG_WINDOW_HELP::kPageLabel)->text;
  }
  bool enabled(SG_WINDOW_HELP* help, unsigned int id) {
    return KOR_GF::widget_of<KOR::KC_GUI_BUTTON5>(*help, id)->state !=
           KOR::KC_GUI_BUTTON5::DISABLED;
  }

  shell_test::MENU_SCENE scene;
};

TEST_F(Help, ItemsAreMeasuredByTheirTextElseByTheirPicture) {
  SG_WINDOW_HELP* help = open();
  ASSERT_NE(help, nullptr);
  ASSERT_EQ(help->book().items().count(), 5);
  KOR::KC_FONT* block = KOR_GF::font_list_instance().find("block");
  struct Case {
    int index;
    int width, height;
    bool picture;
    std::wstring text;
    KOR::KC_FONT* font;
  } const cases[] = {
      // No font named: "default", which the fixture's list lacks.
      {0, 64, 32, true, L"", nullptr},
      // The first line's width, every line's height.
      {1, 64, 64, false, L"LL\nI", block},
      // A text wins over a picture; the digits are not in the font.
      {2, 16 + 16, 32, true, L"I 100%", block},
      // A font the list does not have measures nothing.
      {3, 0, 0, false, L"I 100%", nullptr},
      {4, 0, 0, false, L"", nullptr},
  };
  for (const Case& c : cases) {
    gHelpItem* it = item(help, c.index);
    EXPECT_EQ(it->width(), c.width) << c.index;
    EXPECT_EQ(it->height(), c.height) << c.index;
    EXPECT_EQ(it->picture() != nullptr, c.picture) << c.index;
    EXPECT_EQ(it->text(), c.text) << c.index;
    EXPECT_EQ(it->font(), c.font) << c.index;
  }
  EXPECT_EQ(item(help, 0)->picture()->transform()->parent, &item(help, 0)->position);
}

// The grid puts the text's cell (64 - 20) / 2 = 22 px right of the book's
// place; the text stands from there, its block centred on the item, and the
// font's own anchor plays no part and is kept.
TEST_F(Help, TheTextStandsFromItsItemsPlaceWhateverTheFontsAnchor) {
  SG_WINDOW_HELP* help = open();
  gHelpItem* text = item(help, 1);
  const KOR::KS_TRANSFORM3 world = text->position.world();
  EXPECT_FLOAT_EQ(world.position.x, 512.0f - 30.0f + 22.0f);
  EXPECT_FLOAT_EQ(world.position.y, 384.0f + 10.0f);
  KOR::KC_FONT* block = text->font();
  for (unsigned anchor : {unsigned(KOR::HS_MID), unsigned(KOR::HS_DR)}) {
    block->anchor = anchor;
    help->draw();
    EXPECT_EQ(block->anchor, anchor);
    // The last glyph drawn is the "I" starting the second line.
    const KOR::KS_VECTOR3 glyph = block->page()->transform()->position;
    EXPECT_FLOAT_EQ(glyph.x, world.position.x) << anchor;
    EXPECT_FLOAT_EQ(glyph.y, world.position.y - 32.0f + 32.0f + float(block->line_spacing))
        << anchor;
  }
}

TEST_F(Help, ThePageButtonsTurnTheBookAndEveryOpeningStartsAtTheFirstPage) {
  SG_WINDOW_HELP* help = open();
  EXPECT_EQ(help->book().pages(), 3);
  struct Case {
    int control, shown;
    bool previous, next;
  } const cases[] = {{kNextPageButton, 1, true, true},      {kNextPageButton, 2, true, false},
                     {kNextPageButton, 2, true, false},     {kPreviousPageButton, 1, true, true},
                     {kPreviousPageButton, 0, false, true}, {kPreviousPageButton, 0, false, true}};
  EXPECT_EQ(page_label(help), L"Page 1 of 3");
  EXPECT_FALSE(enabled(help, kPreviousPageButton));
  for (const Case& c : cases) {
    help->on_control(c.control);
    EXPECT_EQ(help->book().shown(), c.shown) << c.control;
    EXPECT_EQ(page_label(help), L"Page " + std::to_wstring(c.shown + 1) + L" of 3");
    EXPECT_EQ(enabled(help, kPreviousPageButton), c.previous);
    EXPECT_EQ(enabled(help, kNextPageButton), c.next);
  }
  help->on_control(kNextPageButton);
  help->on_control(SG_WINDOW_HELP::kCloseButton);
  scene.settle();
  scene.manager.show("Help");
  scene.settle();
  EXPECT_EQ(help->book().shown(), 0);
  EXPECT_EQ(page_label(help), L"Page 1 of 3");
}

// Help over a paused level and the window behind it: only control 1 closes
// it, and what lies behind stays as it was.
TEST_F(Help, OnlyItsCloseControlClosesItAndThePausedLevelBehindStaysAsItWas) {
  auto level = std::make_unique<game::CScene_Level>();
  level->pause();
  game::CScene_Level* paused = level.get();
  game::game_instance().current_scene = std::move(level);
  scene.manager.show("Back");
  SG_WINDOW_HELP* help = open();
  ASSERT_NE(help, nullptr);
  for (int control : {0, 2, 100}) {
    help->on_control(control);
    scene.settle();
    EXPECT_TRUE(scene.is_open("Help")) << control;
    EXPECT_EQ(help->book().shown(), 0) << control;
  }
  help->on_control(SG_WINDOW_HELP::kCloseButton);
  scene.settle();
  EXPECT_FALSE(scene.is_open("Help"));
  EXPECT_TRUE(scene.is_open("Back"));
  EXPECT_EQ(paused->paused, 1);
  game::game_instance().current_scene.reset();
}

// A description without a book is a window with a close button and nothing
// to turn.
TEST(HelpWithoutBook, OpensAndClosesWithNothingToTurn) {
  shell_test::MENU_SCENE scene;
  SG_WINDOW_HELP* help = scene.make<SG_WINDOW_HELP>(
      "<window _type='SG_WINDOW_HELP' _name='Help' _typeOpen='SH_MOMENTAL' "
      "_typeClose='SH_MOMENTAL'><GUI/></window>");
  EXPECT_EQ(help->book().pages(), 0);
  help->on_control(kNextPageButton);
  help->on_open_begin();
  help->draw();
  EXPECT_EQ(help->book().shown(), 0);
  delete help;
}

}  // namespace
