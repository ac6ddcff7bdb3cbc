#include "shell/SG_WINDOW_SHOP.h"

#include <algorithm>

#include "fieldview/CEffect_ExplosionList.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Scoring.h"
#include "level/CScene_Level.h"
#include "puzzle/CGame_Config.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_paging.h"

namespace game {

namespace {

constexpr int kItemCount = gPlayer_Flumo::kShopItemCount;
constexpr int kItemsPerPage = 6;
constexpr int kCoinBurst = 0;

std::wstring item_config_key(int n, const wchar_t* what) {
  return L"shop_" + std::to_wstring(n) + what;
}

int level_count(int n) {
  return CGame_Config::instance().get_int_w(item_config_key(n, L"_numberOfUpgrades"));
}

bool is_stock_item(int n) { return n >= SHOP_DESTRUCTION_BONUS && n <= SHOP_COMPLETION_REFILL; }
bool is_money_pack(int n) { return n >= SHOP_MONEY_PACK_1 && n <= SHOP_MONEY_PACK_4; }
// Items bought once: level 1 from their purchase on.
bool is_bought_once(int n) { return n == SHOP_BONUS_PIECES || n == SHOP_DISCOUNT; }

int destruction_limit() {
  return CLevel_Scoring::destruction_bonus_limit(current_shop_level(SHOP_BONUS_LIMIT));
}
int completion_limit() {
  return CLevel_Scoring::completion_bonus_limit(current_shop_level(SHOP_BONUS_LIMIT));
}

// The price text of item n at that level; a text that is not a number is 0.
int listed_price(int n, int level) {
  const char* text = KOR::string_table_instance().get(
      shop_item_key(std::to_string(n) + "_price" + std::to_string(level)));
  return KOR::int_from_text(text != nullptr ? text : "");
}

int discounted(int price) {
  if (current_shop_level(SHOP_DISCOUNT) != 1) return price;
  return price - price * shop_upgrade_value(SHOP_DISCOUNT, 1) / 100;
}

// The level whose price and description stand for item n at level c: the
// next one, or the last once all are bought.
int next_level(int c, int levels) { return levels > 0 ? std::min(c + 1, levels) : c + 1; }

// The items a page shows: in a level 1 to 6 and 7 to 12, outside it 5 to 10
// and 11 to 16.
bool on_page(int n, int page, bool in_level) {
  const int first = (in_level ? 1 : 5) + (page - 1) * kItemsPerPage;
  return n >= first && n < first + kItemsPerPage;
}

void set_active(KOR::KC_GUI_OBJECT* widget, bool on) {
  if (widget == nullptr) return;
  widget->set_visible(on ? 1 : 0);
  widget->set_enabled(on ? 1 : 0);
}

}  // namespace

std::string shop_item_key(const std::string& s) { return "shop_item" + s; }

SG_WINDOW_SHOP::SG_WINDOW_SHOP(const pugi::xml_node& element)
    : G_WINDOW(element), effects_(std::make_unique<CEffect_ExplosionList>()) {}

SG_WINDOW_SHOP::~SG_WINDOW_SHOP() = default;

void SG_WINDOW_SHOP::draw() {
  G_WINDOW::draw();
  effects_->draw();
}

int SG_WINDOW_SHOP::update() {
  effects_->update(game_clock_ms);
  return G_WINDOW::update();
}

void SG_WINDOW_SHOP::on_open_begin() {
  page_ = 1;
  fill();
  KOR_GF::play_once("sound_gui_window");
}

void SG_WINDOW_SHOP::on_closed() { game_instance().save_players(); }

void SG_WINDOW_SHOP::on_control(int widget_id) {
  last_control_ = widget_id;
  for (int n = 1; n <= kItemCount; ++n) {
    if (widget_id != int(buy_button(n))) continue;
    KOR_GF::play_once("sound_button_click");
    buy(n);
    return;
  }
  if (widget_id == kPreviousPageButton || widget_id == kNextPageButton) {
    KOR_GF::play_once("sound_button_click");
    page_ = turned_page(page_, widget_id, page_count_);
    fill();
  } else if (widget_id == kCloseInLevel) {
    KOR_GF::play_once("sound_button_click");
    CScene_Level::close_shop();
    KOR_GF::play_once("sound_gui_window");
  }
}

void SG_WINDOW_SHOP::record_panel_positions() {
  const auto record = [this](std::map<int, KOR::KS_VECTOR2>& positions, uint8_t which) {
    if (!positions.empty()) return;
    for (int n = 1; n <= kItemCount; ++n) {
      if (auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n)) {
        positions[n] = panel->layout_position(which);
      }
    }
  };
  record(positions_1024_, 1);
  record(positions_1366_, 0);
}

