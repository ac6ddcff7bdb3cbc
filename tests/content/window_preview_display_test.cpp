// The menu windows as a player sees them: each scene is built by the game's
// window factory from its window list in both logical widths, opened,
// drawn on a real window and saved as a PNG under the build tree
// (build/test/window_previews/<scene>_<width>.png) for review; every
// visible widget must lie on the screen.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SPRITE.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CScene_Level.h"
#include "platform/KC_INPUT.h"
#include "platform/host.h"
#include "puzzle/CShop_Item.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"
#include "shell/game_main.h"
#include "shell/window_factory.h"
#include "shell/window_paging.h"
#include "support/game_resources.h"
#include "support/images.h"
#include "support/logical_screen.h"

namespace {

// What a scene shows: its windows, opened in this order, the players of
// the registry (the first one current) and what the game would set in the
// windows after they opened.
struct SCENE {
  const char* name;
  std::vector<const char*> windows;
  std::vector<const wchar_t*> players = {};
  void (*after_opening)(KOR_GF::G_WINDOW_MANAGER& windows) = nullptr;
  const char* backdrop = nullptr;
  void (*before_opening)(KOR_GF::G_WINDOW_MANAGER& windows) =
      nullptr;  // a picture drawn first, where a level's board would be
};

KOR::KC_GUI_OBJECT* widget_of(KOR_GF::G_WINDOW_MANAGER& windows, const char* window, unsigned id) {
  KOR_GF::G_WINDOW* shown = windows.find(window);
  return shown ? shown->gui()->find(id) : nullptr;
}

void set_label(KOR_GF::G_WINDOW_MANAGER& windows, const char* window, unsigned id,
               const std::wstring& text) {
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(widget_of(windows, window, id))) {
    label->set_text(text);
  }
}

void set_visible(KOR_GF::G_WINDOW_MANAGER& windows, const char* window,
                 std::initializer_list<unsigned> ids, bool visible) {
  for (unsigned id : ids) {
    if (KOR::KC_GUI_OBJECT* widget = widget_of(windows, window, id)) widget->set_visible(visible);
  }
}

// What the level does to its windows once they stand: belt and press frames
// by their upper left corner, the bonus buttons beside a chosen cell, the
// ready press, the flying inscription in the middle.
void as_in_a_level(KOR_GF::G_WINDOW_MANAGER& windows) {
  std::vector<std::pair<const char*, unsigned>> upper_left = {{"HUD_TAPE", 2}};
  for (unsigned n : {1u, 2u, 3u, 4u, 5u, 11u, 12u, 13u, 14u, 15u})
    upper_left.push_back({"HUD_PRESS", n});
  for (const auto& [window, id] : upper_left) {
    auto* image = dynamic_cast<KOR::KC_GUI_IMAGE*>(widget_of(windows, window, id));
    if (image && image->quad) image->quad->set_hot_spot(KOR::HS_UL);
  }
  const float cell_x = 425.0f, cell_y = 325.0f;
  for (unsigned id : {1u, 2u, 3u}) {
    if (KOR::KC_GUI_OBJECT* button = widget_of(windows, "HUD_DESTRUCTION", id)) {
      button->set_visible(1);
      button->set_position(cell_x - 75.0f + 75.0f * static_cast<float>(id - 1), cell_y - 70.0f,
                           0.0f);
    }
  }
  if (auto* belt = dynamic_cast<KOR::KC_GUI_IMAGE*>(widget_of(windows, "HUD_TAPE", 2))) {
    if (belt->quad) belt->quad->set_size(748, static_cast<int>(belt->quad->height()));
  }
  // The water clock a little past its three-star time.
  if (auto* dial =
          dynamic_cast<game::HUD_PANEL_WATER_INDICATOR*>(windows.find("HUD_WATER_INDICATOR"))) {
    dial->set_star_times(100, 160);
    dial->update_clock(120000, nullptr);
  }
  // Counts and money as the level writes them into their templates.
  set_label(windows, "HUD_MONEY", 2, L"12480");
  set_label(windows, "HUD_COMPLETION", 11, L"3");
  set_label(windows, "HUD_DESTRUCTION", 12, L"3");
  set_label(windows, "HUD_DESTRUCTION", 32, L"3");
  set_label(windows, "HUD_PRESS", 10, L"");
}

