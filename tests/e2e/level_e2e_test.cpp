#include <gtest/gtest.h>

#include <functional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "e2e_game.h"
#include "framework/G_WINDOW.h"
#include "gui/KC_GUI_OBJECT.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/gPlayer_Flumo.h"
#include "support/level_player.h"

namespace {

using game::CScene_Level;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// A player "Ada" who has seen the first comic, so the title leads on.
void known_player(const SCRIPTED_PLAYER& p) {
  e2e::write_players(p.user_folder(), "Ada", {{"Ada"}});
}

// The script run on level 3, started for "Ada" and played to the end of
// its intro scroll; the game then ends normally.
void on_level_three(const std::function<void(SCRIPTED_PLAYER&, LEVEL_PLAYER&)>& script) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  known_player(player);
  const int status = player.play([&script](SCRIPTED_PLAYER& p) {
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    ASSERT_TRUE(level.start(3) && level.wait_board_still());
    script(p, level);
  });
  EXPECT_EQ(status, 0);
}

bool to_title(SCRIPTED_PLAYER& p) { return p.skip_splashes() && p.wait_open("Title"); }

CScene_Level& scene() { return *LEVEL_PLAYER::scene(); }

game::gPlayer_Flumo& ada() { return *game::current_player(); }

// The saved record of a level: its attribute, or "" when there is none.
std::string saved_level(const SCRIPTED_PLAYER& p, int level, const char* attribute) {
  pugi::xml_document file;
  file.load_file((p.user_folder() / "players.xml").c_str());
  const pugi::xml_node levels =
      file.child("Players").find_child_by_attribute("player", "name", "Ada").child("levels");
  return levels.find_child_by_attribute("level", "id", std::to_string(level).c_str())
      .attribute(attribute)
      .value();
}

int shown_stars(SCRIPTED_PLAYER& p) {
  int shown = 0;
  for (const unsigned id :
       {game::SG_FINISH_PANEL::star_picture(1), game::SG_FINISH_PANEL::star_picture(2),
        game::SG_FINISH_PANEL::star_picture(3)}) {
    const KOR::KC_GUI_OBJECT* star = p.widget("WINDOW_FINISH", id);
    if (star != nullptr && star->visible) ++shown;
  }
  return shown;
}

// The main road: the stored solution laid from the tape, the water runs
// to the end, the finish window shows the stars of the water timer, the
// profile keeps the result with the next level open, and "next" starts it.
TEST(level_e2e, ALevelWonFromTheTapeIsScoredSavedAndNextStartsTheNext) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  known_player(player);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(to_title(p));
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(3));
    ASSERT_TRUE(level.win(3));

    EXPECT_TRUE(scene().field->water_started);
    EXPECT_TRUE(scene().field->finished) << "the water ran through to the end";
    const game::CLevel_Header& header = *scene().level->header();
    const int expected_stars = scene().water_timer < header.timeFor2Stars * 1000 ? 3 : 2;
    const game::CLevel_Result& result = scene().result;
    EXPECT_EQ(result.stars, expected_stars);
    // The stars arrive one after another, each with its burst.
    EXPECT_TRUE(p.wait_until([&] { return shown_stars(p) == expected_stars; }, "the stars shown"));
    EXPECT_GT(result.score, 0);
    EXPECT_GT(result.money_total, 0) << "level 3 has coin cells on its route";
    EXPECT_EQ(result.money_collected, result.money_total) << "each coin once";

    EXPECT_EQ(saved_level(p, 3, "score"), std::to_string(result.score));
    EXPECT_EQ(saved_level(p, 3, "stars"), std::to_string(expected_stars));
    EXPECT_EQ(saved_level(p, 4, "lock"), "false");
    EXPECT_FALSE(ada().is_level_locked(4));

    ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
    ASSERT_TRUE(p.wait_until(
        [] { return LEVEL_PLAYER::scene() != nullptr && game::current_level_number == 4; },
        "level 4 started"));
    EXPECT_EQ(scene().state, CScene_Level::STATE_INTRO);
    EXPECT_FALSE(p.is_open("WINDOW_FINISH"));
    EXPECT_EQ(scene().level->header()->scrollingType, game::SCROLL_RIGHT);
  });
  EXPECT_EQ(status, 0);
}