void SG_WINDOW_SHOP::place_panels() {
  const auto& positions =
      KOR::auto_position_screen_width == KOR::kWideScreenWidth ? positions_1366_ : positions_1024_;
  if (positions.empty()) return;
  for (int n = 1; n <= kItemCount; ++n) {
    auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n);
    if (panel == nullptr) continue;
    const int place = in_level() ? n : n - 4;
    if (place < 1) {
      panel->set_visible(0);
      continue;
    }
    const auto at = positions.find(place);
    if (at != positions.end()) panel->set_position(at->second.x, at->second.y, 0.0f);
    panel->set_visible(1);
  }
}

void SG_WINDOW_SHOP::refresh_money() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  if (in_level()) {
    templates_.fill(*this, kMoneyInLevel, {player->money});
  } else if (SG_MAIN_PANEL* panel = main_panel()) {
    panel->refresh_money();
  }
}

void SG_WINDOW_SHOP::refresh_bonus_counts() {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr) return;
  show_number(*this, kDestructionStock, player->destructionBonuses);
  show_number(*this, kCompletionStock, player->completionBonuses);
}

int SG_WINDOW_SHOP::shown_price(int n) const {
  const int level = is_stock_item(n) ? 1 : next_level(current_shop_level(n), level_count(n));
  return discounted(listed_price(n, level));
}

bool SG_WINDOW_SHOP::can_buy(int n) const {
  const gPlayer_Flumo* player = current_player();
  if (player == nullptr || shown_price(n) > player->money) return false;
  const int levels = level_count(n);
  if (levels > 0 && current_shop_level(n) >= levels) return false;
  if (n == SHOP_DESTRUCTION_BONUS || n == SHOP_DESTRUCTION_REFILL) {
    return player->destructionBonuses < destruction_limit();
  }
  if (n == SHOP_COMPLETION_BONUS || n == SHOP_COMPLETION_REFILL) {
    return player->completionBonuses < completion_limit();
  }
  return true;
}

void SG_WINDOW_SHOP::fill() {
  record_panel_positions();
  in_level_ = game_instance().current_level_scene() != nullptr ? 1 : 0;
  page_count_ = 2;
  page_ = std::clamp(page_, 1, page_count_);
  templates_.take(*this,
                  {kPageLabel, kMoneyInLevel, description_label(SHOP_MONEY_PACK_1),
                   description_label(SHOP_MONEY_PACK_2), description_label(SHOP_MONEY_PACK_3),
                   description_label(SHOP_MONEY_PACK_4)});
  place_panels();
  refresh_money();
  templates_.fill(*this, kPageLabel, {page_, page_count_});
  set_active(widget_of<KOR::KC_GUI_PANEL>(*this, kLevelPart), in_level());
  for (int n = 1; n <= kItemCount; ++n) fill_item(n);
  refresh_page_buttons(*this, page_, page_count_);
  refresh_bonus_counts();
}