void water_coming(KOR_GF::G_WINDOW_MANAGER& windows) {
  as_in_a_level(windows);
  if (KOR::KC_GUI_OBJECT* label = widget_of(windows, "HUD_WATER_INSCRIPTION", 1)) {
    label->set_visible(1);
    label->set_position(static_cast<float>(KOR::engine_game->resolution.x / 2), 300.0f, 0.0f);
  }
}

void press_cooling_down(KOR_GF::G_WINDOW_MANAGER& windows) {
  as_in_a_level(windows);
  auto* press = dynamic_cast<game::HUD_PANEL_PRESS*>(windows.find("HUD_PRESS"));
  ASSERT_NE(press, nullptr);
  // As the level's press does when it takes the window.
  press->measure_layout();
  press->reset_display();
  press->show_cooldown();
  press->set_cooldown_seconds(3);
}

// The finish window shows its stars and numbers from the level's result.
void two_stars_won(KOR_GF::G_WINDOW_MANAGER& windows) {
  auto* finish = dynamic_cast<game::SG_FINISH_PANEL*>(windows.find("WINDOW_FINISH"));
  ASSERT_NE(finish, nullptr);
  game::CLevel_Result result;
  result.stars = 2;
  result.score = 12750;
  result.money_collected = 12;
  result.money_total = 15;
  result.record = 11980;
  finish->set_result(result);
}

// The longest trophy texts, at rank 2 of 3.
void trophy_shown(KOR_GF::G_WINDOW_MANAGER& windows) {
  as_in_a_level(windows);
  const KOR::KC_STRING_TABLE& texts = KOR::string_table_instance();
  set_label(windows, "HUD_TROPHY", 1, texts.get_wide("trophy_item13_title"));
  set_label(windows, "HUD_TROPHY", 2, L"Send the water through 40 pipes\nin a single level.");
  set_label(windows, "HUD_TROPHY", 4, L"40 of 40");
  set_label(windows, "HUD_TROPHY", 3, L"Reward: 1500 coins");
  set_visible(windows, "HUD_TROPHY", {11, 13, 116}, false);
}

// The tutorial's longest step, its card where that step puts it.
void tutorial_shown(KOR_GF::G_WINDOW_MANAGER& windows) {
  as_in_a_level(windows);
  set_label(windows, "HUD_TUTORIAL", 3,
            KOR::string_table_instance().get_wide("tutorial_text_task_4"));
  const int width = KOR::engine_game->resolution.x;
  const float a = static_cast<float>(width == 1024 ? 272 : width / 2 - 400);
  if (KOR::KC_GUI_OBJECT* card = widget_of(windows, "HUD_TUTORIAL", 2000)) {
    card->set_position(a + 350.0f, 250.0f, 0.0f);
  }
}

