#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "e2e_game.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "level/CLevel_Tutorial.h"
#include "level/CPipe_Sprite.h"
#include "level/CScene_Level.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Field.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_COMPLETION.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/HUD_PANEL_TUTORIAL.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/gPlayer_Flumo.h"
#include "support/level_player.h"

namespace {

using game::CLevel_Tutorial;
using game::CScene_Level;
using KOR::KS_VECTOR2;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// Each arrow bounces this far along its own up direction.
constexpr float kBounce = 5.0f;
constexpr float kOff = -500.0f;

CScene_Level& scene() { return *LEVEL_PLAYER::scene(); }
CLevel_Tutorial& tutorial() { return *scene().tutorial; }
game::gPlayer_Flumo& ada() { return *game::current_player(); }

// The script run for a new player "Ada" on level n, started from the
// title; the game then ends normally.
void on_level(int n, const std::function<void(SCRIPTED_PLAYER&, LEVEL_PLAYER&)>& script) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([n, &script](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(n));
    script(p, level);
  });
  EXPECT_EQ(status, 0);
}

// The level running with its tutorial at `step`, the board at rest.
bool at_step(SCRIPTED_PLAYER& p, LEVEL_PLAYER& level, int step) {
  return level.wait_board_still() &&
         p.wait_until([step] { return scene().tutorial != nullptr && tutorial().step == step; },
                      "tutorial step " + std::to_string(step));
}

// Arrow 1 or 2 stands where the step's layout puts it to point at the
// target: a cell's middle, or a screen point its tip touches.
::testing::AssertionResult arrow_at(int arrow, KS_VECTOR2 expected) {
  const KS_VECTOR2 at = tutorial().arrow_position(arrow);
  if (at.distance(expected) <= kBounce + 0.5f) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "arrow " << arrow << " of step " << tutorial().step << " stands at " << at.x << ", "
         << at.y << ", not at " << expected.x << ", " << expected.y;
}

KS_VECTOR2 at_cell(int x, int y) { return scene().field->cell_center(x, y) - KS_VECTOR2{20, 20}; }

KS_VECTOR2 at_point(KS_VECTOR2 target) {
  const KS_VECTOR2 size = tutorial().arrow_size();
  return target - KS_VECTOR2{size.x / 2.0f, size.y / 2.0f};
}

KS_VECTOR2 off() { return KS_VECTOR2{kOff, kOff}; }

// What the level lets the player touch.
struct LOCKS {
  bool tape, press, completion, destruction;
};

void expect_locks(const LOCKS& locks) {
  const int step = tutorial().step;
  EXPECT_EQ(scene().tape_lock != 0, locks.tape) << "tape lock at step " << step;
  EXPECT_EQ(scene().press_lock != 0, locks.press) << "press lock at step " << step;
  EXPECT_EQ(scene().completion_lock != 0, locks.completion) << "completion at step " << step;
  EXPECT_EQ(scene().destruction_lock != 0, locks.destruction) << "destruction at " << step;
}

KOR::KC_GUI_OBJECT* card_widget(unsigned id) {
  const KOR_GF::G_WINDOW* window = scene().hud_windows().find("HUD_TUTORIAL");
  return window != nullptr && window->gui() != nullptr ? window->gui()->find(id) : nullptr;
}

// The card shows the step's text and stands on the screen.
void expect_card() {
  const int step = tutorial().step;
  auto* text = dynamic_cast<KOR::KC_GUI_WLABEL*>(card_widget(game::HUD_PANEL_TUTORIAL::kTextLabel));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text,
            KOR::string_table_instance().get_wide("tutorial_text_task_" + std::to_string(step)));
  KOR::KC_GUI_OBJECT* card = card_widget(game::HUD_PANEL_TUTORIAL::kCard);
  ASSERT_NE(card, nullptr);
  const e2e::RECT r = e2e::widget_rect(*card);
  const float width = float(KOR::auto_position_screen_width);
  EXPECT_TRUE(r.left >= 0.0f && r.right <= width && r.top >= 0.0f && r.bottom <= 768.0f)
      << "the card of step " << step << " at " << r.left << ", " << r.top << " .. " << r.right
      << ", " << r.bottom;
}

