#include <gtest/gtest.h>

#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "scene_fixture.h"
#include "support/puzzle_fixture.h"

namespace {

using game::CScene_Level;
using level_test::SceneFixture;
using level_test::straight_level;

using SceneBonus = SceneFixture;

// A destruction is two clicks on the same destructible cell.
TEST_F(SceneBonus, AnObstacleGetsWeakerStageByStageUntilItGoes) {
  struct CASE {
    int obstacle_type;
    int uses_to_remove;
  };
  for (const CASE& c : {CASE{1, 3}, CASE{2, 2}, CASE{3, 1}, CASE{7, 1}}) {
    player.destructionBonuses = 3;
    player.trophies.assign(size_t(game::gPlayer_Flumo::kTrophyCount), 0);
    start(3, straight_level(100, 200, c.obstacle_type));
    for (int use = 1; use <= c.uses_to_remove; ++use) {
      click_cell(3, 3);
      EXPECT_EQ(scene->destruction_target.x, 3);
      click_cell(3, 3);
      const bool gone = use == c.uses_to_remove;
      EXPECT_EQ(scene->field->content_type_at(3, 3) == game::CONTENT_EMPTY, gone)
          << c.obstacle_type << " use " << use;
      if (!gone) {
        EXPECT_EQ(scene->level->header()->cell_at(3, 3)->obstacleType, c.obstacle_type + use);
      }
      EXPECT_EQ(player.trophy(game::TROPHY_OBSTACLES_REMOVED), gone ? 1 : 0);
    }
    EXPECT_EQ(player.destructionBonuses, 3 - c.uses_to_remove);
    EXPECT_EQ(scene->result.bonus_uses, c.uses_to_remove);
    EXPECT_EQ(scene->destruction_uses, c.uses_to_remove);
    EXPECT_EQ(player.trophy(game::TROPHY_DESTRUCTION_BONUSES), c.uses_to_remove);
  }
}

TEST_F(SceneBonus, WithoutADestructionBonusNothingIsDestroyedAndNothingSpent) {
  player.destructionBonuses = 0;
  start(3);
  click_cell(3, 3);
  EXPECT_EQ(scene->destruction_target.x, -1) << "no target is stored";
  // A second click, or the destroy command itself, finds no cell.
  point_at(1.0f, 1.0f);
  scene->key_down(1);
  scene->bonus_command(CScene_Level::BONUS_DESTRUCTION);
  EXPECT_EQ(player.destructionBonuses, 0);
  EXPECT_EQ(scene->result.bonus_uses, 0);
  EXPECT_NE(scene->field->content_type_at(3, 3), game::CONTENT_EMPTY);
}

TEST_F(SceneBonus, ACompletionIsChosenByOneClickAndPlacedByItsButton) {
  player.completionBonuses = 1;
  start(3);
  // (2, 2) is left open between two pipes: a straight fits it.
  for (const int y : {4, 3, 1}) {
    hold(5);
    click_cell(2, y);
  }
  const int score = scene->result.score;
  player.trophies.assign(size_t(game::gPlayer_Flumo::kTrophyCount), 0);
  click_cell(2, 2);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_COMPLETION);
  EXPECT_EQ(scene->completion_target.x, 2);
  EXPECT_EQ(scene->completion_target.y, 2);
  EXPECT_EQ(scene->field->content_type_at(2, 2), game::CONTENT_EMPTY)
      << "the choosing click does not fill the cell";
  scene->apply_completion_bonus();
  EXPECT_EQ(scene->field->content_type_at(2, 2), game::CONTENT_PIPE);
  EXPECT_EQ(scene->state, CScene_Level::STATE_WON) << "the fill completes the pipeline";
  EXPECT_EQ(player.completionBonuses, 0);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
  EXPECT_EQ(scene->held_piece, nullptr) << "the preview goes with the mode";
  EXPECT_EQ(scene->result.bonus_uses, 1);
  EXPECT_EQ(scene->completion_uses, 1);
  EXPECT_EQ(player.trophy(game::TROPHY_PIECES_PLACED), 1);
  EXPECT_EQ(player.trophy(game::TROPHY_COMPLETION_BONUSES), 1);
  EXPECT_EQ(scene->result.score, score + 10);
}

TEST_F(SceneBonus, ThePlaceButtonFillsNothingOutsideCompletionMode) {
  player.completionBonuses = 1;
  start(3);
  for (const int y : {4, 3, 1}) {
    hold(5);
    click_cell(2, y);
  }
  // Not even with a piece in the hand where the preview would be.
  hold(5);
  scene->completion_target = KOR::KS_IVECTOR2{2, 2};
  scene->apply_completion_bonus();
  EXPECT_EQ(scene->field->content_type_at(2, 2), game::CONTENT_EMPTY);
  EXPECT_EQ(player.completionBonuses, 1);
  EXPECT_EQ(scene->holding, 1);
}

TEST_F(SceneBonus, ModesAreRefusedWithoutBonusesOrWhileHolding) {
  player.completionBonuses = 0;
  start(3);
  scene->bonus_command(CScene_Level::BONUS_COMPLETION);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
  player.completionBonuses = 2;
  hold(5);
  scene->set_bonus_mode(CScene_Level::BONUS_COMPLETION);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
  scene->holding = 0;
  scene->held_piece.reset();
  scene->bonus_command(CScene_Level::BONUS_COMPLETION);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_COMPLETION);
  scene->bonus_command(CScene_Level::BONUS_COMPLETION);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
}

// Equipment joined by a completion fill sets the water clock back by its
// seconds. Joined again after its pipe was broken, it does so once more
// when the place button filled the gap, but not for a click in completion
// mode (nor for a dropped piece).
TEST_F(SceneBonus, ThePlaceButtonSetsTheClockBackForEveryJoinItMakes) {
  struct CASE {
    bool by_button;
    int timer_after_second_join;
  };
  for (const CASE& c : {CASE{true, 50000}, CASE{false, 60000}}) {
    SCOPED_TRACE(c.by_button ? "place button" : "click in completion mode");
    set_config("<equipment_type3 text=\"10\"/>");
    player.completionBonuses = 3;
    player.destructionBonuses = 3;
    start(3, puzzle_test::fixture_text("bonus_branch.xml"));
    hold(2);
    click_cell(2, 4);
    ASSERT_EQ(scene->field->content_type_at(2, 4), game::CONTENT_PIPE);
    // A click in completion mode fills only a board at rest.
    const auto fill_gap = [&](bool by_button) {
      if (!by_button) {
        scene->bonus_command(CScene_Level::BONUS_COMPLETION);
        ASSERT_EQ(scene->bonus_mode, CScene_Level::BONUS_COMPLETION);
        for (int frame = 0; frame < 200 && scene->field->scroll_state != 0; ++frame) {
          scene->update();
        }
      }
      scene->water_timer = 60000;
      if (by_button) {
        click_cell(3, 4);
        ASSERT_EQ(scene->completion_target.x, 3);
        scene->apply_completion_bonus();
      } else {
        click_cell(3, 4);
      }
      ASSERT_EQ(scene->field->content_type_at(3, 4), game::CONTENT_PIPE);
    };
    fill_gap(true);
    EXPECT_EQ(scene->water_timer, 50000) << "the first join";
    click_cell(3, 4);
    click_cell(3, 4);
    ASSERT_EQ(scene->field->content_type_at(3, 4), game::CONTENT_EMPTY);
    fill_gap(c.by_button);
    EXPECT_EQ(scene->water_timer, c.timer_after_second_join);
  }
}

}  // namespace