// A piece turns a quarter right per click of the right button; over a
// cell it cannot go on it is grey and a click leaves it in the hand; over
// its cell of the solution it shows as it is and is laid.
TEST(level_e2e, TheRightButtonTurnsAndAPieceThatDoesNotFitIsShownRefused) {
  on_level_three([](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    const test_support::LEVEL_ACTION first = test_support::stored_solution(3).front();
    ASSERT_TRUE(level.take(first.type));
    for (int turn = 0; turn < 4; ++turn) {
      const int before = LEVEL_PLAYER::held()->angle_degrees();
      p.press_right();
      ASSERT_NE(LEVEL_PLAYER::held(), nullptr);
      EXPECT_EQ(LEVEL_PLAYER::held()->angle_degrees(), (before + 90) % 360);
    }

    const KOR::KS_IVECTOR2 start = scene().field->start_cell();
    ASSERT_TRUE(level.cell_in_view(start.x, start.y));
    const KOR::KS_VECTOR2 at = level.cell_point(start.x, start.y);
    p.move_pointer(int(at.x), int(at.y));
    EXPECT_EQ(LEVEL_PLAYER::held()->color(), game::CPipe_Sprite::kRefused);
    const int start_type = scene().level->header()->cell_at(start.x, start.y)->pipeType;
    p.press_left();
    ASSERT_NE(LEVEL_PLAYER::held(), nullptr) << "refused: still in the hand";
    EXPECT_EQ(scene().level->header()->cell_at(start.x, start.y)->pipeType, start_type);

    ASSERT_TRUE(level.turn_to(first.angle));
    const KOR::KS_VECTOR2 cell = level.cell_point(first.x, first.y);
    p.move_pointer(int(cell.x), int(cell.y));
    EXPECT_EQ(LEVEL_PLAYER::held()->color(), game::CPipe_Sprite::kWhite);
    EXPECT_TRUE(level.lay(first.x, first.y));
  });
}

// A destructible cell chosen twice is cleared for one destruction bonus; a
// gap between two pipes chosen empty-handed shows the completion preview,
// and chosen again is filled for one completion bonus, here the last gap
// of the level.
TEST(level_e2e, TheBonusesClearADestructibleCellAndFillAGap) {
  on_level_three([](SCRIPTED_PLAYER&, LEVEL_PLAYER& level) {
    ada().destructionBonuses = 1;
    ada().completionBonuses = 1;
    const game::CLevel_Field& field = *scene().field;
    const game::CLevel_Header& header = *scene().level->header();
    KOR::KS_IVECTOR2 rock{-1, -1};
    for (int x = 0; x < header.fieldWidth && rock.x == -1; ++x) {
      for (int y = 0; y < header.fieldHeight && rock.x == -1; ++y) {
        const game::CLevel_Cell& c = *header.cell_at(x, y);
        if (field.is_destructible_at(x, y) && game::obstacle_strength(c.obstacleType) == 1 &&
            level.cell_in_view(x, y)) {
          rock = {x, y};
        }
      }
    }
    ASSERT_NE(rock.x, -1) << "level 3 shows a destructible cell";
    ASSERT_TRUE(level.destroy(rock.x, rock.y));
    EXPECT_EQ(ada().destructionBonuses, 0);

    // Its whole solution but the last piece leaves a gap between the
    // route and the final pipe.
    const std::vector<test_support::LEVEL_ACTION> actions = test_support::stored_solution(3);
    ASSERT_TRUE(level.lay_solution(3, actions.size() - 1));
    // Bonus pieces from the tape may have granted more on the way.
    const int completions = ada().completionBonuses;
    ASSERT_TRUE(level.fill_gap(actions.back().x, actions.back().y));
    EXPECT_EQ(ada().completionBonuses, completions - 1);
    EXPECT_TRUE(level.wait_finish()) << "the filled gap completed the route";
  });
}

