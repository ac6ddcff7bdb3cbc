#include "framework/G_WINDOW.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <pugixml.hpp>

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_SPRITE.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KS_GUI_EVENT.h"
#include "support/window_probe.h"

using framework_test::PROBE_WINDOW;
using framework_test::window_log;
using KOR::KS_AUTO_POSITION;
using KOR_GF::G_WINDOW;

namespace {

constexpr const char* kPage = "graphics page.png";   // 64 × 32
constexpr const char* kBack = "graphics back1.png";  // 4 × 2

// The hooks the log holds, without the frame entries.
std::vector<std::string> hooks() {
  std::vector<std::string> out;
  for (const std::string& entry : window_log) {
    const std::string what = entry.substr(entry.find(':') + 1);
    if (what != "update" && what != "draw" && what != "key_up") out.push_back(entry);
  }
  return out;
}

void expect_at(const KS_AUTO_POSITION& p, float x, float y, const char* what) {
  EXPECT_NEAR(p.position.x, x, 0.01f) << what;
  EXPECT_NEAR(p.position.y, y, 0.01f) << what;
}

class Window : public ::testing::Test {
 protected:
  std::unique_ptr<PROBE_WINDOW> make(const char* xml) {
    return std::unique_ptr<PROBE_WINDOW>(scene.make(xml));
  }
  std::unique_ptr<PROBE_WINDOW> load(const char* name) {
    pugi::xml_document* document = scene.res.manager.get_xml(name);
    EXPECT_NE(document, nullptr) << name;
    auto window = std::make_unique<PROBE_WINDOW>(document->document_element());
    scene.res.manager.release_xml(document);
    return window;
  }
  // The fixture menu, enabled and opened to its resting place.
  std::unique_ptr<PROBE_WINDOW> opened_menu() {
    auto window = load("xml/Windows menu.xml");
    window->enable();
    window->open();
    run(*window, 4);
    return window;
  }
  static int run(G_WINDOW& window, int updates) {
    int result = -1;
    for (int i = 0; i < updates; ++i) result = window.update();
    return result;
  }