// Nothing more comes onto the tape for a while.
void expect_tape_stands(SCRIPTED_PLAYER& p) {
  const size_t before = scene().tape->slots().size();
  p.frames(150);
  EXPECT_EQ(scene().tape->slots().size(), before) << "at step " << tutorial().step;
}

KS_VECTOR2 first_piece() { return scene().tape->first_piece_position(); }

// The first step of a tutorial level: the belt deals one straight and
// stands; the arrows point at it and at its cell; the piece goes there.
void lay_first_piece(SCRIPTED_PLAYER& p, LEVEL_PLAYER& level, int step, int x, int y) {
  ASSERT_TRUE(at_step(p, level, step));
  ASSERT_TRUE(p.wait_until([] { return !scene().tape->slots().empty(); }, "the first piece"));
  expect_card();
  expect_locks({false, true, true, true});
  EXPECT_TRUE(arrow_at(1, at_point(first_piece())));
  EXPECT_TRUE(arrow_at(2, at_cell(x, y)));
  EXPECT_EQ(scene().tape->slots().begin()->second->type(), 5);
  expect_tape_stands(p);
  ASSERT_TRUE(level.take(5));
  EXPECT_TRUE(arrow_at(1, off())) << "the taken piece needs no arrow";
  ASSERT_TRUE(level.turn_to(90) && level.lay(x, y));
}

// A new player on level 1 is led from the belt's first piece through
// turning, the water clock and the completion bonus to the final pipe,
// wins, and "next" starts level 2 with its own tutorial.
TEST(tutorial_e2e, LevelOneLeadsANewPlayerThroughEveryStepToTheWin) {
  on_level(1, [](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    EXPECT_TRUE(scene().hud_windows().is_open("HUD_TUTORIAL"));
    EXPECT_EQ(ada().completionBonuses, 1) << "the tutorial's bonuses";
    EXPECT_EQ(ada().destructionBonuses, 1);

    // 1: the belt's one piece onto the marked cell.
    ASSERT_NO_FATAL_FAILURE(lay_first_piece(p, level, 1, 7, 18));

    // 2: a T comes; it does not go down until it has been turned.
    ASSERT_TRUE(at_step(p, level, 2));
    expect_card();
    expect_locks({false, true, true, true});
    EXPECT_TRUE(arrow_at(1, at_cell(7, 17)));
    EXPECT_TRUE(arrow_at(2, off()));
    ASSERT_TRUE(level.take(2));
    const KS_VECTOR2 t_cell = level.cell_point(7, 17);
    p.press_button(int(t_cell.x), int(t_cell.y));
    ASSERT_NE(LEVEL_PLAYER::held(), nullptr) << "not laid before it is turned";
    const int angle = LEVEL_PLAYER::held()->angle_degrees();
    p.press_right();
    EXPECT_EQ(LEVEL_PLAYER::held()->angle_degrees(), (angle + 90) % 360);

    // 3: the turned T onto its cell.
    ASSERT_TRUE(at_step(p, level, 3));
    expect_card();
    EXPECT_TRUE(arrow_at(1, at_cell(7, 17)));
    ASSERT_TRUE(level.turn_to(90) && level.lay(7, 17));

    // 4: the water clock, and a piece on another branch.
    ASSERT_TRUE(at_step(p, level, 4));
    expect_card();
    expect_locks({false, true, true, false});
    const auto* dial = dynamic_cast<game::HUD_PANEL_WATER_INDICATOR*>(
        scene().hud_windows().find("HUD_WATER_INDICATOR"));
    ASSERT_NE(dial, nullptr);
    EXPECT_TRUE(arrow_at(1, at_point(dial->clock_position()) + KS_VECTOR2{0.0f, 50.0f}));
    EXPECT_NEAR(tutorial().arrow_rotation(1), 270.0f * 0.017453292f, 1e-4f);
    EXPECT_TRUE(arrow_at(2, at_cell(14, 14)));
    ASSERT_TRUE(level.take(5));
    ASSERT_TRUE(level.turn_to(90) && level.lay(14, 14));

    // 6: the tape stands; the completion bonus fills the marked gap.
    ASSERT_TRUE(at_step(p, level, 6));
    expect_card();
    expect_locks({false, false, false, true});
    const auto* completion =
        dynamic_cast<game::HUD_BUTTON_COMPLETION*>(scene().hud_windows().find("HUD_COMPLETION"));
    ASSERT_NE(completion, nullptr);
    EXPECT_TRUE(arrow_at(1, at_point(completion->button_position())));
    EXPECT_TRUE(arrow_at(2, at_cell(6, 14)));
    expect_tape_stands(p);
    // Bonus pieces from the tape may have granted more on the way.
    const int completions = ada().completionBonuses;
    ASSERT_TRUE(level.click_hud("HUD_COMPLETION", game::HUD_BUTTON_COMPLETION::kCompletionButton));
    ASSERT_EQ(scene().bonus_mode, CScene_Level::BONUS_COMPLETION);
    ASSERT_TRUE(level.wait_board_still());
    const KS_VECTOR2 gap = level.cell_point(6, 14);
    p.press_button(int(gap.x), int(gap.y));
    EXPECT_EQ(scene().field->content_type_at(6, 14), game::CONTENT_PIPE);
    EXPECT_EQ(ada().completionBonuses, completions - 1);
    EXPECT_TRUE(tutorial().is_idle());
    expect_locks({false, false, false, false});

    // 7: once the final pipe is in view, the way to it.
    const size_t laid = 4;
    const size_t actions = test_support::stored_solution(1).size();
    size_t next = laid;
    for (; next < actions && tutorial().step != 7; ++next) {
      ASSERT_TRUE(level.lay_actions(1, next, next + 1));
      p.frames(2);
    }
    ASSERT_EQ(tutorial().step, 7) << "the final pipe came into view";
    expect_card();
    const KOR::KS_IVECTOR2 final_pipe = scene().field->final_cell();
    EXPECT_TRUE(arrow_at(1, at_cell(final_pipe.x, final_pipe.y + 1)));
    EXPECT_TRUE(arrow_at(2, off()));
    ASSERT_TRUE(level.lay_actions(1, next, next + 1));
    EXPECT_TRUE(tutorial().is_idle());
    EXPECT_TRUE(tutorial().is_step_done(7));
    ASSERT_TRUE(level.lay_actions(1, next + 1, actions));
    ASSERT_TRUE(level.wait_finish());
    EXPECT_TRUE(tutorial().is_idle());

    // A player who has spent every bonus gets one of each for level 2.
    ada().completionBonuses = ada().destructionBonuses = 0;
    ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
    ASSERT_TRUE(p.wait_until([] { return game::current_level_number == 2; }, "level 2"));
    ASSERT_TRUE(at_step(p, level, 9));
    expect_card();
    expect_locks({false, true, true, true});
    EXPECT_TRUE(arrow_at(2, at_cell(9, 24)));
    EXPECT_EQ(ada().completionBonuses, 1) << "granted on the way in";
    EXPECT_EQ(ada().destructionBonuses, 1);
  });
}

