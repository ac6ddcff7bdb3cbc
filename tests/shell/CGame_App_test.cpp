#include "shell/CGame_App.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "framework/CScene.h"
#include "framework/G_PLAYERS.h"
#include "level/CScene_Level.h"
#include "shell/gPlayer_Flumo.h"

namespace {

using namespace game;

// A scene that writes what reached it.
class LogScene : public KOR_GF::CScene {
 public:
  explicit LogScene(std::vector<std::string>* log) : log_(log) {}
  void update() override { log_->push_back("update"); }
  void start() override { log_->push_back("start"); }
  void restart() override { log_->push_back("restart"); }
  void mouse_move() override { log_->push_back("move"); }
  void key_down(int code) override { log_->push_back("down " + std::to_string(code)); }
  void key_up(int code) override { log_->push_back("up " + std::to_string(code)); }

 private:
  std::vector<std::string>* log_;
};

class GameAppTest : public testing::Test {
 protected:
  void TearDown() override {
    app.current_scene.reset();
    app.developer_mode = 0;
    app.all_levels_open = 0;
    KOR_GF::players_instance().current = nullptr;
    KOR::frame_dt = 0.0f;
  }
  CGame_App& app = game_instance();
};

TEST_F(GameAppTest, OnlyALevelSceneIsTheCurrentLevelScene) {
  EXPECT_EQ(app.current_level_scene(), nullptr);
  std::vector<std::string> log;
  app.current_scene = std::make_unique<LogScene>(&log);
  EXPECT_EQ(app.current_level_scene(), nullptr);
  app.current_scene = std::make_unique<CScene_Level>();
  EXPECT_EQ(app.current_level_scene(), app.current_scene.get());
}

// The fraction of each frame's milliseconds is dropped, not carried.
TEST_F(GameAppTest, GameClockAdvancesByWholeMillisecondsOfEachFrame) {
  struct CASE {
    float frame_dt;
    int frames;
    int32_t advance;
  };
  for (const CASE& c : {CASE{0.0166f, 3, 48}, CASE{0.0009f, 10, 0}, CASE{0.5f, 2, 1000}}) {
    KOR::frame_dt = c.frame_dt;
    const int32_t before = game_clock_ms;
    for (int i = 0; i < c.frames; ++i) app.update();
    EXPECT_EQ(game_clock_ms - before, c.advance) << c.frame_dt;
  }
}

TEST_F(GameAppTest, EveryEventReachesTheSceneAndKeysGoOnToTheWindows) {
  std::vector<std::string> log;
  app.current_scene = std::make_unique<LogScene>(&log);
  EXPECT_EQ(app.update(), 1);
  EXPECT_EQ(app.on_key_down(65), 1);
  EXPECT_EQ(app.on_key_up(65), 1);
  EXPECT_EQ(app.on_mouse_move(), 1);
  app.draw();
  EXPECT_EQ(log, (std::vector<std::string>{"update", "down 65", "up 65", "move"}));
}

TEST_F(GameAppTest, DeveloperKeysActOnlyInDeveloperModeAndWhereTheyBelong) {
  gPlayer_Flumo player(L"Ada");
  KOR_GF::players_instance().current = &player;
  app.on_key_down('M');
  app.on_key_down('O');
  EXPECT_EQ(player.money, 0) << "no developer mode, no money";
  EXPECT_EQ(app.all_levels_open, 0);

  app.developer_mode = 1;
  app.on_key_down('M');
  EXPECT_EQ(player.money, 5000);
  app.on_key_down('O');
  EXPECT_EQ(app.all_levels_open, 1);
  app.on_key_down('O');
  EXPECT_EQ(app.all_levels_open, 0);

  std::vector<std::string> log;
  app.current_scene = std::make_unique<LogScene>(&log);
  app.on_key_down('O');
  EXPECT_EQ(app.all_levels_open, 0) << "'O' does nothing while a scene runs";
  app.on_key_down('M');
  EXPECT_EQ(player.money, 10000) << "'M' works anywhere";

  KOR_GF::players_instance().current = nullptr;
  app.on_key_down('M');
  EXPECT_EQ(player.money, 10000) << "without a current player nothing changes";
}

}  // namespace