  framework_test::WINDOW_SCENE scene;
};

TEST_F(Window, DescriptionWithoutAttributesOpensFromAboveAndLeavesThroughTheBottom) {
  PROBE_WINDOW window{pugi::xml_node()};
  EXPECT_EQ(window.name(), "gWindow");
  EXPECT_EQ(window.layer(), 0u);
  EXPECT_FALSE(window.is_modal());
  EXPECT_FLOAT_EQ(window.show_time(), 0.5f);
  EXPECT_EQ(window.state(), KOR_GF::WINDOW_IDLE);
  EXPECT_EQ(window.background(), nullptr);
  expect_at(window.placement(), 512.0f, -460.8f, "placement");
  expect_at(window.shown(), 512.0f, 384.0f, "shown");
  expect_at(window.close_end(), 512.0f, 768.0f, "close end");
  // Every widget hangs from the live placement.
  EXPECT_EQ(window.gui()->root->transform->parent, &window.placement());

  window.open();
  EXPECT_EQ(window.state(), KOR_GF::WINDOW_OPENING);
  EXPECT_TRUE(window.is_open());
  EXPECT_EQ(run(window, 1), KOR_GF::WINDOW_UPDATE_CONTINUE);
  EXPECT_LT(window.placement().position.y, 384.0f);
  run(window, 1);  // 0.5 s
  EXPECT_EQ(window.state(), KOR_GF::WINDOW_OPENED);
  run(window, 2);
  expect_at(window.placement(), 512.0f, 384.0f, "opened");

  window.close();
  EXPECT_EQ(window.state(), KOR_GF::WINDOW_CLOSING);
  EXPECT_FALSE(window.is_open());
  EXPECT_EQ(run(window, 1), KOR_GF::WINDOW_UPDATE_CONTINUE);
  EXPECT_EQ(run(window, 1), KOR_GF::WINDOW_UPDATE_CLOSED);
  EXPECT_EQ(window.state(), KOR_GF::WINDOW_IDLE);
  EXPECT_TRUE(window.is_closed());
  // Ready for the next opening.
  expect_at(window.placement(), 512.0f, -460.8f, "after closing");
}

TEST_F(Window, PlacementsFollowShowAndPositionTypes) {
  struct ROW {
    const char* attributes;
    float open_x, open_y, shown_x, shown_y, close_x, close_y;
  };
  const ROW rows[] = {
      {R"(_typePos="POS_IN_PERCENT" _position="0.25 0.5" _typeOpen="SH_MOVE_UP"
          _typeClose="SH_MOVE_LEFT")",
       256, 768, 256, 384, -256, 384},
      {R"(_typePos="anything" _position="0.25 0.25" _typeOpen="SH_MOVE_RIGHT"
          _typeClose="SH_MOVE_UP")",
       -256, 192, 256, 192, 256, -268.8f},
      {R"(_typePos="POS_IN_PERCENT" _position="0.25 0.25" _typeOpen="SH_MOVE_LEFT"
          _typeClose="SH_MOVE_RIGHT")",
       512, 192, 256, 192, 512, 192},
      {R"(_typePos="POS_IN_PIX" _position="100 200" _typeOpen="SH_MOVE_DOWN"
          _typeClose="SH_MOVE_UP")",
       100, -250, 100, 200, 100, -250},
      {R"(_typePos="POS_IN_PIX" _position="100 200" _typeOpen="SH_MOVE_RIGHT"
          _typeClose="SH_MOVE_LEFT")",
       -130, 200, 100, 200, -130, 200},
      // Pixel windows take the fraction rules on their pixel position
      // rather than entering from the screen origin.
      {R"(_typePos="POS_IN_PIX" _position="100 200" _typeOpen="SH_MOVE_UP"
          _typeClose="SH_MOVE_DOWN")",
       100, 400, 100, 200, 100, 400},
      {R"(_typePos="POS_IN_PIX" _position="100 200" _typeOpen="SH_MOVE_LEFT"
          _typeClose="SH_MOVE_RIGHT")",
       200, 200, 100, 200, 200, 200},
      // A middle window entering from the left leaves the origin alone too.
      {R"(_typeOpen="SH_MOVE_RIGHT" _typeClose="SH_MOVE_LEFT" _position="1 1")", -512, 384, 512,
       384, -512, 384},
      {R"(_typePos="POS_IN_PERCENT" _position="0.75 0.25" _typeOpen="SH_FADE"
          _typeClose="sh_momental")",
       768, 192, 768, 192, 768, 192},
      // Text without two numbers keeps the shown placement as it was.
      {R"(_typePos="POS_IN_PIX" _position="12" _typeOpen="SH_MOMENTAL" _typeClose="SH_FADE")", 0, 0,
       0, 0, 0, 0},
  };
  for (const ROW& row : rows) {
    const std::string xml = std::string("<window ") + row.attributes + "/>";
    auto window = make(xml.c_str());
    SCOPED_TRACE(row.attributes);
    expect_at(window->open_start(), row.open_x, row.open_y, "open start");
    expect_at(window->shown(), row.shown_x, row.shown_y, "shown");
    expect_at(window->close_end(), row.close_x, row.close_y, "close end");
    expect_at(window->placement(), row.open_x, row.open_y, "placement");
  }
}

TEST_F(Window, AttributesAndShowTypeTexts) {
  auto window = make(R"(<any _name="dlg" _typeOpen="SH_FADE" _typeClose="sh_fade" layer="4000000000"
                         _modal="yes" _timeShow="0.75" _typePos="POS_MIDDLE_SCREEN"/>)");
  EXPECT_EQ(window->name(), "dlg");
  EXPECT_EQ(window->open_type(), KOR_GF::SHOW_FADE);
  EXPECT_EQ(window->close_type(), KOR_GF::SHOW_OTHER);
  EXPECT_EQ(window->position_type(), KOR_GF::POSITION_MIDDLE);
  EXPECT_EQ(window->layer(), 4000000000u);
  EXPECT_TRUE(window->is_modal());
  EXPECT_FLOAT_EQ(window->show_time(), 0.75f);
}

TEST_F(Window, HooksRunOnceInOrderAndRepeatedOpenOrCloseDoesNothing) {
  auto window = make(R"(<w _name="w" _timeShow="0.25"/>)");
  window->close();
  EXPECT_TRUE(window_log.empty());
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_IDLE);

  window->open();
  const int queued = window->behaviours().count();
  window->open();
  EXPECT_EQ(window->behaviours().count(), queued);
  run(*window, 1);
  window->close();
  window->close();
  run(*window, 1);
  const std::vector<std::string> expected = {"w:open_begin",  "w:open_started",  "w:opened",
                                             "w:close_begin", "w:close_started", "w:closed"};
  EXPECT_EQ(hooks(), expected);
}

