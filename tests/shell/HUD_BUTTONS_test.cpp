#include <gtest/gtest.h>

#include <memory>

#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_PLAYERS.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "hud_scene.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_COMPLETION.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/HUD_INTERFACE_BOTTOM_PANEL.h"
#include "shell/HUD_PANEL_MONEY.h"
#include "shell/HUD_PANEL_TAPE.h"

namespace {

using KOR_GF::hud_point_in_centred_rect;

TEST(HudPointInCentredRect, EdgesCountAsInside) {
  struct CASE {
    float x, y;
    bool inside;
  };
  // A 40 × 20 rectangle centred on (100, 50).
  const CASE cases[] = {
      {100, 50, true},      {80, 50, true},       {120, 50, true},      {100, 40, true},
      {100, 60, true},      {80, 40, true},       {120, 60, true},      {79.99f, 50, false},
      {120.01f, 50, false}, {100, 39.99f, false}, {100, 60.01f, false},
  };
  for (const CASE& c : cases) {
    EXPECT_EQ(hud_point_in_centred_rect(c.x, c.y, 100, 50, 40, 20), c.inside) << c.x << "," << c.y;
  }
}

class HudButtons : public ::testing::Test {
 protected:
  template <typename WINDOW>
  WINDOW* open(const char* name) {
    WINDOW* window = scene.open_on<WINDOW>(scene.hud, name);
    if (window == nullptr) window = scene.open_on<WINDOW>(scene.bottom, name);
    EXPECT_NE(window, nullptr) << name;
    return window;
  }
  template <typename WIDGET>
  static WIDGET* widget(const KOR_GF::G_WINDOW* window, unsigned int id) {
    return dynamic_cast<WIDGET*>(window->gui()->find(id));
  }
  static std::wstring text(const KOR_GF::G_WINDOW* window, unsigned int id) {
    return widget<KOR::KC_GUI_WLABEL>(window, id)->text;
  }

