#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <pugixml.hpp>
#include <string>

#include "e2e_game.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CScene_Level.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Field.h"
#include "puzzle/CShop_Item.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_SHOP.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_paging.h"
#include "support/level_player.h"

namespace {

namespace fs = std::filesystem;
using game::CScene_Level;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

constexpr const char* kShop = "WINDOW_SHOP";
using game::kNextPageButton;
using game::kPreviousPageButton;
using SHOP = game::SG_WINDOW_SHOP;

// "Ada", who has seen the first comic, with her money and bonus stocks.
void write_ada(const fs::path& folder, int money, int destruction, int completion) {
  fs::create_directories(folder);
  std::ofstream(folder / "players.xml")
      << "<Players current=\"Ada\">\n\t<player name=\"Ada\" sound_volume=\"50\" "
         "music_volume=\"50\" game_cursor=\"true\" full_screen=\"false\" lastComicsShowed=\"1\" "
         "money=\""
      << money << "\" destructionBonuses=\"" << destruction << "\" completionBonuses=\""
      << completion << "\"/>\n</Players>\n";
}

game::gPlayer_Flumo& ada() { return *game::current_player(); }

std::wstring label(SCRIPTED_PLAYER& p, const char* window, unsigned id) {
  auto* found = dynamic_cast<KOR::KC_GUI_WLABEL*>(p.widget(window, id));
  return found != nullptr ? found->text : L"<none>";
}

int number(SCRIPTED_PLAYER& p, const char* window, unsigned id) {
  return std::stoi(label(p, window, id));
}

bool shown(SCRIPTED_PLAYER& p, const char* window, unsigned id) {
  KOR::KC_GUI_OBJECT* widget = p.widget(window, id);
  return widget != nullptr && widget->visible != 0;
}

std::wstring text_of(const std::string& id) { return KOR::string_table_instance().get_wide(id); }

int value(int item, int level) { return game::shop_upgrade_value(item, level); }

// The players file as it stands on the disk.
pugi::xml_node saved_ada(pugi::xml_document& file, const SCRIPTED_PLAYER& p) {
  file.load_file((p.user_folder() / "players.xml").c_str());
  return file.child("Players").find_child_by_attribute("player", "name", "Ada");
}

// From the main panel's shop tab: the header's money, the item's marks,
// description and price follow each purchase at once; an upgrade bought to
// its cap and an item too dear cannot be bought; the purchases are in
// "players.xml" once the shop has closed.
TEST(shop_e2e, APlayerBuysAnUpgradeToItsCapAndThePurchasesAreSavedWhenTheShopCloses) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  // Exactly the three levels of the coin upgrade.
  const int money = 60 + 140 + 300;
  write_ada(player.user_folder(), money, 3, 3);
  const int status = player.play([money](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kShopTab));
    ASSERT_TRUE(p.wait_open(kShop));
    EXPECT_FALSE(p.is_open("WINDOW_WORLDS"));
    EXPECT_EQ(label(p, "WINDOW_MAIN_PANEL", 1), std::to_wstring(money));
    // Outside a level the bonus refills are not sold.
    EXPECT_FALSE(shown(p, kShop, 1));
    EXPECT_TRUE(shown(p, kShop, 5));

    const int coins = game::SHOP_COIN_BONUS;
    int left = money;
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE("level " + std::to_string(level));
      const int price = number(p, kShop, SHOP::price_label(coins));
      EXPECT_EQ(label(p, kShop, SHOP::description_label(coins)),
                text_of("shop_item5_description" + std::to_string(level)));
      ASSERT_TRUE(p.click(kShop, SHOP::buy_button(coins)));
      p.frames(2);
      left -= price;
      EXPECT_EQ(ada().money, left);
      EXPECT_EQ(label(p, "WINDOW_MAIN_PANEL", 1), std::to_wstring(left));
      EXPECT_EQ(ada().shop_level(coins), level);
      for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(shown(p, kShop, SHOP::level_mark(coins, j)), j <= level);
      if (level < 3) {
        EXPECT_EQ(
            label(p, kShop, SHOP::price_label(coins)),
            KOR::string_table_instance().get_wide("shop_item5_price" + std::to_string(level + 1)));
      }
    }
    EXPECT_EQ(left, 0);
    EXPECT_FALSE(shown(p, kShop, SHOP::buy_button(coins))) << "nothing left to buy";

    // Where the button stood, and on an item too dear: nothing is bought.
    auto* gone = p.widget(kShop, SHOP::buy_button(coins));
    ASSERT_NE(gone, nullptr);
    p.click_widget(*gone);
    const int star_time = game::SHOP_STAR_TIME;
    auto* dear = dynamic_cast<KOR::KC_GUI_BUTTON5*>(p.widget(kShop, SHOP::buy_button(star_time)));
    ASSERT_NE(dear, nullptr);
    EXPECT_EQ(dear->state, KOR::KC_GUI_BUTTON5::DISABLED);
    p.click_widget(*dear);
    p.frames(2);
    EXPECT_EQ(ada().money, 0);
    EXPECT_EQ(ada().shop_level(coins), 3);
    EXPECT_EQ(ada().shop_level(star_time), 0);

    pugi::xml_document before;
    EXPECT_STRNE(saved_ada(before, p).child("shop").attribute("item5").value(), "3")
        << "saved only when the shop closes";
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab));
    ASSERT_TRUE(p.wait_closed(kShop));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    pugi::xml_document after;
    const pugi::xml_node saved = saved_ada(after, p);
    EXPECT_STREQ(saved.child("shop").attribute("item5").value(), "3");
    EXPECT_STREQ(saved.attribute("money").value(), "0");
  });
  EXPECT_EQ(status, 0);
}

