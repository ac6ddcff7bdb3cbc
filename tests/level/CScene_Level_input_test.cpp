#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "platform/runtime_random.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "scene_fixture.h"
#include "shell/HUD_PANEL_MONEY.h"

namespace {

using game::CScene_Level;
using level_test::SceneFixture;

using SceneInput = SceneFixture;

TEST_F(SceneInput, APieceIsTurnedUntilItFitsAndPlacedInOneClick) {
  for (const int angle : {0, 90, 180, 270}) {
    start(3);
    hold(5, angle);
    const int placed = game::placed_piece_count;
    click_cell(2, 4);
    EXPECT_EQ(scene->holding, 0) << angle;
    EXPECT_EQ(scene->held_piece, nullptr);
    EXPECT_EQ(scene->field->content_type_at(2, 4), game::CONTENT_PIPE);
    EXPECT_EQ(game::placed_piece_count, placed + 1);
    EXPECT_EQ(scene->result.score, 10);
    EXPECT_EQ(player.trophy(game::TROPHY_PIECES_PLACED), 1);
    player.trophies.assign(size_t(game::gPlayer_Flumo::kTrophyCount), 0);
  }
}

TEST_F(SceneInput, APieceThatFitsNowhereStaysInTheHandAsItWas) {
  start(3);
  hold(5, 90);
  click_cell(3, 3);  // the obstacle
  ASSERT_NE(scene->held_piece, nullptr);
  EXPECT_EQ(scene->holding, 1);
  EXPECT_EQ(scene->held_piece->angle_degrees(), 90);
  EXPECT_EQ(scene->result.score, 0);
}

TEST_F(SceneInput, TheRightButtonTurnsTheHeldPieceAtOnce) {
  start(3);
  hold(5, 0);
  point_at_cell(3, 3);
  scene->key_down(2);
  EXPECT_EQ(scene->held_piece->angle_degrees(), 90);
  EXPECT_EQ(scene->held_piece->color(), game::CPipe_Sprite::kRefused) << "over the obstacle";
  EXPECT_EQ(scene->held_piece->position().x, scene->field->cell_center(3, 3).x);
}

// The piece in the hand says whether a click on the cell under it lays it
// (turned to fit where it must), and over
// a refusing cell it stays nearly opaque and light, so its shape and turn
// still read: red over the picture, not a dim grey square.
TEST_F(SceneInput, TheHeldPieceShowsWhetherTheCellUnderItTakesItAndStaysReadable) {
  start(3);
  struct CASE {
    const char* where;
    int angle;
    int x, y;  // a cell, or (-1, -1) for a point on the tape below the board
    uint32_t color;
  };
  const CASE cases[] = {
      {"above the start pipe, turned to join it", 90, 2, 4, game::CPipe_Sprite::kWhite},
      {"above the start pipe, lying across it: a click turns it to join", 0, 2, 4,
       game::CPipe_Sprite::kWhite},
      {"on the obstacle", 90, 3, 3, game::CPipe_Sprite::kRefused},
      {"below the board", 0, -1, -1, game::CPipe_Sprite::kWhite},
  };
  for (const CASE& c : cases) {
    hold(5, c.angle);
    if (c.x < 0) {
      point_at(float(scene->tape->origin_x() + 200), 700.0f);
    } else {
      point_at_cell(c.x, c.y);
    }
    scene->mouse_move();
    EXPECT_EQ(scene->held_piece->color(), c.color) << c.where;
  }
  const uint32_t refused = game::CPipe_Sprite::kRefused;
  const auto channel = [refused](int shift) { return int((refused >> shift) & 0xFFu); };
  EXPECT_GE(channel(24), 0xD0) << "nearly opaque";
  EXPECT_GE(std::min(channel(8), channel(0)), 0x60) << "light enough to show the picture";
  EXPECT_GE(channel(16) - std::max(channel(8), channel(0)), 0x60) << "clearly red";
}

TEST_F(SceneInput, BelowTheBoardThePieceGoesToTheTapeOrAReadyPress) {
  start(3);
  scene->press->area_position = KOR::KS_VECTOR2{900.0f, 660.0f};
  scene->press->area_size = KOR::KS_VECTOR2{100.0f, 100.0f};
  // Onto the tape.
  hold(5);
  const size_t on_tape = scene->tape->slots().size();
  point_at(float(scene->tape->origin_x() + 700), 700.0f);
  scene->held_piece->set_position(float(pointer.x), float(pointer.y));
  scene->key_down(1);
  EXPECT_EQ(scene->holding, 0);
  EXPECT_EQ(scene->tape->slots().size(), on_tape + 1);
  // Into the press, once; a busy press leaves the next piece in the hand.
  for (int round = 0; round < 2; ++round) {
    hold(5);
    point_at(950.0f, 700.0f);
    scene->key_down(1);
  }
  EXPECT_EQ(scene->result.press_uses, 1);
  EXPECT_EQ(player.trophy(game::TROPHY_PRESS_USES), 1);
  EXPECT_EQ(scene->holding, 1);
  // A press that was never measured has no area, even at its corner.
  scene->press->area_position = KOR::KS_VECTOR2{0.0f, 0.0f};
  scene->press->area_size = KOR::KS_VECTOR2{0.0f, 0.0f};
  scene->press->reset();
  point_at(0.0f, 0.0f);
  scene->key_down(1);
  EXPECT_EQ(scene->holding, 1);
  EXPECT_EQ(scene->result.press_uses, 1);
}

TEST_F(SceneInput, TheLastPieceWinsAfterItsPointsAreCounted) {
  start(3);
  for (int y = 4; y >= 1; --y) {
    hold(5);
    click_cell(2, y);
  }
  EXPECT_EQ(scene->state, CScene_Level::STATE_WON);
  EXPECT_EQ(scene->paused, 1);
  EXPECT_EQ(scene->field->water_started, 1);
  EXPECT_EQ(scene->result.stars, 3);
  // Four pieces and the seconds left (none are paid without the key).
  EXPECT_EQ(scene->result.score, 40);
  EXPECT_EQ(player.level_score(3), 40);
  EXPECT_EQ(player.levels.at(4).lock, 0);
}

TEST_F(SceneInput, ABonusPieceRewardsByItsRoll) {
  KOR::runtime_srand(7);
  const int roll = KOR::runtime_rand() % 100;
  ASSERT_GT(roll, 0);
  struct CASE {
    int for_points;
    int for_completion;
    int points;
    int completion;
    int destruction;
  };
  const CASE cases[] = {
      {roll + 1, 0, 25, 1, 1},  // below the points share
      {roll, 1, 0, 2, 1},       // first roll of the completion share
      {0, roll + 1, 0, 2, 1},   // last roll of the completion share
      {0, roll, 0, 1, 2},       // the rest: destruction
  };
  for (const CASE& c : cases) {
    set_config("<specialPipe_getScoreProbability text=\"" + std::to_string(c.for_points) +
               "\"/><specialPipe_getCompletionBonusProbability text=\"" +
               std::to_string(c.for_completion) +
               "\"/><specialPipe_getScoreProbability_scoreValue text=\"25\"/>");
    player.completionBonuses = player.destructionBonuses = 1;
    start(3);
    hold(5);
    scene->held_piece->set_bonus(1);
    KOR::runtime_srand(7);
    click_cell(2, 4);
    EXPECT_EQ(scene->result.score, c.points) << c.for_points << " " << c.for_completion;
    EXPECT_EQ(player.completionBonuses, c.completion);
    EXPECT_EQ(player.destructionBonuses, c.destruction);
    EXPECT_EQ(player.trophy(game::TROPHY_BONUS_PIECES), 1);
    player.trophies.assign(size_t(game::gPlayer_Flumo::kTrophyCount), 0);
  }
}

// The field's drop pays a special cell's coins; the scene pays nothing more.
TEST_F(SceneInput, ASpecialCellPaysItsCoinsOnce) {
  std::string level = level_test::straight_level();
  level.insert(level.find("</level>"),
               "<cell x=\"2\" y=\"2\" contentType=\"2\" pipeType=\"5\" pipeAngle=\"90\" "
               "isSpecial=\"true\" givesMoney=\"10\"/>");
  start(3, level);
  EXPECT_EQ(scene->result.money_total, 10);
  for (const int y : {4, 3, 2}) {
    hold(5);
    click_cell(2, y);
  }
  EXPECT_EQ(scene->field->content_type_at(2, 2), game::CONTENT_PIPE);
  EXPECT_EQ(player.money, 10);
  EXPECT_EQ(scene->result.money_collected, 10);
}

// The preview of completion mode and a piece taken off the tape never
// share the hand.
TEST_F(SceneInput, TakingAPieceLeavesCompletionMode) {
  player.completionBonuses = 1;
  start(3);
  scene->bonus_command(CScene_Level::BONUS_COMPLETION);
  ASSERT_EQ(scene->bonus_mode, CScene_Level::BONUS_COMPLETION);
  const game::CPipe_Sprite* on_tape = scene->tape->slots().begin()->second.get();
  point_at(on_tape->position().x, on_tape->position().y);
  scene->key_down(1);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
  EXPECT_EQ(scene->holding, 1);
  EXPECT_EQ(scene->held_piece.get(), on_tape);
}

TEST_F(SceneInput, DeveloperKeysWorkOnlyInDeveloperModeUpToTheLimits) {
  set_config("<maximumNumberOfCompletionBonus text=\"3\"/><shop_8_upgrade1_value text=\"2\"/>");
  player.shop[game::SHOP_BONUS_LIMIT - 1] = 1;
  player.completionBonuses = 4;
  start(3);
  scene->key_down('B');
  EXPECT_EQ(player.completionBonuses, 4);
  game::game_instance().developer_mode = 1;
  scene->key_down('B');
  game::game_instance().developer_mode = 0;
  EXPECT_EQ(player.completionBonuses, 5);
}

// The application's money key reaches the running level's HUD at once.
TEST_F(SceneInput, TheDeveloperMoneyKeyShowsInTheHudAtOnce) {
  use_game_hud(false);
  use_game_texts();
  start(3);
  KOR::KC_GUI_WLABEL* label =
      label_of(scene->hud_windows(), "HUD_MONEY", game::HUD_PANEL_MONEY::kMoneyLabel);
  ASSERT_NE(label, nullptr);
  scene->load_resources();
  player.money = 7;
  game::CGame_App& app = game::game_instance();
  app.current_scene = std::move(scene);
  app.developer_mode = 1;
  app.on_key_down('M');
  app.developer_mode = 0;
  EXPECT_EQ(label->text, L"5007");
}

}  // namespace