// Level 2 teaches the destruction bonus and the press from its own first
// step; any key then completes the tutorial, the level is won, and "next"
// leads to level 3, which has none.
TEST(tutorial_e2e, LevelTwoTeachesTheDestructionBonusAndThePressAndLevelThreeHasNone) {
  on_level(2, [](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    // 9: the belt's one piece onto the marked cell.
    ASSERT_NO_FATAL_FAILURE(lay_first_piece(p, level, 9, 9, 24));

    // 5: the tape stands and cannot be used; the bonus clears the shrub.
    ASSERT_TRUE(at_step(p, level, 5));
    expect_card();
    expect_locks({true, true, false, false});
    EXPECT_TRUE(arrow_at(1, at_cell(9, 21)));
    EXPECT_TRUE(arrow_at(2, off()));
    expect_tape_stands(p);
    const int destructions = ada().destructionBonuses;
    ASSERT_TRUE(level.destroy(9, 21));
    EXPECT_EQ(ada().destructionBonuses, destructions - 1);

    // 8: one two-cell piece, which goes nowhere but into the press.
    ASSERT_TRUE(at_step(p, level, 8));
    expect_card();
    expect_locks({false, false, true, true});
    const auto* press =
        dynamic_cast<game::HUD_PANEL_PRESS*>(scene().bottom_windows().find("HUD_PRESS"));
    ASSERT_NE(press, nullptr);
    EXPECT_TRUE(arrow_at(1, at_point(press->press_centre())));
    const float b = KOR::auto_position_screen_width == 1024 ? 0.0f : 171.0f;
    EXPECT_TRUE(arrow_at(2, at_point(KS_VECTOR2{b + 830.0f, 670.0f})));
    ASSERT_TRUE(level.take(7));
    const KS_VECTOR2 open_end = level.cell_point(9, 23);
    p.press_button(int(open_end.x), int(open_end.y));
    ASSERT_NE(LEVEL_PLAYER::held(), nullptr) << "not laid on the board";
    ASSERT_TRUE(level.crush());

    // 10: any key ends the tutorial for good.
    ASSERT_TRUE(at_step(p, level, 10));
    expect_card();
    expect_locks({false, false, false, false});
    EXPECT_TRUE(arrow_at(1, off()));
    EXPECT_TRUE(arrow_at(2, at_point(KS_VECTOR2{b + 860.0f, 685.0f})));
    p.press_key(' ');
    EXPECT_TRUE(tutorial().is_idle());
    EXPECT_EQ(game::level_tutorial_active, 0);
    EXPECT_EQ(ada().tutorialCompleted, 1);

    ASSERT_TRUE(level.lay_actions(2, 2, test_support::stored_solution(2).size()));
    ASSERT_TRUE(level.wait_finish());
    ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
    ASSERT_TRUE(p.wait_until([] { return game::current_level_number == 3; }, "level 3"));
    ASSERT_TRUE(level.wait_board_still());
    EXPECT_EQ(scene().tutorial, nullptr);
    EXPECT_EQ(game::level_tutorial_active, 0);
    EXPECT_FALSE(scene().hud_windows().is_open("HUD_TUTORIAL"));
    EXPECT_TRUE(level.take(scene().tape->slots().begin()->second->type()));
    ASSERT_TRUE(level.crush());
    EXPECT_TRUE(
        p.wait_until([] { return scene().tape->slots().size() >= 2; }, "the tape deals on"));
  });
}