TEST_F(Window, ZeroShowTimeOpensAtTheFirstUpdateWhileTheMoveRunsAtFiftyPixelsPerSecond) {
  auto window = make(R"(<w _timeShow="0"/>)");
  window->open();
  run(*window, 1);
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_OPENED);
  run(*window, 2);
  // The first update starts the move; two more quarter seconds at 50 px/s.
  EXPECT_NEAR(window->placement().position.y, -460.8f + 25.0f, 0.01f);

  window->close();
  EXPECT_EQ(run(*window, 1), KOR_GF::WINDOW_UPDATE_CLOSED);
}

TEST_F(Window, ClosingDuringTheOpeningEndsTheOpeningAnimation) {
  auto window = make(R"(<w _name="w" _timeShow="0.5"/>)");
  window->open();
  run(*window, 1);
  window->close();
  // Only the closing's move and timer are left.
  EXPECT_EQ(window->behaviours().count(), 2);
  int states_seen = 0;
  while (window->update() != KOR_GF::WINDOW_UPDATE_CLOSED && ++states_seen < 10) {
    EXPECT_EQ(window->state(), KOR_GF::WINDOW_CLOSING);
  }
  EXPECT_EQ(hooks(), (std::vector<std::string>{"w:open_begin", "w:open_started", "w:close_begin",
                                               "w:close_started", "w:closed"}));

  // Opening again during a closing ends the closing: it never reports closed.
  window->open();
  run(*window, 1);
  window->close();
  window->open();
  for (int i = 0; i < 6; ++i) EXPECT_NE(window->update(), KOR_GF::WINDOW_UPDATE_CLOSED);
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_OPENED);
}

TEST_F(Window, BackgroundFadesBetweenItsColoursAndStaysCentred) {
  auto window = load("xml/Windows menu.xml");
  KOR_GF::G_SPRITE* back = window->background();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->texture_name(), kBack);
  EXPECT_EQ(back->width(), 1024.0f);
  EXPECT_EQ(back->height(), 768.0f);
  EXPECT_EQ(back->transform()->position.x, 512.0f);
  EXPECT_EQ(back->transform()->position.y, 384.0f);
  EXPECT_EQ(back->color().argb(), 0x00FFFFFFu);

  window->open();
  // Fade, move and timer.
  EXPECT_EQ(window->behaviours().count(), 3);
  run(*window, 4);
  EXPECT_EQ(back->color().argb(), 0xFFFFFFFFu);
  window->close();
  EXPECT_EQ(back->color().argb(), 0xFFFFFFFFu);
  run(*window, 4);
  EXPECT_EQ(back->color().argb(), 0x00FFFFFFu);
  // The background never moved with the window.
  EXPECT_EQ(back->transform()->position.y, 384.0f);

  auto same =
      make(R"(<w><background START_COLOR="9 1 2 3" END_COLOR="9 1 2 3">x</background></w>)");
  same->open();
  EXPECT_EQ(same->behaviours().count(), 2);
}

TEST_F(Window, TexturesAreHeldOnlyWhileEnabled) {
  auto window = load("xml/Windows menu.xml");
  EXPECT_EQ(scene.res.references(kPage), 0);
  window->enable();
  window->enable();
  EXPECT_TRUE(window->is_enabled());
  EXPECT_EQ(scene.res.references(kPage), 1);
  EXPECT_EQ(scene.res.references(kBack), 1);
  EXPECT_TRUE(window->background()->has_texture());
  window->disable();
  window->disable();
  EXPECT_EQ(scene.res.references(kPage), 0);
  EXPECT_EQ(scene.res.references(kBack), 0);
  EXPECT_FALSE(window->background()->has_texture());
  EXPECT_EQ(hooks(), (std::vector<std::string>{"menu:enable", "menu:disable"}));
}

TEST_F(Window, ReleasedWidgetReachesTheControlEventByItsId) {
  auto window = opened_menu();
  // The picture (64 × 32) is centred on the window's shown position.
  scene.click_down(530, 390);
  EXPECT_EQ(window->key_down(1), nullptr);
  scene.click_up(530, 390);
  KOR::KS_GUI_EVENT* event = window->key_up(1);
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->id, 7u);
  EXPECT_EQ(window->last_event(), event);
  EXPECT_EQ(window_log.back(), "menu:control 7");

  window_log.clear();
  scene.click_up(600, 390);
  EXPECT_EQ(window->key_up(1), nullptr);
  EXPECT_EQ(window->last_event(), nullptr);
  EXPECT_TRUE(hooks().empty());
}