// A pack's close-up as the level plays it: the picture grown to full size,
// the frames once and then round the loop; it stops at the second frame of
// the loop. Every step shows exactly one frame over the whole picture.
void closeup_in_its_loop(KOR_GF::G_WINDOW_MANAGER& windows, int pack) {
  const std::string name = "CLOSE_UP_PACK_" + std::to_string(pack);
  auto* closeup = dynamic_cast<game::CLOSE_UP_WINDOW*>(windows.find(name));
  ASSERT_NE(closeup, nullptr) << name;
  closeup->pack = pack;
  ASSERT_EQ(closeup->scale_end, 0) << "opened";
  ASSERT_GT(closeup->frame_time, 0.0f);
  const int loop = closeup->loop_frame();
  EXPECT_GE(closeup->frame_count, loop) << "the frames the loop runs through";
  int clock = 10000;
  closeup->update_animation(clock);
  clock += static_cast<int>(closeup->scale_time * 1000.0f);
  closeup->update_animation(clock);
  auto* picture = dynamic_cast<KOR::KC_GUI_IMAGE*>(closeup->gui()->find(game::CLOSE_UP_WINDOW::kPicture));
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->visible);
  EXPECT_EQ(picture->quad->width(), static_cast<float>(picture->quad->texture()->size().x));
  std::vector<int> played = {closeup->current_frame};
  const int step = static_cast<int>(closeup->frame_time * 1000.0f) + 1;
  while (played.size() < static_cast<size_t>(closeup->frame_count + 2)) {
    clock += step;
    closeup->update_animation(clock);
    played.push_back(closeup->current_frame);
    int shown = 0;
    for (int id = 1; id <= 15; ++id) {
      const KOR::KC_GUI_OBJECT* frame = closeup->gui()->find(static_cast<unsigned>(id));
      if (frame != nullptr && frame->visible) ++shown;
    }
    EXPECT_EQ(shown, 1) << "at frame " << closeup->current_frame;
  }
  std::vector<int> expected;
  for (int frame = 1; frame <= closeup->frame_count; ++frame) expected.push_back(frame);
  expected.push_back(loop);
  expected.push_back(loop + 1);
  EXPECT_EQ(played, expected);
  EXPECT_TRUE(closeup->is_open()) << "still looping";
}

template <int kPack>
void closeup_looping(KOR_GF::G_WINDOW_MANAGER& windows) {
  closeup_in_its_loop(windows, kPack);
}

const std::vector<const char*> kLevelWindows = {
    "HUD_BOTTOM_PANEL",    "HUD_TAPE",        "HUD_PRESS",
    "HUD_PAUSE",           "HUD_COMPLETION",  "HUD_MONEY",
    "HUD_WATER_INDICATOR", "HUD_DESTRUCTION", "HUD_WATER_INSCRIPTION"};

std::vector<const char*> level_with(std::initializer_list<const char*> more) {
  std::vector<const char*> names = kLevelWindows;
  names.insert(names.end(), more);
  return names;
}

// The pointer rests on a point given from the screen's centre.
void point_at(KOR_GF::G_WINDOW_MANAGER& windows, int dx, int dy) {
  KOR::KC_INPUT::instance->pointer =
      KOR::KS_IVECTOR2(KOR::engine_game->resolution.x / 2 + dx, 384 + dy);
  windows.mouse_move();
}

void pointer_on_play(KOR_GF::G_WINDOW_MANAGER& windows) { point_at(windows, 0, -14); }

void pointer_on_cancel(KOR_GF::G_WINDOW_MANAGER& windows) { point_at(windows, 105, 218); }

void ask_to_delete(KOR_GF::G_WINDOW_MANAGER& windows) {
  auto* question = dynamic_cast<game::SG_WINDOW_CONFIRM_EX*>(windows.find("Players_Confirm_Del"));
  ASSERT_NE(question, nullptr);
  question->set_name_text(L"WWWWWWWWWWWW");
}

// The window animations run to their end.
void settle(KOR_GF::G_WINDOW_MANAGER& windows) {
  KOR::frame_dt = 0.05f;
  for (int step = 0; step < 40; ++step) windows.update();
  KOR::frame_dt = 0.0f;
}

game::gPlayer_Flumo* current_profile_won(int levels) {
  game::gPlayer_Flumo* player = game::current_player();
  const int level = game::current_level_number;
  for (int n = 1; n <= levels; ++n) {
    game::current_level_number = n;
    player->store_level_result(1000, 1 + n % 3, false, false);
  }
  game::current_level_number = level;
  return player;
}

// The main panel on a tab, for a player who has won some levels; tab 2 in
// the given world.
void panel_on_tab(KOR_GF::G_WINDOW_MANAGER& windows, int tab, int won, int world) {
  current_profile_won(won)->money = 123450;
  game::current_world_number = world;
  if (game::SG_MAIN_PANEL* panel = game::main_panel()) {
    panel->refresh_money();
    panel->select_tab(tab);
  }
  settle(windows);
}

