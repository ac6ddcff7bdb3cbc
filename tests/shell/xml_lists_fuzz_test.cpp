#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <pugixml.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "fieldview/CLevel_FieldView.h"
#include "fieldview/field_atlas.h"
#include "framework/G_CURSOR.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_SETTINGS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/resource_list.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/KC_INPUT.h"
#include "puzzle/CGame_Config.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/game_info.h"
#include "shell/game_repositories.h"
#include "shell/window_factory.h"
#include "support/damaged_text.h"
#include "support/paths.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::string file_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void read_fonts() {
  KOR_GF::G_FONT_LIST fonts;
  fonts.load("xml fonts.xml");
  fonts.release_textures();
}

int32_t no_step(KOR::KC_LOADER*) { return 0; }

// The start-up pictures shown, one skipped by a key, until the last.
void show_splashes() {
  game::G_LOADER_SCREEN screen(&no_step);
  KOR::frame_dt = 0.5f;
  for (int frame = 0; frame < 20 && screen.current < int32_t(screen.splashes.size()); ++frame) {
    if (frame == 2) screen.next_splash();
    screen.update();
    screen.draw();
  }
  KOR::frame_dt = 0.0f;
}

// The window of `name` from the list, opened and run for `seconds` of
// game clock (the clock, then one update and a drawing, every 50 ms), with
// a click in the screen's middle on the way.
void run_window(KOR_GF::G_WINDOW_MANAGER& windows, const std::string& name, int seconds,
                const std::function<void(int32_t)>& step = nullptr) {
  KOR_GF::G_WINDOW* window = windows.find(name);
  if (window == nullptr || windows.show(name) == nullptr) return;
  windows.enable(name);
  KOR::KS_IVECTOR2 pointer{512, 384};
  KOR::input_mouse_position = &pointer;
  KOR::frame_dt = 0.05f;
  for (int32_t clock = 0; clock < seconds * 1000; clock += 50) {
    game::game_clock_ms = clock;
    windows.update();
    if (step) step(clock);
    if (clock == 2000) window->key_down(1);
    windows.draw();
  }
  KOR::frame_dt = 0.0f;
  KOR::input_mouse_position = nullptr;
  game::game_clock_ms = 0;
}

// The first pack's close-up, as the level opens it from the close-up list.
void show_close_up() {
  KOR_GF::G_WINDOW_MANAGER windows(&game::level_closeup_window_factory);
  windows.load_list("xml/Game CloseUpWindows.xml");
  auto* closeup = dynamic_cast<game::CLOSE_UP_WINDOW*>(windows.find("CLOSE_UP_PACK_1"));
  if (closeup == nullptr) return;
  closeup->pack = 1;
  run_window(windows, "CLOSE_UP_PACK_1", 12,
             [closeup](int32_t clock) { closeup->update_animation(clock); });
}

// The first comic's page, its panels growing one after the other.
void show_comic() {
  KOR_GF::G_WINDOW_MANAGER windows(&game::window_factory);
  windows.load_list("xml comic_list.xml");
  run_window(windows, "WINDOW_COMICS1", 12);
}

// A list or description the game reads, under Resources, and how the game
// reads it.
struct LIST {
  const char* file;
  std::function<void()> read;
};