TEST_F(Window, TheReleaseAnswersWithTheLastEventAsTheControlEventLeftIt) {
  auto window = opened_menu();
  // A control event that makes the window ask its widgets about the
  // pointer again changes what the release answers.
  window->on_control_action = [&] {
    scene.point(0, 0);
    window->activate();
  };
  scene.click_up(512, 384);
  EXPECT_EQ(window->key_up(1), nullptr);
  EXPECT_EQ(window->last_event(), nullptr);
}

TEST_F(Window, ActivationFollowsThePointerAtOnce) {
  auto window = opened_menu();
  scene.point(0, 0);
  window->activate();
  EXPECT_TRUE(window->is_active());
  window->deactivate();
  EXPECT_FALSE(window->is_active());
  window->deactivate();
  EXPECT_EQ(hooks(), (std::vector<std::string>{"menu:enable", "menu:open_begin",
                                               "menu:open_started", "menu:opened", "menu:activate",
                                               "menu:deactivate", "menu:deactivate"}));
}

// The pointer moves on while a window is away. Shown again, its buttons
// hover where the pointer is now, not where it was when the window closed:
// a button hovered then takes no press elsewhere, and one the pointer rests
// on takes it without a move first.
TEST_F(Window, OpeningAgainTakesThePointerWhereItIsNow) {
  auto window = make(
      "<window _typeOpen=\"SH_MOMENTAL\" _typeClose=\"SH_MOMENTAL\">"
      "<GUI><BUTTON5 ID=\"3\" TEXTURE=\"graphics page.png\"/></GUI></window>");
  auto* button = dynamic_cast<KOR::KC_GUI_BUTTON5*>(window->gui()->find(3));
  ASSERT_NE(button, nullptr);
  window->enable();
  struct CASE {
    int pointer_x;  // where the pointer rests while the window opens again
    int state;      // the button's state then, and after a press there
    int pressed;
  };
  for (const CASE c : {CASE{0, KOR::KC_GUI_BUTTON5::NORMAL, KOR::KC_GUI_BUTTON5::NORMAL},
                       CASE{512, KOR::KC_GUI_BUTTON5::HOVER, KOR::KC_GUI_BUTTON5::PRESSED}}) {
    window->open();
    run(*window, 2);
    scene.point(512, 384);
    window->mouse_move();
    ASSERT_EQ(button->state, KOR::KC_GUI_BUTTON5::HOVER);
    window->close();
    run(*window, 2);
    ASSERT_TRUE(window->is_closed());

    scene.point(c.pointer_x, 384);
    window->open();
    EXPECT_EQ(button->state, c.state) << c.pointer_x;
    scene.click_down(c.pointer_x, 384);
    window->key_down(1);
    EXPECT_EQ(button->state, c.pressed) << c.pointer_x;
    scene.next_frame();
    scene.point(0, 0);
    window->mouse_move();
    scene.click_up(0, 0);
    window->key_up(1);
    scene.next_frame();
    window->close();
    run(*window, 2);
  }
}

TEST_F(Window, SlideRunsFromTheShownPlaceAndEndsIdle) {
  auto window =
      make(R"(<w _typePos="POS_IN_PERCENT" _position="0.5 0.25" _typeOpen="SH_MOMENTAL"/>)");
  window->open();
  run(*window, 4);
  window->start_slide(-200.0f, 0.5f);
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_SLIDING);
  const float shown_y = window->shown().position.y;
  const float expected[] = {0.0f, -100.0f, -200.0f, -200.0f};
  for (float dy : expected) {
    run(*window, 1);
    EXPECT_FLOAT_EQ(window->placement().position.y, shown_y + dy);
  }
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_IDLE);
  window->reset_position();
  expect_at(window->placement(), 512.0f, shown_y, "reset");

  // A slide without duration ends at once rather than dividing by zero.
  window->start_slide(50.0f, 0.0f);
  run(*window, 1);
  EXPECT_FLOAT_EQ(window->placement().position.y, shown_y + 50.0f);
  EXPECT_EQ(window->state(), KOR_GF::WINDOW_IDLE);
}

