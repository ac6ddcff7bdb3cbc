#include "shell/SG_WINDOW_OPTIONS.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_SETTINGS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "gui/KC_GUI_CHECKBOX_INTERFACE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"

namespace {

using game::SG_WINDOW_OPTIONS;
using KOR::KC_GUI_SLIDER13;

// The fixture's options window stands at the screen centre: OK at
// (412, 584), cancel at (612, 584), credits at (512, 584), the full-screen
// box at (412, 234), the pointer box at (612, 234), the sound slider's track
// from (312, 334) to (712, 334) and the music slider's from (312, 434) to
// (712, 434).
class Options : public ::testing::Test {
 protected:
  void SetUp() override {
    ann = scene.add_player(L"Ann", true);
    ann->set_sound_volume(30.0f);
    ann->set_music_volume(70.0f);
    ann->set_game_cursor(false);
    ann->full_screen = 0;
    ann->money = 120;
    scene.manager.enable("Options");
    options = scene.open<SG_WINDOW_OPTIONS>("Options");
    ASSERT_NE(options, nullptr);
  }

  KC_GUI_SLIDER13* slider(unsigned int id) {
    return dynamic_cast<KC_GUI_SLIDER13*>(options->gui()->find(id));
  }
  bool ticked(unsigned int id) {
    return dynamic_cast<KOR::KC_GUI_CHECKBOX_INTERFACE*>(options->gui()->find(id))->is_checked();
  }
  std::wstring label(unsigned int id) {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(options->gui()->find(id))->text;
  }
  // A left click at the point through the application's windows.
  void click(int x, int y) {
    scene.point(x, y);
    scene.manager.mouse_move();
    scene.next_frame();
    scene.click_down(x, y);
    scene.manager.key_down(1);
    scene.next_frame();
    scene.click_up(x, y);
    scene.manager.key_up(1);
  }
  float music_gain() const { return KOR_GF::sound_manager_instance().music_volume(); }
  float sound_gain() const { return KOR_GF::sound_manager_instance().sound_volume(); }

  shell_test::MENU_SCENE scene;
  game::gPlayer_Flumo* ann = nullptr;
  SG_WINDOW_OPTIONS* options = nullptr;
};

TEST_F(Options, OpeningShowsThePlayersSettings) {
  EXPECT_EQ(slider(9)->value(), 30.0f);
  EXPECT_EQ(slider(10)->value(), 70.0f);
  EXPECT_FALSE(ticked(7));
  EXPECT_FALSE(ticked(8));
  EXPECT_EQ(options->player(), ann);
  ASSERT_NE(options->backup(), nullptr);
  EXPECT_NE(options->backup(), ann);
  // The backup is a whole profile, progress and shop included.
  EXPECT_EQ(options->backup()->levels.size(), ann->levels.size());
  EXPECT_EQ(options->backup()->shop.size(), ann->shop.size());
  EXPECT_EQ(options->backup()->money, 120);
}

TEST_F(Options, TheCopyrightShowsOnlyWhileTheWindowStandsOpen) {
  options->close();
  scene.settle();
  scene.manager.show("Options");
  EXPECT_EQ(label(102), L"");
  scene.settle();
  EXPECT_EQ(label(102), game::game_info_copyright());
  click(412, 584);
  EXPECT_EQ(label(102), L"");
}

TEST_F(Options, ChangesTakeEffectAtTheReleaseAndOkSavesThem) {
  click(412, 234);  // full screen
  EXPECT_TRUE(ticked(7));
  EXPECT_EQ(ann->full_screen, 1);
  EXPECT_EQ(KOR_GF::G_SETTINGS::fullscreen, 1);
  click(612, 234);  // the game's pointer
  EXPECT_TRUE(ann->game_cursor());
  EXPECT_TRUE(game::game_instance().cursor.visible());
  slider(9)->set_value(80.0f);
  click(5, 5);  // any release applies
  EXPECT_EQ(ann->sound_volume(), 80.0f);
  EXPECT_FLOAT_EQ(sound_gain(), 0.8f);
  EXPECT_FALSE(std::filesystem::exists(scene.players_file())) << "only OK saves";

  click(412, 584);
  EXPECT_FALSE(options->is_open());
  ASSERT_TRUE(std::filesystem::exists(scene.players_file()));
  scene.players().remove(L"Ann");
  ASSERT_TRUE(scene.players().load(game::user_data_dir()));
  const auto* saved = dynamic_cast<game::gPlayer_Flumo*>(scene.players().find(L"Ann"));
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->sound_volume(), 80.0f);
  EXPECT_EQ(saved->full_screen, 1);
  EXPECT_TRUE(saved->game_cursor());
}