// What a purchase in a level changes in that level, read the moment the
// purchase is made.
struct EFFECT {
  int item;
  int times;  // purchases in a row
  const char* what;
  std::function<int()> measure;
  std::function<int(int before)> expected;
};

CScene_Level& scene() { return *LEVEL_PLAYER::scene(); }

int destruction_limit(int extra) {
  return game::CGame_Config::instance().get_int("maximumNumberOfDestructionBonus") + extra;
}

// The tape's next wait, the moment it is scheduled: from the level's clock
// to the next deal. The call button asks for a deal now, after which the
// tape schedules the next one.
int next_scheduled_wait(SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
  const KOR::KS_VECTOR2 call = level.call_button_point();
  p.press_button(int(call.x), int(call.y));
  int seen = scene().tape->next_piece_time();
  for (int frame = 0; frame < SCRIPTED_PLAYER::kPatience; ++frame) {
    p.frames(1);
    const int next = scene().tape->next_piece_time();
    if (next != seen && next > scene().level_clock) return next - scene().level_clock;
    seen = next;
  }
  ADD_FAILURE() << "the tape scheduled no deal";
  return -1;
}

// The water clock's advance over some frames of play.
int water_advance(SCRIPTED_PLAYER& p) {
  const int start = scene().water_timer;
  p.frames(30);
  return scene().water_timer - start;
}