TEST_F(Window, SwitchingWidthsMovesWindowsWidgetsAndBackground) {
  auto middle = load("xml/Windows menu.xml");
  auto pixels = make(R"(<w _typePos="POS_IN_PIX" _position="100 200" _typeOpen="SH_MOMENTAL"/>)");
  auto fractions = make(R"(<w _typePos="POS_IN_PERCENT" _position="0.25 0.5"/>)");
  middle->enable();
  middle->open();
  pixels->open();
  run(*middle, 4);
  run(*pixels, 4);
  KOR::KC_GUI_OBJECT* picture = middle->gui()->find(7);
  ASSERT_NE(picture, nullptr);

  // The same width changes nothing, not even the widgets' layout.
  picture->transform->position.x = 5.0f;
  for (G_WINDOW* w : {static_cast<G_WINDOW*>(middle.get()), static_cast<G_WINDOW*>(pixels.get()),
                      static_cast<G_WINDOW*>(fractions.get())}) {
    w->relayout(1024);
  }
  EXPECT_EQ(picture->transform->position.x, 5.0f);

  scene.switch_width(1366);
  for (G_WINDOW* w : {static_cast<G_WINDOW*>(middle.get()), static_cast<G_WINDOW*>(pixels.get()),
                      static_cast<G_WINDOW*>(fractions.get())}) {
    w->relayout(1024);
  }
  expect_at(middle->placement(), 683.0f, 384.0f, "middle placement");
  expect_at(middle->shown(), 683.0f, 384.0f, "middle shown");
  expect_at(middle->open_start(), 683.0f, -460.8f, "middle open start");
  EXPECT_EQ(picture->transform->position.x, 30.0f);
  EXPECT_EQ(middle->background()->transform()->position.x, 683.0f);
  expect_at(pixels->placement(), 271.0f, 200.0f, "pixel placement");
  expect_at(pixels->shown(), 100.0f, 200.0f, "only middle windows move their resting place");
  // A closed fraction window parks where it rests, its placements taken
  // anew from its fractions.
  expect_at(fractions->placement(), 341.5f, 384.0f, "fraction placement");
  expect_at(fractions->shown(), 341.5f, 384.0f, "fraction shown");
  expect_at(fractions->open_start(), 341.5f, -460.8f, "fraction open start");

  // A pixel window's next opening starts from its unshifted placements.
  pixels->close();
  run(*pixels, 2);
  pixels->open();
  run(*pixels, 2);
  expect_at(pixels->placement(), 100.0f, 200.0f, "pixel reopened");

  scene.switch_width(1024);
  middle->relayout(1366);
  expect_at(middle->placement(), 512.0f, 384.0f, "middle back");
  expect_at(middle->close_end(), 512.0f, 768.0f, "middle close end back");
  EXPECT_EQ(picture->transform->position.x, 0.0f);
}

TEST_F(Window, HudPanelsRestWhereTheirFractionsPutThem) {
  auto hud = make(R"(<w _name="HUD_MONEY" _typeOpen="SH_MOMENTAL"/>)");
  auto closed = make(R"(<w _name="HUD_TAPE" _typePos="POS_IN_PERCENT" _position="0.5 0.9"/>)");
  hud->open();
  run(*hud, 1);
  scene.switch_width(1366);
  hud->relayout(1024);
  closed->relayout(1024);
  expect_at(hud->placement(), 683.0f, 384.0f, "hud");
  expect_at(closed->placement(), 683.0f, 691.2f, "a closed hud parks where it rests");

  // Placed in pixels, a HUD panel has no fractions to rest by: it stays at
  // its pixels instead of jumping to the screen origin.
  auto pixels = make(R"(<w _name="HUD_PRESS" _typePos="POS_IN_PIX" _position="900 600"/>)");
  pixels->relayout(1024);
  expect_at(pixels->placement(), 900.0f, 600.0f, "pixel hud");
}

TEST_F(Window, DrawingShowsTheBackgroundBehindTheWidgets) {
  auto window = load("xml/Windows menu.xml");
  window->enable();
  scene.res.render.begin_frame();
  window->draw();
  scene.res.render.end_frame();
  const auto& draws = scene.res.gpu->draws;
  ASSERT_EQ(draws.size(), 2u);
  const auto width = [](const KOR::GPU_NULL::DRAW& d) {
    return d.positions[1][0] - d.positions[0][0];
  };
  EXPECT_FLOAT_EQ(width(draws[0]), 1024.0f);
  EXPECT_FLOAT_EQ(width(draws[1]), 64.0f);
}

}  // namespace