void worlds_tab(KOR_GF::G_WINDOW_MANAGER& windows) { panel_on_tab(windows, 1, 22, 0); }
void levels_of_world_1(KOR_GF::G_WINDOW_MANAGER& windows) { panel_on_tab(windows, 2, 7, 1); }
void levels_of_world_3(KOR_GF::G_WINDOW_MANAGER& windows) { panel_on_tab(windows, 2, 39, 3); }

// The trophies tab with trophies of every stage: won, on the way to their
// first rank, between ranks.
void trophies_tab(KOR_GF::G_WINDOW_MANAGER& windows) {
  std::vector<int32_t>& values = current_profile_won(5)->trophies;
  values[4] = 7;
  values[5] = 60;
  panel_on_tab(windows, game::SG_MAIN_PANEL::TAB_TROPHIES, 5, 0);
}

// A player part of the way through the shop: one upgrade bought once, one
// bought whole, the discount owned.
game::gPlayer_Flumo* shopper() {
  game::gPlayer_Flumo* player = current_profile_won(12);
  player->shop[game::SHOP_COIN_BONUS - 1] = 1;
  player->shop[game::SHOP_BONUS_LIMIT - 1] = 3;
  player->shop[game::SHOP_DISCOUNT - 1] = 1;
  return player;
}

void shop_tab(KOR_GF::G_WINDOW_MANAGER& windows) {
  shopper();
  panel_on_tab(windows, game::SG_MAIN_PANEL::TAB_SHOP, 12, 0);
}

// The second page, with an item too dear for the money left.
void shop_tab_page_2(KOR_GF::G_WINDOW_MANAGER& windows) {
  shop_tab(windows);
  shopper()->money = 300;
  if (KOR_GF::G_WINDOW* shop = windows.find("WINDOW_SHOP")) shop->on_control(game::kNextPageButton);
}

// Opened from a level's bonus window: the level runs, so the window shows
// the bonus refills and its own bar.
void level_running(KOR_GF::G_WINDOW_MANAGER&) {
  game::game_instance().current_scene = std::make_unique<game::CScene_Level>();
  game::gPlayer_Flumo* player = shopper();
  player->money = 1480;
  player->destructionBonuses = 2;
}

void all_panels(KOR_GF::G_WINDOW_MANAGER& windows) {
  for (KOR_GF::G_WINDOW* shown : windows.open_stack()) {
    if (auto* comic = dynamic_cast<game::COMICS_WINDOW*>(shown)) comic->show_all_frames();
  }
}

// The comic due after world 1, over the levels of world 2.
void comic_over_levels(KOR_GF::G_WINDOW_MANAGER& windows) {
  panel_on_tab(windows, 2, 15, 2);
  all_panels(windows);
}

// The longest name the name box takes stands in every place that shows it.
constexpr const wchar_t* kLongest = L"WWWWWWWWWWWW";

constexpr const char* kLevelBackdrop = "graphics/main/backs back1.png";