  shell_test::HUD_SCENE scene;
};

TEST_F(HudButtons, PauseButtonAnswersWhereTheWindowShowsIt) {
  auto* pause = open<game::HUD_BUTTON_PAUSE>("HUD_PAUSE");
  auto* button = widget<KOR::KC_GUI_BUTTON5>(pause, 1);
  const float half_w = button->width() / 2;
  const float half_h = button->height() / 2;
  ASSERT_GT(half_w, 0.0f);
  // The window shows at (900, 40), the button 10, 5 from it.
  EXPECT_TRUE(pause->hit_test(910, 45));
  EXPECT_TRUE(pause->hit_test(910 - half_w, 45 + half_h));
  EXPECT_FALSE(pause->hit_test(910 - half_w - 0.5f, 45));
  EXPECT_FALSE(pause->hit_test(10, 5));
  // Without its button a pause window is never hit.
  std::unique_ptr<game::HUD_BUTTON_PAUSE> bare(
      scene.make<game::HUD_BUTTON_PAUSE>(R"(<window _name="HUD_PAUSE"/>)"));
  EXPECT_FALSE(bare->hit_test(0, 0));
}

TEST_F(HudButtons, DestructionButtonsAnswerWhereTheyStandHiddenOrNot) {
  auto* popup = open<game::HUD_BUTTON_DESTRUCTION>("HUD_DESTRUCTION");
  const KOR::KS_VECTOR2 size = popup->destroy_button_size();
  ASSERT_GT(size.x, 0.0f);
  EXPECT_EQ(popup->buy_button_size().y, size.y);
  // Parked off the screen, no point of the screen hits them.
  for (float x : {0.0f, 512.0f, 1023.0f}) {
    for (float y : {0.0f, 384.0f, 767.0f}) EXPECT_FALSE(popup->hit_test(x, y)) << x << "," << y;
  }
  popup->move_destroy_button(300, 300);
  popup->move_buy_button(400, 300);
  popup->move_place_button(500, 300);
  for (float x : {300.0f, 400.0f, 500.0f}) EXPECT_TRUE(popup->hit_test(x, 300 + size.y / 2)) << x;
  // A hidden button left where it stood still answers.
  popup->show_buy_button(false);
  EXPECT_EQ(widget<KOR::KC_GUI_BUTTON5>(popup, 2)->visible, 0);
  EXPECT_TRUE(popup->hit_test(400, 300));
  popup->move_buy_button(-200, -200);
  EXPECT_FALSE(popup->hit_test(400, 300));
  popup->set_destruction_count(4);
  popup->set_completion_count(12);
  EXPECT_EQ(text(popup, 12), L"4");
  EXPECT_EQ(text(popup, 32), L"12");
  // Without its buttons the pop-up does nothing and is never hit.
  std::unique_ptr<game::HUD_BUTTON_DESTRUCTION> bare(
      scene.make<game::HUD_BUTTON_DESTRUCTION>(R"(<window _name="HUD_DESTRUCTION"/>)"));
  bare->move_place_button(10, 10);
  bare->show_destroy_button(true);
  EXPECT_FALSE(bare->hit_test(10, 10));
  EXPECT_EQ(bare->place_button_size().x, 0.0f);
}

TEST_F(HudButtons, CompletionButtonCanBeLockedAndShowsItsCount) {
  auto* completion = open<game::HUD_BUTTON_COMPLETION>("HUD_COMPLETION");
  auto* button = widget<KOR::KC_GUI_BUTTON5>(completion, 1);
  completion->set_available(false);
  EXPECT_EQ(button->enabled, 0);
  EXPECT_EQ(button->state, KOR::KC_GUI_BUTTON5::DISABLED);
  completion->set_available(true);
  EXPECT_EQ(button->enabled, 1);
  EXPECT_EQ(button->state, KOR::KC_GUI_BUTTON5::NORMAL);
  completion->set_count(7);
  EXPECT_EQ(text(completion, 11), L"7");
  EXPECT_EQ(completion->button_position().x, 60.0f);
  EXPECT_EQ(completion->button_position().y, 700.0f);
}

TEST_F(HudButtons, MoneyShowsTheCurrentPlayersMoney) {
  auto* money = open<game::HUD_PANEL_MONEY>("HUD_MONEY");
  // Without a player the amount passed stands in.
  money->set_money(999);
  EXPECT_EQ(text(money, 2), L"Money 999");
  game::gPlayer_Flumo* ann = shell_test::MENU_SCENE::add_player(L"Ann", true);
  ann->money = 120;
  money->set_money(999);
  EXPECT_EQ(text(money, 2), L"Money 120");
  ann->money = 5120;
  money->set_money(5120);
  EXPECT_EQ(text(money, 2), L"Money 5120");
}

TEST_F(HudButtons, TapeLaysItsBeltOutFromTheUpperLeftCorner) {
  auto* tape = open<game::HUD_PANEL_TAPE>("HUD_TAPE");
  EXPECT_EQ(widget<KOR::KC_GUI_IMAGE>(tape, game::HUD_PANEL_TAPE::kBelt)->quad->hot_spot(),
            KOR::HS_UL);
  EXPECT_EQ(widget<KOR::KC_GUI_IMAGE>(tape, game::HUD_PANEL_TAPE::kCallArea)->quad->hot_spot(),
            KOR::HS_MID);
  EXPECT_NE(open<game::HUD_INTERFACE_BOTTOM_PANEL>("HUD_BOTTOM_PANEL"), nullptr);
}

TEST_F(HudButtons, BuyButtonOpensTheShopOverThePausedLevel) {
  auto* popup = open<game::HUD_BUTTON_DESTRUCTION>("HUD_DESTRUCTION");
  game::CGame_App& app = game::game_instance();
  // Without a level the buttons do nothing.
  popup->on_control(game::HUD_BUTTON_DESTRUCTION::kBuyButton);
  EXPECT_FALSE(scene.is_open("Back"));
  app.current_scene = std::make_unique<game::CScene_Level>();
  auto* level = app.current_level_scene();
  popup->on_control(game::HUD_BUTTON_DESTRUCTION::kPlaceButton);  // nothing held: nothing placed
  EXPECT_EQ(level->paused, 0);
  popup->on_control(game::HUD_BUTTON_DESTRUCTION::kBuyButton);
  EXPECT_EQ(level->paused, 1);
  EXPECT_TRUE(scene.is_open("Back"));
  app.current_scene.reset();
}

}  // namespace