// A piece dropped on the ready press is crushed; the press then cools
// down and refuses the next piece until it is ready again.
TEST(level_e2e, ThePressCrushesAndCoolsDown) {
  on_level_three([](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    const game::CLevel_Press& press = *scene().press;
    ASSERT_TRUE(level.take(scene().tape->slots().begin()->second->type()));
    ASSERT_TRUE(level.crush());
    EXPECT_NE(press.state(), game::CLevel_Press::READY);
    ASSERT_TRUE(p.wait_until([] { return scene().press_crushes == 1; }, "the piece crushed"));
    EXPECT_EQ(press.piece(), nullptr);
    ASSERT_TRUE(p.wait_until([&] { return press.state() == game::CLevel_Press::COOLING; },
                             "the press cooling"));

    ASSERT_TRUE(level.take(scene().tape->slots().begin()->second->type()));
    const KOR::KS_VECTOR2 at = level.press_point();
    p.press_button(int(at.x), int(at.y));
    EXPECT_NE(LEVEL_PLAYER::held(), nullptr) << "a cooling press takes nothing";
    EXPECT_TRUE(level.crush()) << "once ready again";
  });
}

// The pause button stops the level's clocks, the tape and the press; the
// pause window's "resume" lets them run on.
TEST(level_e2e, PauseFreezesTheClocksTapeAndPress) {
  on_level_three([](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    ASSERT_TRUE(level.take(scene().tape->slots().begin()->second->type()));
    ASSERT_TRUE(level.crush());
    ASSERT_TRUE(level.click_hud("HUD_PAUSE", game::HUD_BUTTON_PAUSE::kPauseButton));
    ASSERT_TRUE(p.wait_open("WINDOW_PAUSE"));
    ASSERT_TRUE(scene().paused);
    const int clock = scene().level_clock;
    const int water = scene().water_timer;
    const double belt = scene().tape->belt_phase();
    const size_t pieces = scene().tape->slots().size();
    const int press = scene().press->state();
    p.frames(120);
    EXPECT_EQ(scene().level_clock, clock);
    EXPECT_EQ(scene().water_timer, water);
    EXPECT_EQ(scene().tape->belt_phase(), belt);
    EXPECT_EQ(scene().tape->slots().size(), pieces);
    EXPECT_EQ(scene().press->state(), press);
    EXPECT_TRUE(scene().hud_windows().is_open("HUD_WATER_INDICATOR"));

    ASSERT_TRUE(p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kResumeButton));
    ASSERT_TRUE(p.wait_until([] { return !scene().paused; }, "the level resumed"));
    p.frames(30);
    EXPECT_GT(scene().level_clock, clock);
    EXPECT_GT(scene().water_timer, water);
  });
}

// Left alone, the level starts its water when the water timer reaches the
// level's time for it, and the inscription says so.
TEST(level_e2e, TheWaterStartsWhenTheTimerRunsOut) {
  on_level_three([](SCRIPTED_PLAYER& p, LEVEL_PLAYER&) {
    const int due_ms = scene().level->header()->timeFor3Stars * 1000;
    ASSERT_GT(due_ms, 0);
    EXPECT_FALSE(scene().field->water_started);
    const int frames = due_ms / 16 + 600;
    ASSERT_TRUE(p.wait_until([] { return scene().field->water_started != 0; }, "the water started",
                             frames));
    EXPECT_GE(scene().water_timer, due_ms);
    EXPECT_LT(scene().water_timer, due_ms + 100) << "at once, not later";
    const auto* inscription = dynamic_cast<game::HUD_PANEL_WATER_INSCRIPTION*>(
        scene().hud_windows().find("HUD_WATER_INSCRIPTION"));
    ASSERT_NE(inscription, nullptr);
    EXPECT_NE(inscription->state, 0) << "the inscription flies";
  });
}

// One level of each world and each way the board scrolls (level 3, up, is
// the main road's).
class EveryWorldAndDirection : public ::testing::TestWithParam<int> {};

TEST_P(EveryWorldAndDirection, IsWonFromItsStoredSolution) {
  const int n = GetParam();
  SCRIPTED_PLAYER player;
  // Winning is what counts here, not the picture: software drawing would
  // take most of the time.
  player.use_null_device();
  known_player(player);
  const int status = player.play([n](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(to_title(p));
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(n));
    ASSERT_TRUE(level.win(n));
    EXPECT_TRUE(scene().field->finished);
    EXPECT_NE(saved_level(p, n, "stars"), "0");
    EXPECT_EQ(saved_level(p, n + 1, "lock"), "false");
  });
  EXPECT_EQ(status, 0);
}

// 4 right and 6 down in the first world, 17 up in the second, 32 left in
// the third (the first world has no level scrolling left).
INSTANTIATE_TEST_SUITE_P(Levels, EveryWorldAndDirection, ::testing::Values(4, 6, 17, 32));

}  // namespace