const SCENE kScenes[] = {
    {"title", {"Back", "Logo", "Title"}, {L"Captain Drip"}, &pointer_on_play},
    {"title_longest_name", {"Back", "Logo", "Title"}, {kLongest}},
    {"options", {"Back", "Logo", "Title", "Options"}, {L"Captain Drip"}, &pointer_on_cancel},
    {"credits", {"Back", "Options", "Credits"}, {L"Captain Drip"}},
    {"players", {"Back", "Players"}, {L"Marina", L"Captain Drip", kLongest}},
    {"players_full",
     {"Back", "Players"},
     {L"Ann", L"Bo", L"Cy", L"Dee", L"Eli", L"Flo", L"Gus", kLongest}},
    {"name_box", {"Back", "Logo", "Title", "Players_EditBox"}},
    {"delete_question",
     {"Back", "Players", "Players_Confirm_Del"},
     {L"Marina", kLongest},
     &ask_to_delete},
    {"exit_question", {"Back", "Logo", "Title", "Confirm_Exit"}, {L"Captain Drip"}},
    {"buy", {"Back", "Logo", "Title", "Buy"}, {L"Captain Drip"}},
    {"worlds", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &worlds_tab},
    {"levels", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &levels_of_world_1},
    {"trophies", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &trophies_tab},
    {"levels_world3", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &levels_of_world_3},
    {"shop", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &shop_tab},
    {"shop_page2", {"Back", "WINDOW_MAIN_PANEL"}, {L"Captain Drip"}, &shop_tab_page_2},
    {"level_shop", {"Back", "WINDOW_SHOP"}, {L"Captain Drip"}, nullptr, nullptr, &level_running},
    {"comic1", {"Back", "WINDOW_COMICS1"}, {L"Captain Drip"}, &all_panels},
    {"comic2",
     {"Back", "WINDOW_MAIN_PANEL", "WINDOW_COMICS2"},
     {L"Captain Drip"},
     &comic_over_levels},
    {"comic3", {"Back", "WINDOW_COMICS3"}, {L"Captain Drip"}, &all_panels},
    {"comic4", {"Back", "WINDOW_COMICS4"}, {L"Captain Drip"}, &all_panels},
    {"level", level_with({}), {L"Captain Drip"}, &water_coming, kLevelBackdrop},
    {"level_press_cooling", level_with({}), {L"Captain Drip"}, &press_cooling_down, kLevelBackdrop},
    {"level_tutorial",
     level_with({"HUD_TUTORIAL"}),
     {L"Captain Drip"},
     &tutorial_shown,
     kLevelBackdrop},
    {"level_trophy", level_with({"HUD_TROPHY"}), {L"Captain Drip"}, &trophy_shown, kLevelBackdrop},
    {"level_pause",
     level_with({"WINDOW_PAUSE"}),
     {L"Captain Drip"},
     &as_in_a_level,
     kLevelBackdrop},
    {"level_help",
     level_with({"WINDOW_PAUSE", "Help"}),
     {L"Captain Drip"},
     &as_in_a_level,
     kLevelBackdrop},
    {"level_finish",
     level_with({"WINDOW_FINISH"}),
     {L"Captain Drip"},
     &as_in_a_level,
     kLevelBackdrop,
     &two_stars_won},
    {"closeup1", {"CLOSE_UP_PACK_1"}, {}, &closeup_looping<1>, "graphics/main/backs back1.png"},
    {"closeup2", {"CLOSE_UP_PACK_2"}, {}, &closeup_looping<2>, "graphics/main/backs back2.png"},
    {"closeup3", {"CLOSE_UP_PACK_3"}, {}, &closeup_looping<3>, "graphics/main/backs back3.png"},
    {"closeup4", {"CLOSE_UP_PACK_4"}, {}, &closeup_looping<4>, "graphics/main/backs back4.png"},
    {"closeup5", {"CLOSE_UP_PACK_5"}, {}, &closeup_looping<5>, "graphics/main/backs back5.png"},
    {"closeup6", {"CLOSE_UP_PACK_6"}, {}, &closeup_looping<6>, "graphics/main/backs back6.png"},
    {"closeup7", {"CLOSE_UP_PACK_7"}, {}, &closeup_looping<7>, "graphics/main/backs back7.png"},
    {"closeup8", {"CLOSE_UP_PACK_8"}, {}, &closeup_looping<8>, "graphics/main/backs back8.png"},
    {"closeup9", {"CLOSE_UP_PACK_9"}, {}, &closeup_looping<9>, "graphics/main/backs back9.png"},
};

std::unique_ptr<KOR_GF::gPlayer> new_profile(const std::wstring& name) {
  return std::make_unique<game::gPlayer_Flumo>(name);
}

// The game's window from whichever of its factories builds the type, or a
// plain one for a type no class builds yet, so a window can be looked at
// before its class exists. The tutorial panel is built while the tutorial
// runs.
std::unique_ptr<KOR_GF::G_WINDOW> any_window(const pugi::xml_document& description) {
  for (auto* factory : {&game::window_factory, &game::level_hud_window_factory,
                        &game::level_bottom_window_factory, &game::level_closeup_window_factory}) {
    if (std::unique_ptr<KOR_GF::G_WINDOW> window = factory(description)) return window;
  }
  const pugi::xml_node element = description.first_child();
  if (!element.attribute("_name")) return nullptr;
  auto window = std::make_unique<KOR_GF::G_WINDOW_SIMPLE>(element);
  game::localise_labels(window->gui()->root);
  return window;
}

