#include "shell/SG_WINDOW_SHOP.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CScene_Level.h"
#include "menu_scene.h"
#include "puzzle/CGame_Config.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/window_paging.h"

namespace {

using game::SG_WINDOW_SHOP;
using KOR::KC_GUI_BUTTON5;
using KOR_GF::widget_of;

// Items 5 to 9 and 12 have three levels, the others one; the price of level
// k of item n is 10n + k (fixture strings). Item 8 adds 2 to both bonus
// limits of 3, item 11 takes 10 % off, pack 13 gives 1000, and the third
// purchase earns the purchases trophy.
const char* const kConfig =
    "<config>"
    "<shop_1_numberOfUpgrades text='1'/><shop_2_numberOfUpgrades text='1'/>"
    "<shop_3_numberOfUpgrades text='1'/><shop_4_numberOfUpgrades text='1'/>"
    "<shop_5_numberOfUpgrades text='3'/><shop_6_numberOfUpgrades text='3'/>"
    "<shop_7_numberOfUpgrades text='3'/><shop_8_numberOfUpgrades text='3'/>"
    "<shop_9_numberOfUpgrades text='3'/><shop_10_numberOfUpgrades text='1'/>"
    "<shop_11_numberOfUpgrades text='1'/><shop_12_numberOfUpgrades text='3'/>"
    "<shop_13_numberOfUpgrades text='1'/><shop_14_numberOfUpgrades text='1'/>"
    "<shop_15_numberOfUpgrades text='1'/><shop_16_numberOfUpgrades text='1'/>"
    "<shop_8_upgrade1_value text='2'/><shop_11_upgrade1_value text='10'/>"
    "<shop_13_upgrade1_value text='1000'/>"
    "<maximumNumberOfDestructionBonus text='3'/><maximumNumberOfCompletionBonus text='3'/>"
    "<trophy_15_rank1_condition text='3'/>"
    "</config>";

int price(int n, int level) { return 10 * n + level; }

class Shop : public ::testing::Test {
 protected:
  Shop() {
    config.load_string(kConfig);
    game::CGame_Config::instance().set_document(&config);
    scene.manager.load_list("xml/Windows shop_trophies_help.xml");
    player = scene.add_player(L"P", true);
    player->money = 10000;
  }
  ~Shop() override {
    game::game_instance().current_scene.reset();
    KOR::auto_position_screen_width = 1024;
    game::CGame_Config::instance().set_document(nullptr);
  }

  SG_WINDOW_SHOP* open() {
    scene.manager.enable("WINDOW_SHOP");
    return scene.open<SG_WINDOW_SHOP>("WINDOW_SHOP");
  }
  KC_GUI_BUTTON5* button(unsigned int id) const { return widget_of<KC_GUI_BUTTON5>(*shop(), id); }
  // Offered: shown and not disabled.
  bool offered(int n) const {
    const KC_GUI_BUTTON5* buy = button(SG_WINDOW_SHOP::buy_button(n));
    return buy->visible != 0 && buy->state != KC_GUI_BUTTON5::DISABLED;
  }
  std::wstring label(unsigned int id) const {
    return widget_of<KOR::KC_GUI_WLABEL>(*shop(), id)->text;
  }
  KOR::KC_GUI_PANEL* panel(int n) const { return widget_of<KOR::KC_GUI_PANEL>(*shop(), n); }
  bool shown(int n) const { return panel(n)->visible != 0; }
  std::pair<float, float> place(int n) const {
    return {panel(n)->transform->position.x, panel(n)->transform->position.y};
  }
  bool mark(unsigned int id) const {
    return widget_of<KOR::KC_GUI_IMAGE>(*shop(), id)->visible != 0;
  }
  SG_WINDOW_SHOP* shop() const {
    return dynamic_cast<SG_WINDOW_SHOP*>(scene.manager.find("WINDOW_SHOP"));
  }