TEST_F(Options, CancelPutsTheSettingsBackAndSavesNothing) {
  click(412, 234);
  slider(9)->set_value(10.0f);
  slider(10)->set_value(90.0f);
  click(5, 5);
  EXPECT_FLOAT_EQ(music_gain(), 0.9f);

  click(612, 584);
  EXPECT_FALSE(options->is_open());
  EXPECT_EQ(ann->sound_volume(), 30.0f);
  EXPECT_EQ(ann->music_volume(), 70.0f);
  EXPECT_EQ(ann->full_screen, 0);
  EXPECT_FALSE(ann->game_cursor());
  EXPECT_FLOAT_EQ(sound_gain(), 0.3f);
  EXPECT_FLOAT_EQ(music_gain(), 0.7f);
  EXPECT_EQ(ann->money, 120);
  EXPECT_FALSE(std::filesystem::exists(scene.players_file()));
}

TEST_F(Options, TheMusicSliderFollowsThePointerAtMostEveryTenthOfASecond) {
  scene.point(600, 434);
  slider(10)->set_value(20.0f);
  options->mouse_move();
  EXPECT_EQ(ann->music_volume(), 20.0f);
  EXPECT_FLOAT_EQ(music_gain(), 0.2f);

  slider(10)->set_value(40.0f);
  options->mouse_move();
  EXPECT_EQ(ann->music_volume(), 20.0f) << "within 0.1 s";
  KOR::frame_dt = 0.05f;
  options->draw();
  options->mouse_move();
  EXPECT_EQ(ann->music_volume(), 20.0f) << "0.05 s drawn";
  options->draw();
  options->mouse_move();
  EXPECT_EQ(ann->music_volume(), 40.0f);

  // Off the track nothing is applied, and moves never save.
  options->draw();
  options->draw();
  slider(10)->set_value(60.0f);
  scene.point(600, 600);
  options->mouse_move();
  EXPECT_EQ(ann->music_volume(), 40.0f);
  EXPECT_FALSE(std::filesystem::exists(scene.players_file()));
}

TEST_F(Options, OnAWideDesktopTheFullScreenBoxSwitchesTheWindowsToTheWideLayout) {
  KOR_GF::G_SETTINGS::wide_desktop = 1;
  EXPECT_EQ(options->shown().position.x, 512.0f);
  click(412, 234);
  EXPECT_EQ(KOR::auto_position_screen_width, 1366);
  EXPECT_EQ(options->shown().position.x, 683.0f);
  slider(9)->set_value(40.0f);
  click(5, 5);  // the same width again moves nothing
  EXPECT_EQ(options->shown().position.x, 683.0f);
  click(412 + 171, 234);
  EXPECT_EQ(KOR::auto_position_screen_width, 1024);
  EXPECT_EQ(options->shown().position.x, 512.0f);
  KOR_GF::G_SETTINGS::wide_desktop = 0;
}

TEST_F(Options, ControlsWaitUntilTheWindowStandsOpen) {
  options->close();
  scene.settle();
  scene.manager.show("Options");
  options->on_control(SG_WINDOW_OPTIONS::kCreditsButton);
  options->on_control(SG_WINDOW_OPTIONS::kOkButton);
  EXPECT_FALSE(scene.is_open("Credits"));
  EXPECT_TRUE(options->is_open());
  scene.settle();
  options->on_control(SG_WINDOW_OPTIONS::kCreditsButton);
  EXPECT_TRUE(scene.is_open("Credits"));
}

TEST(OptionsWithoutPlayer, ChangeAndSaveNothing) {
  shell_test::MENU_SCENE scene;
  auto* options = scene.open<SG_WINDOW_OPTIONS>("Options");
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->player(), nullptr);
  EXPECT_EQ(options->backup(), nullptr);
  auto* sound =
      dynamic_cast<KC_GUI_SLIDER13*>(options->gui()->find(SG_WINDOW_OPTIONS::kSoundSlider));
  EXPECT_EQ(sound->value(), 50.0f);
  sound->set_value(10.0f);
  options->apply();
  options->on_control(SG_WINDOW_OPTIONS::kOkButton);
  EXPECT_FALSE(options->is_open());
  EXPECT_FALSE(std::filesystem::exists(scene.players_file()));
}

}  // namespace
