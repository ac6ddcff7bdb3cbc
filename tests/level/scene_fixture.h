#pragma once

#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_IVECTOR2.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "platform/KC_INPUT.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Field.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_factory.h"
#include "support/paths.h"
#include "support/resource_sandbox.h"

namespace level_test {

// 5 x 6, grows up: a start elbow at (2, 5) fed by equipment, the final end
// piece at (2, 0) opening down; straights at (2, 4)..(2, 1) join them.
// (3, 3) holds a destructible one-cell obstacle of `obstacle_type`.
inline std::string straight_level(int time_for_3 = 100, int time_for_2 = 200,
                                  int obstacle_type = 1) {
  const std::string cells =
      "<cell x=\"0\" y=\"5\" contentType=\"2\" pipeType=\"13\" pipePartNumber=\"0\"/>"
      "<cell x=\"0\" y=\"4\" contentType=\"2\" pipeType=\"13\" pipePartNumber=\"1\"/>"
      "<cell x=\"1\" y=\"4\" contentType=\"2\" pipeType=\"13\" pipePartNumber=\"2\"/>"
      "<cell x=\"1\" y=\"5\" contentType=\"2\" pipeType=\"13\" pipePartNumber=\"3\"/>"
      "<cell x=\"2\" y=\"0\" contentType=\"2\" pipeType=\"1\" pipeAngle=\"270\" isFinal=\"true\"/>"
      "<cell x=\"3\" y=\"3\" contentType=\"1\" obstacleType=\"" +
      std::to_string(obstacle_type) +
      "\" isDestructible=\"true\"/>"
      "<cell x=\"2\" y=\"5\" contentType=\"2\" pipeType=\"4\" isStarting=\"true\"/>";
  return "<level fieldWidth=\"5\" fieldHeight=\"6\" scrollingType=\"0\" "
         "percentOfBonusPipesOnTape=\"0\" timeFor2Stars=\"" +
         std::to_string(time_for_2) + "\" timeFor3Stars=\"" + std::to_string(time_for_3) +
         "\" stepOfWaterFlowingOut=\"1.0\"><availablePipes pipe1=\"true\" pipe2=\"true\" "
         "pipe5=\"true\"/>" +
         cells + "</level>";
}

// A Resources folder of its own with the level files a test writes, a
// renderer on the recording device, the configuration below, a current
// player and the pointer; the scene is made by the test.
class SceneFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    render.init(nullptr, 0.1f, 0.0f);
    for (const char* folder : {"xml/Game", "graphics"}) {
      std::filesystem::create_directories(sandbox.resources() / folder);
    }
    mount();
    set_config("");
    KOR::auto_position_screen_width = 1024;
    KOR::auto_position_screen_height = 768;
    KOR_GF::players_instance().current = &player;
    KOR::input_mouse_position = &pointer;
    game::current_level_number = 3;
    game::level_tutorial_active = 0;
    KOR::frame_dt = 0.016f;
  }

  void TearDown() override {
    scene.reset();
    game::game_instance().current_scene.reset();
    game::level_tutorial_active = 0;
    KOR_GF::players_instance().current = nullptr;
    KOR::input_mouse_position = nullptr;
    game::CGame_Config::instance().set_document(nullptr);
    KOR::engine_resource_manager = nullptr;
    KOR::string_table_instance().clear();
    KOR::frame_dt = 0.0f;
  }

  // The configuration: points per piece and the keys a test adds.
  void set_config(const std::string& extra) {
    config.load_string(("<config><pipe_5 text=\"10\"/><pipe_1 text=\"7\"/>"
                        "<timeOfScrollingFieldBeforeLevelStart text=\"1\"/>"
                        "<maximumNumberOfCompletionBonus text=\"3\"/>"
                        "<maximumNumberOfDestructionBonus text=\"3\"/>"
                        "<speedOfTape text=\"1\"/>" +
                        extra + "</config>")
                           .c_str());
    game::CGame_Config::instance().set_document(&config);
  }

  // The game's own texts, for labels whose numbers a test reads; before
  // the scene is made, as its windows take their texts when built.
  void use_game_texts() {
    pugi::xml_document texts;
    ASSERT_TRUE(texts.load_file(test_support::source_path("Resources/xml/strings.xml").c_str()));
    KOR::string_table_instance().load(texts, 0, 0);
  }

  // A wide label of a window of one of the scene's managers; null when
  // either is missing.
  static KOR::KC_GUI_WLABEL* label_of(const KOR_GF::G_WINDOW_MANAGER& windows, const char* window,
                                      unsigned int id) {
    const KOR_GF::G_WINDOW* found = windows.find(window);
    return found ? dynamic_cast<KOR::KC_GUI_WLABEL*>(found->gui()->find(id)) : nullptr;
  }

  // The level files live in the archive "xml/Levels", as in the game;
  // written unencrypted, so no password opens them.
  void write_level(int n, const std::string& xml) {
    levels["Levels/level_" + std::to_string(n) + ".xml"] = xml;
    const std::string archive = (sandbox.resources() / "xml" / "Levels").string();
    zipFile zip = zipOpen64(archive.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, text] : levels) {
      zip_fileinfo info{};
      ASSERT_EQ(zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                ZIP_OK);
      zipWriteInFileInZip(zip, text.data(), unsigned(text.size()));
      zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
  }

  // The game's own HUD descriptions, with their pictures when asked.
  void use_game_hud(bool with_pictures) {
    const auto options = std::filesystem::copy_options::recursive |
                         std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy(test_support::source_path("Resources/xml/Game"),
                          sandbox.resources() / "xml" / "Game", options);
    if (with_pictures) {
      std::filesystem::create_directories(sandbox.resources() / "graphics" / "main");
      std::filesystem::copy(test_support::source_path("Resources/graphics/main/interface"),
                            sandbox.resources() / "graphics" / "main" / "interface", options);
    }
  }

  // The close-up list with pack 1's window, without frames, which closes
  // 0.5 s after its first frame step; and a finish window to end in.
  void write_pack_1_closeup() {
    const std::filesystem::path game = sandbox.resources() / "xml" / "Game";
    std::ofstream(game / "CloseUpWindows.xml")
        << "<windows><window file=\"xml/Game CLOSE_UP_PACK_1.xml\"/></windows>";
    std::ofstream(game / "CLOSE_UP_PACK_1.xml")
        << "<window _type=\"CLOSE_UP_WINDOW\" _name=\"CLOSE_UP_PACK_1\" _typeOpen=\"SH_MOMENTAL\" "
           "_typeClose=\"SH_MOMENTAL\" _timeShow=\"0\"><GUI></GUI></window>";
    set_config("<closeUpAnimationTotalTimeAfterFirstPlay text=\"0.5\"/>");
    register_app_windows({"WINDOW_FINISH"});
  }

  // Plain windows of these names in the application's window manager,
  // standing in for the menus that open over a level.
  void register_app_windows(std::initializer_list<const char*> names) {
    const std::filesystem::path folder = sandbox.resources() / "xml";
    std::ofstream list(folder / "app_windows.xml");
    list << "<windows>";
    for (const char* name : names) {
      list << "<window file=\"xml " << name << ".xml\"/>";
      std::ofstream(folder / (std::string(name) + ".xml"))
          << "<window _type=\"G_WINDOW_SIMPLE\" _name=\"" << name
          << "\" _typeOpen=\"SH_MOMENTAL\" _typeClose=\"SH_MOMENTAL\" _timeShow=\"0\"/>";
    }
    list << "</windows>";
    list.close();
    mount();
    ASSERT_TRUE(game::window_manager_instance().load_list("xml app_windows.xml"));
  }

  // A fresh resource manager over what the folders hold now: folder
  // repositories list their files when they are mounted.
  void mount() {
    KOR::engine_resource_manager = nullptr;
    manager = std::make_unique<KOR::KC_RESOURCE_MANAGER>();
    for (const char* folder : {"", "xml", "xml/Levels", "xml/Game", "xml/Windows", "graphics",
                               "graphics/main/interface"}) {
      manager->add_repository(folder, "");
    }
    KOR::engine_resource_manager = manager.get();
  }

  // A scene started on level n, run through its intro; the level files
  // written before stay readable.
  void start(int n, const std::string& xml = straight_level()) {
    scene.reset();
    write_level(n, xml);
    mount();
    game::current_level_number = n;
    scene = std::make_unique<game::CScene_Level>();
    scene->start();
    ASSERT_TRUE(scene->start_failed().empty()) << scene->start_failed();
    play_through_intro();
  }

  void play_through_intro() {
    for (int frame = 0; frame < 1000 && scene->state == game::CScene_Level::STATE_INTRO; ++frame) {
      scene->update();
    }
    ASSERT_EQ(scene->state, game::CScene_Level::STATE_PLAY);
  }

  // Puts a piece of `type` at `angle` into the hand.
  void hold(int type, int angle = 0) {
    scene->held_piece = std::make_unique<game::CPipe_Sprite>();
    scene->held_piece->load_sprite(type);
    scene->held_piece->set_angle_degrees(float(angle));
    scene->holding = 1;
  }

  // The pointer on the middle of cell (x, y), or on a screen point.
  void point_at_cell(int x, int y) {
    const KOR::KS_VECTOR2 centre = scene->field->cell_center(x, y);
    point_at(centre.x, centre.y);
  }
  void point_at(float x, float y) {
    pointer.x = int(x);
    pointer.y = int(y);
  }
  void click_cell(int x, int y) {
    point_at_cell(x, y);
    scene->key_down(1);
  }

  ResourceSandbox sandbox{false};
  KOR::GPU_NULL* gpu = new KOR::GPU_NULL;  // owned by the renderer
  KOR::KC_RENDER render{std::unique_ptr<KOR::GPU>(gpu)};
  std::unique_ptr<KOR::KC_RESOURCE_MANAGER> manager;
  pugi::xml_document config;
  game::gPlayer_Flumo player;
  KOR::KS_IVECTOR2 pointer;
  std::unique_ptr<game::CScene_Level> scene;
  std::map<std::string, std::string> levels;
};

}  // namespace level_test