void SG_WINDOW_SHOP::fill_item(int n) {
  const int levels = level_count(n);
  const int owned = current_shop_level(n);
  if (auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, buy_button(n))) {
    const int price = shown_price(n);
    show_number(*this, price_label(n), price);
    can_buy(n) ? button->enable() : button->disable();
    button->set_visible(owned < levels || levels < 1 ? 1 : 0);
  }
  if (levels > 1) {
    for (int j = 1; j <= levels; ++j) {
      KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, level_mark(n, j)), j <= owned);
    }
  } else if (n == SHOP_DISCOUNT) {
    KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(*this, kDiscountMark), owned == 1);
  }
  if (is_money_pack(n)) {
    templates_.fill(*this, description_label(n),
                    {CGame_Config::instance().get_int_w(item_config_key(n, L"_upgrade1_value"))});
  } else if (levels > 1) {
    set_label_text(
        *this, description_label(n),
        KOR::string_table_instance().get_wide(shop_item_key(
            std::to_string(n) + "_description" + std::to_string(next_level(owned, levels)))));
  }
  auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n);
  set_active(panel, on_page(n, page_, in_level()));
  if (is_money_pack(n)) KOR_GF::move_widget(panel, -1000.0f, -1000.0f);
}

void SG_WINDOW_SHOP::buy(int n) {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr || n < 1 || n > kItemCount || !can_buy(n)) return;
  const int levels = level_count(n);
  const int owned = current_shop_level(n);
  if ((levels == 1 && is_bought_once(n)) || levels > 1) player->shop[n - 1] = owned + 1;
  // The price of the level bought; a first purchase of the discount is
  // already discounted.
  const int price = discounted(listed_price(n, next_level(owned, levels)));
  player->money -= price;
  const int destruction = destruction_limit();
  const int completion = completion_limit();
  switch (n) {
    case SHOP_DESTRUCTION_BONUS:
      ++player->destructionBonuses;
      break;
    case SHOP_DESTRUCTION_REFILL:
      player->destructionBonuses = destruction;
      break;
    case SHOP_COMPLETION_BONUS:
      ++player->completionBonuses;
      break;
    case SHOP_COMPLETION_REFILL:
      player->completionBonuses = completion;
      break;
    default:
      if (is_money_pack(n)) {
        player->money += CGame_Config::instance().get_int_w(item_config_key(n, L"_upgrade1_value"));
      }
      break;
  }
  refresh_money();
  CScene_Level* level = game_instance().current_level_scene();
  if (level != nullptr) {
    if (n == SHOP_PRESS_COOLDOWN) {
      if (auto* press = dynamic_cast<HUD_PANEL_PRESS*>(level->bottom_windows().find("HUD_PRESS"))) {
        press->set_upgraded_images(true);
      }
    }
    level->on_shop_purchase(n);
  }
  if (int(player->trophies.size()) >= TROPHY_SHOP_PURCHASES) {
    const int purchases = player->trophies[TROPHY_SHOP_PURCHASES - 1]++;
    const int needed = CLevel_Scoring::trophy_condition(TROPHY_SHOP_PURCHASES, 1);
    if (purchases + 1 >= needed && purchases < needed) {
      player->award_trophy(TROPHY_SHOP_PURCHASES);
      SG_MAIN_PANEL* panel = main_panel();
      if (level == nullptr && panel != nullptr) panel->show_trophy_marker();
    }
  }
  fill();
  add_coin_burst(n);
  refresh_bonus_counts();
}

void SG_WINDOW_SHOP::add_coin_burst(int n) {
  auto* panel = widget_of<KOR::KC_GUI_PANEL>(*this, n);
  auto* button = widget_of<KOR::KC_GUI_BUTTON5>(*this, buy_button(n));
  if (panel == nullptr || button == nullptr) return;
  const KOR::KS_VECTOR2 at = KOR_GF::widget_position(panel);
  const KOR::KS_VECTOR2 offset = KOR_GF::widget_position(button);
  effects_->add(kCoinBurst, float(KOR::auto_position_screen_width / 2) + at.x + offset.x,
                float(KOR::auto_position_screen_height / 2) + at.y + offset.y);
}

}  // namespace game
