#include "shell/SG_FINISH_PANEL.h"

#include <gtest/gtest.h>

#include <memory>

#include "fieldview/CEffect_ExplosionList.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/CScene.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "hud_scene.h"
#include "shell/CGame_App.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/game_main.h"

namespace {

using game::SG_FINISH_PANEL;

// Stands for the level being played; leaving the level deletes it.
class SCENE_STUB : public KOR_GF::CScene {
 public:
  void start() override {}
  void restart() override {}
};

class FinishPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    scene.manager.load_list("xml/Windows hud_app.xml");
    app.current_scene = std::make_unique<SCENE_STUB>();
    ann = shell_test::MENU_SCENE::add_player(L"Ann", true);
  }
  void TearDown() override {
    app.current_scene.reset();
    game::current_level_number = 1;
    game::current_world_number = 1;
    KOR::auto_position_screen_width = 1024;
    KOR::auto_position_screen_height = 768;
  }
  SG_FINISH_PANEL* finish(int stars) {
    auto* panel = dynamic_cast<SG_FINISH_PANEL*>(scene.manager.find("WINDOW_FINISH"));
    game::CLevel_Result result;
    result.money_total = 10;
    result.money_collected = 3;
    result.score = 1234;
    result.record = 999;
    result.stars = stars;
    panel->set_result(result);
    return scene.open<SG_FINISH_PANEL>("WINDOW_FINISH");
  }
  // The panel closed by one of its buttons.
  void choose(SG_FINISH_PANEL* panel, int id) {
    panel->on_control(id);
    scene.settle();
  }
  KOR::KC_GUI_IMAGE* star(SG_FINISH_PANEL* panel, unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(panel->gui()->find(id));
  }
  std::wstring text(SG_FINISH_PANEL* panel, unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(panel->gui()->find(id))->text;
  }

  shell_test::HUD_SCENE scene;
  game::CGame_App& app = game::game_instance();
  game::gPlayer_Flumo* ann = nullptr;
};

TEST_F(FinishPanel, ShowsTheResultAndOneBurstPerStar) {
  struct CASE {
    int stars;
    int width;
  };
  for (const CASE& c : {CASE{0, 1024}, CASE{1, 1024}, CASE{3, 1024}, CASE{2, 1366}}) {
    KOR::auto_position_screen_width = c.width;
    SG_FINISH_PANEL* panel = finish(c.stars);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(text(panel, 5), L"Coins 3 of 10");
    EXPECT_EQ(text(panel, 6), L"Score 1234");
    EXPECT_EQ(text(panel, 7), L"Best 999");
    const unsigned int stars[] = {112, 114, 116};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(star(panel, stars[i])->visible, i < c.stars ? 1 : 0) << c.stars << " " << i;
    }
    ASSERT_EQ(panel->effects->count(), c.stars);
    if (c.stars > 0) {
      // The first star stands at (-80, -200) from the middle of the screen.
      const auto& first = *panel->effects->effects().begin()->second;
      EXPECT_EQ(first.x, -80.0f + c.width / 2) << c.width;
      EXPECT_EQ(first.y, -200.0f + 384) << c.width;
    }
    panel->effects->clear();
    scene.manager.close("WINDOW_FINISH");
    scene.settle();
  }
}

TEST_F(FinishPanel, WithoutItsStarsOrLabelsThePanelStillOpens) {
  std::unique_ptr<SG_FINISH_PANEL> bare(scene.make<SG_FINISH_PANEL>(
      R"(<window _name="WINDOW_FINISH" _typeOpen="SH_MOMENTAL"><GUI><LABEL ID="112"/></GUI></window>)"));
  game::CLevel_Result result;
  result.stars = 3;
  bare->set_result(result);
  bare->enable();
  bare->open();
  for (int i = 0; i < 4; ++i) bare->update();
  EXPECT_EQ(bare->state(), KOR_GF::WINDOW_OPENED);
  EXPECT_EQ(bare->effects->count(), 0);
}

TEST_F(FinishPanel, ButtonsLeadOnByLevelAndComicsShown) {
  struct CASE {
    int level;
    int comics;
    int id;
    const char* shown;  // the window shown after leaving; null: the next level started
    int comics_after;
    int world_after;
  };
  const CASE cases[] = {
      {15, 1, 1, "WINDOW_MAIN_PANEL", 2, 2},
      {15, 1, 2, "WINDOW_MAIN_PANEL", 2, 2},
      {15, 2, 2, nullptr, 2, 1},
      {15, 2, 1, "WINDOW_MAIN_PANEL", 2, 1},
      {30, 2, 2, "WINDOW_MAIN_PANEL", 3, 3},
      {30, 3, 2, nullptr, 3, 1},
      {45, 3, 2, "WINDOW_COMICS4", 4, 1},
      {45, 4, 1, "Title", 4, 1},
      {7, 4, 1, "WINDOW_MAIN_PANEL", 4, 1},
      {7, 4, 2, nullptr, 4, 1},
  };
  for (const CASE& c : cases) {
    app.current_scene = std::make_unique<SCENE_STUB>();
    scene.manager.close_all();
    scene.settle();
    game::current_level_number = c.level;
    game::current_world_number = 1;
    ann->lastComicsShowed = c.comics;
    choose(finish(3), c.id);
    if (c.shown != nullptr) {
      EXPECT_TRUE(scene.is_open(c.shown)) << c.level << "/" << c.comics << "/" << c.id;
      EXPECT_EQ(app.current_scene, nullptr) << c.level << "/" << c.comics << "/" << c.id;
      EXPECT_EQ(game::current_level_number, c.level);
    } else {
      EXPECT_EQ(game::current_level_number, c.level + 1) << c.level << "/" << c.comics;
      EXPECT_NE(app.current_scene, nullptr);
    }
    EXPECT_EQ(ann->lastComicsShowed, c.comics_after) << c.level << "/" << c.comics << "/" << c.id;
    ASSERT_NE(game::levels_window(), nullptr);
    EXPECT_EQ(game::levels_window()->comic_pending(), c.comics_after > c.comics && c.level < 45)
        << c.level << "/" << c.comics << "/" << c.id;
    game::levels_window()->set_comic_pending(false);
    EXPECT_EQ(game::current_world_number, c.world_after) << c.level << "/" << c.comics;
  }
}

TEST_F(FinishPanel, AnEarlierChoiceOrASecondClickNeverLeadsOn) {
  game::current_level_number = 7;
  choose(finish(2), 2);
  ASSERT_EQ(game::current_level_number, 8);
  // Shown again at the next level end and closed from outside: nothing.
  finish(2);
  scene.manager.close_all();
  scene.settle();
  EXPECT_EQ(game::current_level_number, 8);
  EXPECT_NE(app.current_scene, nullptr);
  // A second click while the panel closes does not change the way on.
  SG_FINISH_PANEL* panel = finish(2);
  panel->on_control(SG_FINISH_PANEL::kNextButton);
  panel->on_control(SG_FINISH_PANEL::kMenuButton);
  scene.settle();
  EXPECT_EQ(game::current_level_number, 9);
  EXPECT_FALSE(scene.is_open("WINDOW_MAIN_PANEL"));
}

}  // namespace