// The shop opened from the destruction window of a running level sells
// the bonus refills and upgrades; each kind of purchase changes the level at
// once: the bonus limit and stocks, the press cool-down and its upgraded
// press, the discount on the next price; after the shop the water clock
// runs slower and the tape waits longer. A stock at its limit and the money
// packs cannot be bought.
TEST(shop_e2e, InALevelEachKindOfUpgradeChangesThePlayAtOnce) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_ada(player.user_folder(), 5000, 0, 0);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    ASSERT_TRUE(level.start(3) && level.wait_board_still());
    const int water_before = water_advance(p);
    ASSERT_GT(water_before, 0);

    // Without a destruction bonus, a rock or pipe chosen empty-handed shows
    // the buy button, which opens the shop.
    const game::CLevel_Field& field = *scene().field;
    for (int x = 0; x < 30 && !p.is_open(kShop); ++x) {
      for (int y = 0; y < 60 && !p.is_open(kShop); ++y) {
        if (!field.is_destructible_at(x, y) || !level.cell_in_view(x, y)) continue;
        const KOR::KS_VECTOR2 cell = level.cell_point(x, y);
        p.press_button(int(cell.x), int(cell.y));
        ASSERT_TRUE(level.click_hud("HUD_DESTRUCTION", game::HUD_BUTTON_DESTRUCTION::kBuyButton));
        ASSERT_TRUE(p.wait_open(kShop));
      }
    }
    ASSERT_TRUE(p.is_open(kShop));
    EXPECT_TRUE(scene().paused);
    EXPECT_TRUE(shown(p, kShop, SHOP::kLevelPart));
    EXPECT_EQ(number(p, kShop, SHOP::kMoneyInLevel), 5000);

    const int extra = value(game::SHOP_BONUS_LIMIT, 1);
    const int completion_limit =
        game::CGame_Config::instance().get_int("maximumNumberOfCompletionBonus") + extra;
    const EFFECT effects[] = {
        {game::SHOP_BONUS_LIMIT, 1, "destruction limit",
         [] { return scene().max_destruction_bonuses(); },
         [extra](int) { return destruction_limit(extra); }},
        {game::SHOP_DESTRUCTION_BONUS, 1, "destruction stock",
         [] { return ada().destructionBonuses; }, [](int before) { return before + 1; }},
        {game::SHOP_COMPLETION_REFILL, 1, "completion stock",
         [] { return ada().completionBonuses; },
         [completion_limit](int) { return completion_limit; }},
        {game::SHOP_TAPE_DELAY, 3, "tape delay level",
         [] { return ada().shop_level(game::SHOP_TAPE_DELAY); }, [](int) { return 3; }},
        {game::SHOP_PRESS_COOLDOWN, 1, "press cool-down",
         [] { return int(scene().press->cooldown()); },
         [](int before) { return before - value(game::SHOP_PRESS_COOLDOWN, 1); }},
        {game::SHOP_DISCOUNT, 1, "price of the water upgrade",
         [&p] { return number(p, kShop, SHOP::price_label(game::SHOP_WATER_COUNTDOWN)); },
         [](int before) { return before - before * value(game::SHOP_DISCOUNT, 1) / 100; }},
        {game::SHOP_WATER_COUNTDOWN, 1, "water upgrade level",
         [] { return ada().shop_level(game::SHOP_WATER_COUNTDOWN); }, [](int) { return 1; }},
    };
    for (const EFFECT& effect : effects) {
      SCOPED_TRACE(effect.what);
      const unsigned page_button = effect.item <= 6 ? kPreviousPageButton : kNextPageButton;
      if (!shown(p, kShop, unsigned(effect.item))) {
        ASSERT_TRUE(p.click(kShop, page_button));
      }
      p.frames(2);
      const int before = effect.measure();
      for (int k = 0; k < effect.times; ++k) {
        const int money = ada().money;
        const int price = number(p, kShop, SHOP::price_label(effect.item));
        ASSERT_TRUE(p.click(kShop, SHOP::buy_button(effect.item)));
        p.frames(2);
        // The discount counts from its own purchase on.
        const int paid = effect.item == game::SHOP_DISCOUNT
                             ? price - price * value(game::SHOP_DISCOUNT, 1) / 100
                             : price;
        EXPECT_EQ(ada().money, money - paid);
        EXPECT_EQ(number(p, kShop, SHOP::kMoneyInLevel), ada().money);
      }
      EXPECT_EQ(effect.measure(), effect.expected(before));
    }
    auto* press = dynamic_cast<game::HUD_PANEL_PRESS*>(scene().bottom_windows().find("HUD_PRESS"));
    ASSERT_NE(press, nullptr);
    EXPECT_TRUE(press->upgraded) << "the upgraded press shows at once";

    // The completion stock stands at its limit: nothing more to buy.
    ASSERT_TRUE(p.click(kShop, kPreviousPageButton));
    p.frames(2);
    const int money = ada().money;
    p.click_widget(*p.widget(kShop, SHOP::buy_button(game::SHOP_COMPLETION_BONUS)));
    p.frames(2);
    EXPECT_EQ(ada().completionBonuses, completion_limit);
    EXPECT_EQ(ada().money, money);
    // The money packs lie outside the screen, beyond the pointer's reach.
    for (int n = game::SHOP_MONEY_PACK_1; n <= game::SHOP_MONEY_PACK_4; ++n) {
      const e2e::RECT at = e2e::widget_rect(*p.widget(kShop, unsigned(n)));
      EXPECT_TRUE(at.right < 0.0f && at.bottom < 0.0f) << n;
    }

    ASSERT_TRUE(p.click(kShop, SHOP::kCloseInLevel));
    ASSERT_TRUE(p.wait_closed(kShop));
    EXPECT_FALSE(scene().paused);
    auto* count = dynamic_cast<KOR::KC_GUI_WLABEL*>(
        scene().hud_windows().find("HUD_DESTRUCTION")->gui()->find(12));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text, std::to_wstring(ada().destructionBonuses));

    // The water clock now runs slower by the upgrade's share.
    const int water_after = water_advance(p);
    const int slowdown = value(game::SHOP_WATER_COUNTDOWN, 1);
    EXPECT_LT(water_after, water_before);
    EXPECT_GE(water_after * 100, water_before * (100 - 2 * slowdown));

    // Every wait of the tape is lengthened by the upgrade's share, and one
    // of them is longer than the tape ever waits unpaid.
    const auto& config = game::CGame_Config::instance();
    const int lo = int(config.get_float("minimumTimeDelayBeforeAddingNewPipeOnTape"));
    const int hi = int(config.get_float("maximumTimeDelayBeforeAddingNewPipeOnTape"));
    const int longer = 100 + value(game::SHOP_TAPE_DELAY, 3);
    bool beyond_unpaid = false;
    for (int deal = 0; deal < 6 && !beyond_unpaid; ++deal) {
      const int wait = next_scheduled_wait(p, level);
      ASSERT_GT(wait, 0);
      EXPECT_GE(wait, lo * longer / 100 - 1) << "deal " << deal;
      EXPECT_LE(wait, hi * longer / 100) << "deal " << deal;
      beyond_unpaid = wait > hi;
    }
    EXPECT_TRUE(beyond_unpaid);
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