const LIST kLists[] = {
    {"xml/game.xml", [] { game::game_info_load("xml game.xml"); }},
    {"xml/resource_list.xml",
     [] {
       KOR_GF::resource_list_register("xml resource_list.xml");
       KOR_GF::resource_list_unregister();
     }},
    {"xml/fonts.xml", &read_fonts},
    {"fonts/default.xml", &read_fonts},
    {"fonts/font_big.xml", &read_fonts},
    {"xml/sounds.xml",
     [] {
       KOR_GF::G_SOUND_MANAGER sounds;
       sounds.load("xml sounds.xml");
       sounds.play("music_title", true, 0.0f, 0.0f);
       sounds.play("sound_button_click", false, 0.0f, 0.0f);
       sounds.release_all();
     }},
    {"xml/strings.xml",
     [] {
       KOR::KC_RESOURCE_MANAGER& manager = *KOR::engine_resource_manager;
       pugi::xml_document* strings = manager.get_xml("xml strings.xml");
       if (strings == nullptr) return;
       KOR::KC_STRING_TABLE texts;
       texts.load(*strings, 0, 0);
       texts.get_wide("title_play");
       texts.get_wide("no such text");
       manager.release_xml(strings);
     }},
    {"xml/gCursor.xml",
     [] {
       KOR_GF::G_CURSOR cursor;
       cursor.load_xml("xml gCursor.xml");
       cursor.unload();
     }},
    {"xml/Windows/all_windows.xml",
     [] {
       KOR_GF::G_WINDOW_MANAGER windows(&game::window_factory);
       windows.load_list("xml/Windows all_windows.xml");
     }},
    {"xml/Settings.xml", [] { KOR_GF::settings_load("xml/Settings.xml"); }},
    {"xml/screen_loading.xml", &show_splashes},
    {"objects.xml",
     [] {
       game::CLevel_FieldView view;
       view.load_part_offsets();
     }},
    {"xml/Game/CloseUpWindows.xml", &show_close_up},
    {"xml/Game/CLOSE_UP_PACK_1.xml", &show_close_up},
    {"xml/Windows/WINDOW_COMICS1.xml", &show_comic},
    {"xml/atlas/game_elements_atlas.xml",
     [] {
       pugi::xml_document atlas;
       const pugi::xml_node images = game::load_atlas(atlas, "xml/atlas/game_elements_atlas.xml");
       for (const char* id : {"main_elements_pipes_pipe1", "main_animations_explosion_1"}) {
         KOR::KC_QUAD* sprite =
             game::atlas_sprite_half_texel(images, id, "graphics/gui cursor.png", 0);
         game::release_sprite(sprite);
       }
     }},
};

// Under the sanitizers: every list and description the game reads, damaged
// every way the window descriptions are, is read as the game reads it
// without a crash, an out-of-bounds read or a leak.
TEST(xml_lists_fuzz, DamagedListsAndDescriptionsAreReadWithoutHarm) {
  // The game's Resources, copied so each file can be damaged in place,
  // behind a renderer on the recording device.
  test_support::TempFolder game("aquavex-lists");
  fs::copy(test_support::runtime_dir(), game.path(), fs::copy_options::recursive);
  ASSERT_EQ(chdir(game.path().c_str()), 0);
  KOR::KC_FILE_SYSTEM file_system;  // enters "Resources"
  KOR::KC_RENDER render(std::make_unique<KOR::GPU_NULL>());
  render.init(nullptr, 0.1f, 0.0f);
  // The comic page alone, as the game's list names it.
  std::ofstream(fs::current_path() / "xml" / "comic_list.xml")
      << "<windows><window file=\"xml/Windows WINDOW_COMICS1.xml\"/></windows>";
  std::mt19937 random(20261210);
  testing::internal::CaptureStderr();
  for (const LIST& list : kLists) {
    const fs::path file = fs::current_path() / list.file;
    const std::string original = file_text(file);
    ASSERT_FALSE(original.empty()) << list.file;
    for (const std::string& variant : test_support::damaged_variants(original, random)) {
      std::ofstream(file, std::ios::binary | std::ios::trunc) << variant;
      KOR::KC_RESOURCE_MANAGER manager;
      KOR::engine_resource_manager = &manager;
      game::mount_repositories(&manager);
      // What the others rely on is there, as at the game's start.
      game::CGame_Config::instance().load();
      KOR_GF::resource_list_register("xml resource_list.xml");
      list.read();
      KOR_GF::resource_list_unregister();
      KOR::engine_resource_manager = nullptr;
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << original;
  }
  testing::internal::GetCapturedStderr();
  KOR::KC_FILE_SYSTEM::instance = nullptr;
}

}  // namespace