constexpr int kHeight = 768;

struct EXTENT {
  float left, right, top, bottom;
};

// Where a widget's picture lies on the screen: its quad hangs from the
// widget's pivot, except a label's text, which stands by its hot spot
// (middle, middle left or middle right).
EXTENT extent_of(KOR::KC_GUI_OBJECT* widget) {
  const KOR::KS_TRANSFORM3 world = widget->transform->world();
  const float w = widget->width();
  const float h = widget->height();
  float left = world.position.x - widget->transform->pivot.x;
  float top = world.position.y - widget->transform->pivot.y;
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(widget)) {
    left = label->hot_spot() == KOR::HS_ML   ? world.position.x
           : label->hot_spot() == KOR::HS_MR ? world.position.x - w
                                             : world.position.x - w / 2.0f;
    top = world.position.y - h / 2.0f;
  }
  return {left, left + w, top, top + h};
}

// The shop's money packs are kept outside the screen, beyond the pointer.
bool parked_on_purpose(const std::string& window, unsigned id) {
  return window == "WINDOW_SHOP" && id >= game::SHOP_MONEY_PACK_1 && id <= game::SHOP_MONEY_PACK_4;
}

void expect_on_screen(KOR::KC_GUI_OBJECT* widget, int width, const std::string& where) {
  for (KOR::KC_GUI_OBJECT* child : widget->children) {
    if (!child->visible || parked_on_purpose(where, child->id())) continue;
    const EXTENT e = extent_of(child);
    const std::string what = where + " widget " + std::to_string(child->id());
    // A band across the whole screen may run past both edges.
    const bool band = e.left <= 0.0f && e.right >= static_cast<float>(width);
    if (!band) {
      EXPECT_GE(e.left, 0.0f) << what;
      EXPECT_LE(e.right, static_cast<float>(width)) << what;
    }
    EXPECT_GE(e.top, 0.0f) << what;
    EXPECT_LE(e.bottom, static_cast<float>(kHeight)) << what;
    expect_on_screen(child, width, where);
  }
}

class WindowPreview : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (!screen.open("preview", GetParam(), kHeight, 0xFF000000u)) {
      GTEST_SKIP() << "no display: " << KOR::host_error();
    }
    ASSERT_NE(screen.render, nullptr);
    pugi::xml_node table = resources.root("xml strings.xml");
    ASSERT_TRUE(table);
    KOR::string_table_instance().clear();
    ASSERT_GT(KOR::string_table_instance().load(table.parent(), 0, 0), 0);
    KOR_GF::players_instance().factory = &new_profile;
    // The version and copyright the options window shows.
    ASSERT_TRUE(game::game_info_load("xml game.xml"));
  }

  void TearDown() override { KOR::string_table_instance().clear(); }

  static void set_players(const SCENE& scene) {
    KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
    for (const std::wstring& name : players.names()) players.remove(name);
    for (const wchar_t* name : scene.players) players.create(name);
    players.current = players.players.empty() ? nullptr : players.players.front().get();
  }

  // Opens the scene's windows and lets their show animations finish.
  void open(KOR_GF::G_WINDOW_MANAGER& windows, const SCENE& scene) {
    set_players(scene);
    if (scene.before_opening) scene.before_opening(windows);
    for (const char* name : scene.windows) {
      ASSERT_NE(windows.show(name), nullptr) << name;
    }
    KOR::frame_dt = 0.05f;
    for (int step = 0; step < 40; ++step) windows.update();
    KOR::frame_dt = 0.0f;
    if (scene.after_opening) scene.after_opening(windows);
  }

  void save(KOR_GF::G_WINDOW_MANAGER& windows, const char* backdrop, const std::string& file,
            int width) {
    ASSERT_EQ(screen.render->begin_frame(), 1);
    if (backdrop) {
      KOR_GF::G_SPRITE picture(backdrop);
      picture.load();
      picture.set_hot_spot(KOR::HS_MU, 0.0f, 0.0f);
      picture.set_position(static_cast<float>(width / 2), 0.0f, 0.0f);
      picture.draw();
      picture.unload();
    }
    windows.draw();
    const std::vector<uint32_t> pixels = screen.end_frame();
    ASSERT_FALSE(pixels.empty());
    // Every scene stands on a backdrop that reaches both edges of the screen.
    for (int x : {2, width - 3}) {
      EXPECT_NE(pixels[static_cast<size_t>(300 * width + x)], 0xFF000000u) << "column " << x;
    }
    const std::vector<unsigned char> png = test_support::encode_png(width, kHeight, pixels);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }

  // Widgets keep the address of its pointer from their construction on.
  KOR::KC_INPUT input;
  content_test::GameResources resources;
  // Gone before the resources, as the game's renderer is.
  test_support::LOGICAL_SCREEN screen;
};

