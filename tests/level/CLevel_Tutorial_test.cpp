#include "level/CLevel_Tutorial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "resources/KC_STRING_TABLE.h"
#include "scene_fixture.h"
#include "shell/HUD_PANEL_TUTORIAL.h"
#include "support/paths.h"

namespace {

using game::CLevel_Tutorial;
using game::CScene_Level;
using KOR::KS_VECTOR2;

constexpr unsigned kText = 3;
constexpr unsigned kCard = 2000;

std::string game_level(int n) {
  std::ifstream in(test_support::source_path("content/Levels/level_" + std::to_string(n) + ".xml"));
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The game's levels 1 and 2 on the game's own HUD, played to the end of
// their intro, where the tutorial shows its first step.
class Tutorial : public level_test::SceneFixture {
 protected:
  void start_tutorial(int level) {
    use_game_hud(true);
    write_level(level == 1 ? 2 : 1, game_level(level == 1 ? 2 : 1));
    start(level, game_level(level));
    scene->load_resources();
  }

  CLevel_Tutorial& tutorial() { return *scene->tutorial; }
  // The board moves down by dy in one scroll step, as toward a target.
  void scroll_down(float dy) {
    scene->field->target_y = scene->field->origin_y + 10000.0f;
    scene->field->scroll_step(game::SCROLL_DOWN, dy / KOR::frame_dt);
  }
  game::CLevel_Tape& tape() { return *scene->tape; }

  KOR::KC_GUI_OBJECT* card_widget(unsigned id) {
    KOR_GF::G_WINDOW* window = scene->hud_windows().find("HUD_TUTORIAL");
    return window != nullptr ? KOR_GF::find_widget(*window, id) : nullptr;
  }
  KS_VECTOR2 card() { return KOR_GF::widget_position(card_widget(kCard)); }
  // Half the card's size, which keeps it inside the screen.
  KS_VECTOR2 card_half() {
    const auto* window =
        dynamic_cast<game::HUD_PANEL_TUTORIAL*>(scene->hud_windows().find("HUD_TUTORIAL"));
    return window != nullptr ? window->card_size() * 0.5f : KS_VECTOR2{};
  }
  std::wstring text() {
    auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(card_widget(kText));
    return label != nullptr ? label->text : L"<none>";
  }
  KS_VECTOR2 before_cell(int x, int y) {
    return scene->field->cell_center(x, y) - KS_VECTOR2{20.0f, 20.0f};
  }
  std::string locks() {
    return std::string() + (scene->destruction_lock ? "D" : "-") +
           (scene->completion_lock ? "C" : "-") + (scene->press_lock ? "P" : "-") +
           (scene->tape_lock ? "T" : "-");
  }
  std::string switches() {
    std::string s;
    for (int n = 1; n <= 4; ++n) s += tape().restriction(n) ? char('0' + n) : '-';
    return s + (tape().frozen() ? "F" : "-");
  }
};

// Each step sets its tape switch and the level's locks, shows its own
// text, and puts the card and the arrows where its layout says.
TEST_F(Tutorial, EachStepSetsTheTapeTheLocksTheTextAndTheArrows) {
  start_tutorial(1);
  struct CASE {
    int step;
    const char* switches;  // restrictions 1..4 and frozen, after entering
    const char* locks;     // destruction, completion, press, tape
    float card_x, card_y;
  };
  const float a = 272.0f;
  const CASE cases[] = {
      {1, "1----", "DCP-", a + 310, 530}, {2, "12---", "DCP-", a + 220, 360},
      {3, "12---", "DCP-", a + 220, 360}, {4, "12-4-", "-CP-", a + 350, 250},
      {5, "12-4-", "--PT", a, 360},       {6, "12-4F", "D---", a, 140},
      {7, "12-4F", "----", a, 140},       {8, "--3--", "DC--", a - 50, 0},
      {9, "1-3--", "DCP-", a + 310, 530}, {10, "1-3--", "----", 0, 0},
  };
  for (const CASE& c : cases) {
    tutorial().enter_step(c.step);
    SCOPED_TRACE("step " + std::to_string(c.step));
    EXPECT_EQ(switches(), c.switches);
    EXPECT_EQ(locks(), c.locks);
    EXPECT_EQ(text(), KOR::string_table_instance().get_wide("tutorial_text_task_" +
                                                            std::to_string(c.step)));
    const game::TUTORIAL_LAYOUT& at = tutorial().current_layout();
    EXPECT_EQ(card().x, at.text_x);
    EXPECT_EQ(card().y, at.text_y);
    if (c.card_y != 0) {
      EXPECT_EQ(at.text_x, c.card_x);
      EXPECT_EQ(at.text_y, c.card_y);
    }
    // A point arrow is kept whole on the screen (step 8's press arrow).
    const KS_VECTOR2 half = tutorial().arrow_size() * 0.5f;
    for (int arrow = 1; arrow <= 2; ++arrow) {
      const game::TUTORIAL_ARROW& spec = at.arrow[arrow - 1];
      KS_VECTOR2 expected{spec.x, spec.y};
      if (spec.at_cell) {
        expected = before_cell(spec.cell_x, spec.cell_y);
      } else if (spec.x != -500.0f) {
        expected = {std::clamp(spec.x, half.x, 1024.0f - half.x),
                    std::clamp(spec.y, half.y, 768.0f - half.y)};
      }
      EXPECT_EQ(tutorial().arrow_position(arrow).x, expected.x) << "arrow " << arrow;
      EXPECT_EQ(tutorial().arrow_position(arrow).y, expected.y) << "arrow " << arrow;
      EXPECT_EQ(tutorial().arrow_rotation(arrow),
                c.step == 4 && arrow == 1 ? 270.0f * 0.017453292f : 0.0f);
    }
  }
  // The cells the steps point at.
  const struct {
    int step, arrow, x, y;
  } cells[] = {{1, 2, 7, 18}, {2, 1, 7, 17}, {3, 1, 7, 17}, {4, 2, 14, 14},
               {5, 1, 9, 21}, {6, 2, 6, 14}, {9, 2, 9, 24}};
  for (const auto& c : cells) {
    tutorial().enter_step(c.step);
    const game::TUTORIAL_ARROW& arrow = tutorial().current_layout().arrow[c.arrow - 1];
    EXPECT_TRUE(arrow.at_cell && arrow.cell_x == c.x && arrow.cell_y == c.y) << c.step;
  }

  // No step: the card and both arrows leave the screen, the text stays.
  const std::wstring last = text();
  tutorial().clear_step();
  EXPECT_EQ(card().x, -1000.0f);
  EXPECT_EQ(card().y, -1000.0f);
  EXPECT_EQ(tutorial().arrow_position(1).x, -500.0f);
  EXPECT_EQ(tutorial().arrow_position(2).y, -500.0f);
  EXPECT_EQ(text(), last);
  EXPECT_EQ(locks(), "----");
}

// The wide screen moves every card 11 pixels right and the arrows at the
// bottom panel 171.
TEST_F(Tutorial, TheWideScreenMovesTheCardsAndThePanelArrows) {
  start_tutorial(2);
  const int steps[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
  std::map<int, game::TUTORIAL_LAYOUT> narrow;
  for (int step : steps) {
    tutorial().enter_step(step);
    narrow[step] = tutorial().current_layout();
  }
  KOR::auto_position_screen_width = 1366;
  for (int step : steps) {
    tutorial().enter_step(step);
    const game::TUTORIAL_LAYOUT& wide = tutorial().current_layout();
    if (step == 10) {
      EXPECT_EQ(wide.arrow[1].x - narrow[step].arrow[1].x, 171.0f);
      EXPECT_EQ(wide.text_x - narrow[step].text_x, 171.0f) << "it stands by its arrow";
    } else {
      EXPECT_EQ(wide.text_x - narrow[step].text_x, 11.0f) << step;
    }
    if (step == 8) {
      EXPECT_EQ(wide.arrow[1].x - narrow[step].arrow[1].x, 171.0f);
    }
  }
}

// An arrow that points at something on the screen (a tape piece, the water
// clock, the completion button, the press, the call button) stands whole
// on the screen at both widths; at 1024 the press is at the left edge.
TEST_F(Tutorial, EveryArrowAtAScreenPointStandsWholeOnTheScreen) {
  start_tutorial(2);
  const KS_VECTOR2 half = tutorial().arrow_size() * 0.5f;
  ASSERT_GT(half.x, 0.0f);
  for (const int width : {1024, 1366}) {
    KOR::auto_position_screen_width = width;
    for (int step = 1; step <= 10; ++step) {
      tutorial().enter_step(step);
      for (int arrow = 1; arrow <= 2; ++arrow) {
        const game::TUTORIAL_ARROW& a = tutorial().current_layout().arrow[arrow - 1];
        if (a.at_cell || a.x == -500.0f) continue;
        const KS_VECTOR2 at = tutorial().arrow_position(arrow);
        EXPECT_GE(at.x - half.x, 0.0f) << width << " step " << step << " arrow " << arrow;
        EXPECT_LE(at.x + half.x, float(width)) << width << " step " << step << " arrow " << arrow;
        EXPECT_GE(at.y - half.y, 0.0f) << width << " step " << step << " arrow " << arrow;
        EXPECT_LE(at.y + half.y, 768.0f) << width << " step " << step << " arrow " << arrow;
      }
    }
  }
  KOR::auto_position_screen_width = 1024;
}

// While the board scrolls, the arrows at cells and the card go with it,
// the card no further than the screen's edge; the card of step 7 stays; a
// scroll of nothing moves nothing.
TEST_F(Tutorial, ArrowsAndCardFollowTheBoard) {
  start_tutorial(1);
  const KS_VECTOR2 half = card_half();
  ASSERT_GT(half.x, 0.0f);
  const struct {
    int step;
    float card_above;  // 0: the card stays
  } cases[] = {{1, 220}, {3, 220}, {4, 220}, {6, 260}, {7, 0}};
  // Step 1's card follows its cell freely, step 4's stops at the right edge.
  for (const auto& c : cases) {
    tutorial().enter_step(c.step);
    const KS_VECTOR2 card_before = card();
    tutorial().update(0.0f, false);
    EXPECT_EQ(card().x, card_before.x) << c.step;
    scroll_down(30.0f);
    const int arrow = (c.step == 1 || c.step == 4 || c.step == 6) ? 2 : 1;
    const game::TUTORIAL_ARROW& a = tutorial().current_layout().arrow[arrow - 1];
    ASSERT_TRUE(a.at_cell);
    const KS_VECTOR2 centre = scene->field->cell_center(a.cell_x, a.cell_y);
    EXPECT_EQ(tutorial().arrow_position(arrow).y, centre.y - 20.0f) << c.step;
    if (c.card_above != 0) {
      EXPECT_EQ(card().x, std::clamp(centre.x, half.x, 1024.0f - half.x)) << c.step;
      EXPECT_EQ(card().y, std::clamp(centre.y - c.card_above, half.y, 768.0f - half.y)) << c.step;
    } else {
      EXPECT_EQ(card().x, card_before.x) << c.step;
      EXPECT_EQ(card().y, card_before.y) << c.step;
    }
  }
  tutorial().clear_step();
  tutorial().update(30.0f, true);
  EXPECT_EQ(card().x, -1000.0f);
}

// Full screen turned off and on again: the card ends where it was. A card
// that has gone with the board stays beside its arrow's cell at either
// width; one the board has not moved stands at its step's place.
TEST_F(Tutorial, AWidthSwitchAndBackLeavesTheCardWhereItWas) {
  start_tutorial(1);
  const KS_VECTOR2 half = card_half();
  ASSERT_GT(half.x, 0.0f);
  const auto switch_to = [&](int width) {
    const int old = KOR::auto_position_screen_width;
    KOR::auto_position_screen_width = width;
    scene->relayout(old);
  };
  for (const bool scrolled : {false, true}) {
    tutorial().enter_step(2);
    if (scrolled) scroll_down(30.0f);
    const KS_VECTOR2 narrow = card();
    switch_to(1366);
    const game::TUTORIAL_ARROW& a = tutorial().current_layout().arrow[0];
    ASSERT_TRUE(a.at_cell);
    const KS_VECTOR2 centre = scene->field->cell_center(a.cell_x, a.cell_y);
    EXPECT_EQ(tutorial().arrow_position(1).x, centre.x - 20.0f) << scrolled;
    if (scrolled) {
      EXPECT_EQ(card().x, std::clamp(centre.x, half.x, 1366.0f - half.x));
      EXPECT_EQ(card().y, std::clamp(centre.y - 220.0f, half.y, 768.0f - half.y));
    } else {
      EXPECT_EQ(card().x, narrow.x + 11.0f);
      EXPECT_EQ(card().y, narrow.y);
    }
    switch_to(1024);
    EXPECT_EQ(card().x, narrow.x) << scrolled;
    EXPECT_EQ(card().y, narrow.y) << scrolled;
  }
}

// Every step gives each arrow a new bounce in place of its old one, so
// the arrows never gather bounces however long the tutorial runs.
TEST_F(Tutorial, EachArrowKeepsOneBounce) {
  start_tutorial(1);
  for (int round = 0; round < 50; ++round) {
    tutorial().enter_step(1 + round % 10);
    tutorial().update(0.0f, true);
    tutorial().start_arrow_bot(1);
  }
  EXPECT_EQ(tutorial().arrow_loops(), 2);
  // The bounce swings an arrow no more than 5 pixels from its place.
  tutorial().enter_step(2);
  const KS_VECTOR2 place = tutorial().arrow_position(1);
  for (int frame = 0; frame < 100; ++frame) {
    tutorial().update_bots();
    EXPECT_LE(tutorial().arrow_position(1).distance(place), 5.01f);
  }
}

// Level 1: the steps follow what the player does, and a piece goes only
// where the arrow points.
TEST_F(Tutorial, LevelOneMovesOnWithThePlayer) {
  start_tutorial(1);
  ASSERT_EQ(tutorial().step, 1);
  EXPECT_EQ(switches(), "1----");
  ASSERT_EQ(tape().slots().size(), 1u);
  EXPECT_EQ(tape().slots().begin()->second->type(), 5);
  hold(5, 90);
  click_cell(7, 18);
  ASSERT_EQ(scene->holding, 0);
  EXPECT_EQ(tutorial().step, 2);
  EXPECT_TRUE(tutorial().is_step_done(1));
  EXPECT_EQ(switches(), "-2---");

  hold(2, 0);
  click_cell(7, 17);
  EXPECT_EQ(scene->holding, 1) << "step 2 waits for the turn";
  scene->key_down(2);
  EXPECT_EQ(tutorial().step, 3);
  click_cell(7, 17);
  ASSERT_EQ(scene->holding, 0);
  EXPECT_EQ(tutorial().step, 4);
  EXPECT_EQ(switches(), "---4-");
  hold(5, 90);
  click_cell(14, 14);
  ASSERT_EQ(scene->holding, 0);
  EXPECT_EQ(tutorial().step, 6);
  EXPECT_EQ(switches(), "----F");
  EXPECT_EQ(locks(), "D---");
}

// Level 2's destruction step ends on whatever the bonus clears from its
// cell, a pipe too; the press step takes no piece on the board; any key
// ends the last step, which completes the tutorial.
TEST_F(Tutorial, LevelTwoClearsThePressesAndEnds) {
  player.destructionBonuses = 2;
  start_tutorial(2);
  ASSERT_EQ(tutorial().step, 9);
  // Its first arrow points at the tape's first piece, as on level 1.
  ASSERT_EQ(tape().slots().size(), 1u);
  const KS_VECTOR2 half = tutorial().arrow_size() * 0.5f;
  EXPECT_EQ(tutorial().arrow_position(1).x, tape().first_piece_position().x - half.x);
  EXPECT_EQ(tutorial().arrow_position(1).y, tape().first_piece_position().y - half.y);
  // It goes with the piece.
  const KS_VECTOR2 piece = tape().first_piece_position();
  point_at(piece.x, piece.y);
  scene->key_down(1);
  ASSERT_EQ(scene->holding, 1);
  EXPECT_EQ(tutorial().arrow_position(1).x, -500.0f);
  scene->held_piece->set_angle_degrees(90.0f);
  click_cell(9, 24);
  ASSERT_EQ(tutorial().step, 5);
  EXPECT_EQ(switches(), "----F");
  EXPECT_EQ(locks(), "--PT");

  // A pipe on the step's cell in place of the shrub.
  game::CLevel_Cell& cell = *scene->level->header()->cell_at(9, 21);
  cell.contentType = game::CONTENT_PIPE;
  cell.pipeType = 5;
  cell.pipeAngle = 90;
  cell.isDestructible = 1;
  click_cell(9, 21);
  click_cell(9, 21);
  EXPECT_EQ(scene->field->content_type_at(9, 21), game::CONTENT_EMPTY);
  ASSERT_EQ(tutorial().step, 8);
  EXPECT_EQ(switches(), "--3--");

  hold(5, 90);
  click_cell(9, 23);
  EXPECT_EQ(scene->holding, 1) << "the press step's piece goes into the press";
  EXPECT_EQ(scene->field->content_type_at(9, 23), game::CONTENT_EMPTY);

  const KS_VECTOR2 press = scene->press->area_position + scene->press->area_size * 0.5f;
  point_at(press.x, press.y);
  scene->key_down(1);
  EXPECT_EQ(scene->holding, 0);
  ASSERT_EQ(tutorial().step, 10);
  EXPECT_EQ(game::placed_piece_count, 0);
  EXPECT_EQ(switches(), "-----");
  scene->key_down(' ');
  EXPECT_TRUE(tutorial().is_idle());
  EXPECT_EQ(tutorial().finished, 1);
  EXPECT_EQ(player.tutorialCompleted, 1);
  EXPECT_EQ(game::level_tutorial_active, 0);
}

// Level 1 never completes the tutorial, even past a step 10.
TEST_F(Tutorial, OnLevelOneTheLastStepCompletesNothing) {
  start_tutorial(1);
  tutorial().enter_step(10);
  scene->key_down(' ');
  EXPECT_TRUE(tutorial().is_step_done(10));
  EXPECT_EQ(tutorial().finished, 0);
  EXPECT_EQ(player.tutorialCompleted, 0);
  EXPECT_EQ(game::level_tutorial_active, 1);
}

// Step 7 comes once a play, when the final pipe is in view and pieces lie
// on the board; a restart brings it back.
TEST_F(Tutorial, StepSevenComesOncePerPlay) {
  start_tutorial(1);
  game::placed_piece_count = 3;
  tutorial().clear_step();
  const KOR::KS_IVECTOR2 final_pipe = scene->field->final_cell();
  scroll_down(300.0f - scene->field->cell_center(final_pipe.x, final_pipe.y).y);
  ASSERT_TRUE(scene->field->final_below_top());
  scene->update();
  ASSERT_EQ(tutorial().step, 7);
  tutorial().piece_pressed();
  EXPECT_TRUE(tutorial().is_idle());
  scene->update();
  EXPECT_TRUE(tutorial().is_idle()) << "done for this play";
  scene->restart();
  play_through_intro();
  EXPECT_EQ(tutorial().step, 1);
  EXPECT_FALSE(tutorial().is_step_done(7));
}

// Ending the tutorial (its card's button) frees the tape and every lock
// and hides it; a restart brings it back.
TEST_F(Tutorial, EndingItFreesTheLevelAndARestartBringsItBack) {
  start_tutorial(1);
  scene->end_tutorial();
  EXPECT_EQ(game::level_tutorial_active, 0);
  EXPECT_EQ(switches(), "-----");
  EXPECT_EQ(locks(), "----");
  EXPECT_TRUE(tutorial().hidden);
  EXPECT_EQ(tutorial().arrow_position(1).x, -500.0f);
  scene->restart();
  EXPECT_EQ(game::level_tutorial_active, 1);
  play_through_intro();
  EXPECT_EQ(tutorial().step, 1);
  EXPECT_EQ(switches(), "1----");
}

// "Next" from level 2 leaves the tutorial behind: level 3 has no
// tutorial, no card and a free tape.
TEST_F(Tutorial, LevelThreeHasNone) {
  write_level(3, level_test::straight_level());
  start_tutorial(2);
  game::current_level_number = 3;
  scene->restart();
  EXPECT_EQ(scene->tutorial, nullptr);
  EXPECT_EQ(game::level_tutorial_active, 0);
  ASSERT_NE(scene->hud_windows().find("HUD_TUTORIAL"), nullptr);
  EXPECT_FALSE(scene->hud_windows().find("HUD_TUTORIAL")->is_open()) << "the card goes";
  play_through_intro();
  EXPECT_EQ(scene->tape->slots().size(), 1u);
  EXPECT_EQ(switches(), "-----");
}

}  // namespace