// A restart brings the tutorial back from its first step; the card's
// button ends it, and the tape then deals freely with nothing locked; the
// next restart brings it back again.
TEST(tutorial_e2e, ARestartBringsTheTutorialBackAndItsButtonEndsIt) {
  on_level(1, [](SCRIPTED_PLAYER& p, LEVEL_PLAYER& level) {
    ASSERT_NO_FATAL_FAILURE(lay_first_piece(p, level, 1, 7, 18));
    ASSERT_TRUE(at_step(p, level, 2));

    const auto restart = [&] {
      ASSERT_TRUE(level.click_hud("HUD_PAUSE", game::HUD_BUTTON_PAUSE::kPauseButton));
      ASSERT_TRUE(p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kRestartButton));
      ASSERT_TRUE(p.wait_until([] { return scene().state == CScene_Level::STATE_INTRO; },
                               "the level restarted"));
    };
    restart();
    ASSERT_TRUE(at_step(p, level, 1));
    EXPECT_FALSE(tutorial().is_step_done(1));
    ASSERT_TRUE(p.wait_until([] { return !scene().tape->slots().empty(); }, "the first piece"));
    EXPECT_EQ(scene().tape->slots().begin()->second->type(), 5);
    expect_card();
    EXPECT_TRUE(arrow_at(2, at_cell(7, 18)));
    expect_tape_stands(p);

    ASSERT_TRUE(level.click_hud("HUD_TUTORIAL", game::HUD_PANEL_TUTORIAL::kEndButton));
    EXPECT_EQ(game::level_tutorial_active, 0);
    EXPECT_FALSE(scene().hud_windows().is_open("HUD_TUTORIAL") &&
                 scene().hud_windows().find("HUD_TUTORIAL")->is_open());
    expect_locks({false, false, false, false});
    EXPECT_TRUE(p.wait_until([] { return scene().tape->slots().size() >= 2; }, "the tape deals"));

    restart();
    ASSERT_TRUE(at_step(p, level, 1));
    EXPECT_EQ(game::level_tutorial_active, 1);
    EXPECT_TRUE(scene().hud_windows().find("HUD_TUTORIAL")->is_open());
    expect_card();
  });
}

}  // namespace