TEST_P(WindowPreview, EverySceneIsDrawnWithEveryWidgetOnTheScreen) {
  const int width = GetParam();
  const std::filesystem::path folder =
      std::filesystem::path(test_support::runtime_dir()).parent_path() / "window_previews";
  std::filesystem::create_directories(folder);
  for (const SCENE& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    KOR_GF::G_WINDOW_MANAGER windows(&any_window);
    for (const char* list : {"xml/Windows all_windows.xml", "xml/Game HUDwindows.xml",
                             "xml/Game HUDwindows_press_tape.xml", "xml/Game CloseUpWindows.xml"}) {
      ASSERT_TRUE(windows.load_list(list)) << list;
    }
    KOR_GF::G_WINDOW_MANAGER* const game_windows = game::game_instance().windows;
    game::game_instance().windows = &windows;
    open(windows, scene);
    for (KOR_GF::G_WINDOW* shown : windows.open_stack()) {
      expect_on_screen(shown->gui()->root, width, shown->name());
    }
    save(windows, scene.backdrop,
         (folder / (std::string(scene.name) + "_" + std::to_string(width) + ".png")).string(),
         width);
    windows.disable_all();
    game::game_instance().current_scene.reset();
    game::game_instance().windows = game_windows;
    set_players(SCENE{"", {}});
  }
}

bool overlap(const EXTENT& a, const EXTENT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A trophy's progress may run as long as its largest condition: it keeps
// clear of the coin before the reward and of the rank marks.
TEST_P(WindowPreview, TheLongestTrophyProgressKeepsClearOfTheCoinAndTheMarks) {
  const SCENE* scene = nullptr;
  for (const SCENE& s : kScenes) {
    if (std::string(s.name) == "trophies") scene = &s;
  }
  ASSERT_NE(scene, nullptr);
  KOR_GF::G_WINDOW_MANAGER windows(&any_window);
  ASSERT_TRUE(windows.load_list("xml/Windows all_windows.xml"));
  KOR_GF::G_WINDOW_MANAGER* const game_windows = game::game_instance().windows;
  game::game_instance().windows = &windows;
  open(windows, *scene);
  for (unsigned n = 1; n <= 18; ++n) {
    SCOPED_TRACE("trophy " + std::to_string(n));
    set_label(windows, "WINDOW_TROPHIES", 100 * n + 3, L"99999 of 100000");
    KOR::KC_GUI_OBJECT* progress = widget_of(windows, "WINDOW_TROPHIES", 100 * n + 3);
    ASSERT_NE(progress, nullptr);
    for (unsigned beside : {5u, 12u, 14u, 16u}) {
      KOR::KC_GUI_OBJECT* other = widget_of(windows, "WINDOW_TROPHIES", 100 * n + beside);
      if (other == nullptr) continue;
      EXPECT_FALSE(overlap(extent_of(progress), extent_of(other))) << "widget +" << beside;
    }
  }
  windows.disable_all();
  game::game_instance().windows = game_windows;
  set_players(SCENE{"", {}});
}

INSTANTIATE_TEST_SUITE_P(BothWidths, WindowPreview, ::testing::Values(1024, 1366));

}  // namespace