  pugi::xml_document config;
  // With the main panel, whose header shows the money and the new-trophy
  // marker while the shop is its tab.
  shell_test::MENU_SCENE scene{"xml/Windows road.xml"};
  game::gPlayer_Flumo* player = nullptr;
};

TEST_F(Shop, OutsideALevelTheUpgradesTakeThePlacesOfTheBonusRefillsOnTwoPages) {
  for (int width : {1024, 1366}) {
    KOR::auto_position_screen_width = width;
    SG_WINDOW_SHOP* window = open();
    ASSERT_NE(window, nullptr);
    const float dx = width == 1366 ? 3.0f : 0.0f;
    EXPECT_FALSE(window->in_level());
    EXPECT_EQ(label(SG_WINDOW_SHOP::kPageLabel), L"Page 1 of 2");
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(shown(n), n >= 5 && n <= 10) << n;
    for (int n = 5; n <= 10; ++n) {
      EXPECT_EQ(place(n), std::make_pair(10.0f * (n - 4) + dx, float(n - 4))) << n;
    }
    EXPECT_EQ(button(game::kPreviousPageButton)->state, KC_GUI_BUTTON5::DISABLED);
    EXPECT_EQ(button(game::kNextPageButton)->state, KC_GUI_BUTTON5::NORMAL);
    EXPECT_EQ(widget_of<KOR::KC_GUI_PANEL>(*window, SG_WINDOW_SHOP::kLevelPart)->visible, 0);

    window->on_control(game::kNextPageButton);
    EXPECT_EQ(label(SG_WINDOW_SHOP::kPageLabel), L"Page 2 of 2");
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(shown(n), n >= 11) << n;
    for (int n = 13; n <= 16; ++n) EXPECT_EQ(place(n), std::make_pair(-1000.0f, -1000.0f)) << n;
    EXPECT_EQ(button(game::kNextPageButton)->state, KC_GUI_BUTTON5::DISABLED);
    // A page beyond the last is never reached.
    window->on_control(game::kNextPageButton);
    EXPECT_EQ(window->page(), 2);
    scene.manager.close("WINDOW_SHOP");
    scene.settle();
  }
}

TEST_F(Shop, TheBuyButtonFollowsTheMoneyAndATooDearPurchaseIsRefused) {
  struct Case {
    int money;
    bool offered;
  } const cases[] = {{price(5, 1), true}, {price(5, 1) - 1, false}};
  for (const Case& c : cases) {
    player->money = c.money;
    open()->fill();
    EXPECT_EQ(offered(5), c.offered) << c.money;
    EXPECT_EQ(label(SG_WINDOW_SHOP::price_label(5)), std::to_wstring(price(5, 1)));
  }
  player->money = price(5, 1) - 1;
  shop()->buy(5);
  EXPECT_EQ(player->money, price(5, 1) - 1) << "a purchase the window does not offer is refused";
  EXPECT_EQ(player->shop[4], 0);
}

TEST_F(Shop, AnUpgradeClimbsItsLevelsWithMarksDescriptionAndPriceOfTheNextLevel) {
  SG_WINDOW_SHOP* window = open();
  int money = player->money;
  for (int level = 1; level <= 3; ++level) {
    window->on_control(SG_WINDOW_SHOP::buy_button(5));
    money -= price(5, level);
    EXPECT_EQ(player->money, money);
    EXPECT_EQ(player->shop[4], level);
    for (int j = 1; j <= 3; ++j)
      EXPECT_EQ(mark(SG_WINDOW_SHOP::level_mark(5, j)), j <= level) << level << j;
    const int next = std::min(level + 1, 3);
    EXPECT_EQ(label(SG_WINDOW_SHOP::description_label(5)),
              L"Item 5 level " + std::to_wstring(next));
    EXPECT_EQ(label(SG_WINDOW_SHOP::price_label(5)), std::to_wstring(price(5, next)));
  }
  EXPECT_EQ(button(SG_WINDOW_SHOP::buy_button(5))->visible, 0)
      << "a fully bought item shows no button";
  window->buy(5);
  EXPECT_EQ(player->shop[4], 3) << "an item at its cap is not bought again";
  EXPECT_EQ(player->money, money);
}

TEST_F(Shop, TheDiscountCountsFromItsOwnPurchaseOnAndShowsItsMark) {
  SG_WINDOW_SHOP* window = open();
  window->on_control(game::kNextPageButton);
  EXPECT_EQ(label(SG_WINDOW_SHOP::price_label(11)), L"111");
  EXPECT_FALSE(mark(SG_WINDOW_SHOP::kDiscountMark));
  const int money = player->money;
  window->on_control(SG_WINDOW_SHOP::buy_button(11));
  EXPECT_EQ(player->money, money - 111 + 11);
  EXPECT_EQ(player->shop[10], 1);
  EXPECT_TRUE(mark(SG_WINDOW_SHOP::kDiscountMark));
  EXPECT_EQ(button(SG_WINDOW_SHOP::buy_button(11))->visible, 0);
  EXPECT_EQ(label(SG_WINDOW_SHOP::price_label(12)), std::to_wstring(121 - 12));
  window->on_control(SG_WINDOW_SHOP::buy_button(12));
  EXPECT_EQ(player->money, money - 100 - 109);
}

TEST_F(Shop, BonusStocksAreSoldUpToTheirLimitsWhichTheBonusLimitUpgradeRaisesAtOnce) {
  game::game_instance().current_scene = std::make_unique<game::CScene_Level>();
  player->destructionBonuses = 3;
  player->completionBonuses = 4;  // above its limit: still nothing to sell
  SG_WINDOW_SHOP* window = open();
  ASSERT_TRUE(window->in_level());
  EXPECT_EQ(label(SG_WINDOW_SHOP::kDestructionStock), L"3");
  EXPECT_EQ(label(SG_WINDOW_SHOP::kCompletionStock), L"4");
  for (int n = 1; n <= 4; ++n) EXPECT_FALSE(offered(n)) << n;
  for (int n = 1; n <= 4; ++n)
    EXPECT_EQ(label(SG_WINDOW_SHOP::price_label(n)), std::to_wstring(price(n, 1)));
  window->buy(4);
  EXPECT_EQ(player->completionBonuses, 4) << "a refill never lowers a stock above its limit";

  window->buy(8);  // limits 5
  for (int n = 1; n <= 2; ++n) EXPECT_TRUE(offered(n)) << n;
  window->buy(1);
  EXPECT_EQ(player->destructionBonuses, 4);
  window->buy(4);
  EXPECT_EQ(player->completionBonuses, 5);
  EXPECT_EQ(label(SG_WINDOW_SHOP::kCompletionStock), L"5");
  EXPECT_FALSE(offered(3));
}

TEST_F(Shop, InALevelTheFirstTwelveItemsStandInTheirOwnPlacesWithMoneyAndClose) {
  game::game_instance().current_scene = std::make_unique<game::CScene_Level>();
  SG_WINDOW_SHOP* window = open();
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(shown(n), n <= 6) << n;
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(place(n), std::make_pair(10.0f * n, float(n))) << n;
  EXPECT_EQ(widget_of<KOR::KC_GUI_PANEL>(*window, SG_WINDOW_SHOP::kLevelPart)->visible, 1);
  EXPECT_EQ(label(SG_WINDOW_SHOP::kMoneyInLevel), L"Money 10000");
  window->buy(6);
  EXPECT_EQ(label(SG_WINDOW_SHOP::kMoneyInLevel), L"Money " + std::to_wstring(10000 - price(6, 1)));
  window->on_control(game::kNextPageButton);
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(shown(n), n >= 7 && n <= 12) << n;
  window->on_control(SG_WINDOW_SHOP::kCloseInLevel);
  scene.settle();
  EXPECT_FALSE(scene.is_open("WINDOW_SHOP"));
}

TEST_F(Shop, MoneyPacksPayTheirSumAndTheThirdPurchaseEarnsTheTrophyOnce) {
  auto* panel = scene.open<game::SG_MAIN_PANEL>("WINDOW_MAIN_PANEL");
  ASSERT_NE(panel, nullptr);
  const auto header_money = [&] {
    return widget_of<KOR::KC_GUI_WLABEL>(*panel, game::SG_MAIN_PANEL::kMoneyLabel)->text;
  };
  SG_WINDOW_SHOP* window = open();
  EXPECT_EQ(label(SG_WINDOW_SHOP::description_label(13)), L"Pack +1000");
  int money = player->money;
  window->buy(13);
  money += 1000 - price(13, 1);
  EXPECT_EQ(player->money, money);
  EXPECT_EQ(header_money(), L"Money " + std::to_wstring(money)) << "the header follows at once";
  EXPECT_EQ(player->shop[12], 0) << "a money pack stays on sale";
  window->buy(13);
  EXPECT_FALSE(player->has_new_trophy());
  EXPECT_FALSE(panel->trophy_marker());
  window->buy(13);
  EXPECT_EQ(player->trophy(15), 3);
  EXPECT_TRUE(player->has_new_trophy());
  EXPECT_TRUE(panel->trophy_marker());
  player->clear_new_trophies();
  panel->hide_trophy_marker();
  window->buy(13);
  EXPECT_FALSE(player->has_new_trophy());
  EXPECT_FALSE(panel->trophy_marker());
}

TEST_F(Shop, ThePurchasesReachThePlayersFileOnceTheShopHasClosed) {
  SG_WINDOW_SHOP* window = open();
  window->buy(6);
  EXPECT_FALSE(std::filesystem::exists(scene.players_file()));
  scene.manager.close("WINDOW_SHOP");
  scene.settle();
  ASSERT_TRUE(std::filesystem::exists(scene.players_file()));
  pugi::xml_document saved;
  ASSERT_TRUE(saved.load_file(scene.players_file().c_str()));
  game::gPlayer_Flumo reread;
  reread.load(saved.select_node("//player").node());
  EXPECT_EQ(reread.shop_level(6), 1);
  EXPECT_EQ(reread.money, 10000 - price(6, 1));
}

// The developer's money shows at once in the header and in the offers.
TEST_F(Shop, TheDeveloperMoneyKeyShowsAtOnce) {
  player->money = 0;
  auto* panel = scene.open<game::SG_MAIN_PANEL>("WINDOW_MAIN_PANEL");
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(open(), nullptr);
  EXPECT_FALSE(offered(5));
  game::CGame_App& app = game::game_instance();
  app.developer_mode = 1;
  app.on_key_down('M');
  app.developer_mode = 0;
  EXPECT_EQ(player->money, 5000);
  EXPECT_EQ(widget_of<KOR::KC_GUI_WLABEL>(*panel, game::SG_MAIN_PANEL::kMoneyLabel)->text,
            L"Money 5000");
  EXPECT_TRUE(offered(5));
}

}  // namespace
