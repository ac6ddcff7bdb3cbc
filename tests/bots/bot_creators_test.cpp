#include "bots/bot_creators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "bots/KC_BOT_BLINK.h"
#include "bots/KC_BOT_BLOB.h"
#include "bots/KC_BOT_CHANGE_FLOAT.h"
#include "bots/KC_BOT_CHART_BOOST.h"
#include "bots/KC_BOT_COLOR.h"
#include "bots/KC_BOT_JOINT.h"
#include "bots/KC_BOT_LAZY_BLINKER.h"
#include "bots/KC_BOT_MOVE.h"
#include "bots/KC_BOT_MOVE_BEZIER.h"
#include "bots/KC_BOT_MOVE_LOOP.h"
#include "bots/KC_BOT_MOVE_ON.h"
#include "bots/KC_BOT_ROTATE.h"
#include "bots/KC_BOT_SCALE.h"
#include "bots/KC_BOT_SLEEP.h"
#include "bots/KC_BOT_SWING.h"
#include "bots/KC_BOT_SWITCH.h"
#include "bots/KC_BOT_TRANSFORM.h"
#include "bots/KC_BOT_ZOOM_INTO.h"
#include "foundation/KC_RANDOM.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::FrameTime;
using bots_test::Mesh;

TEST(BotCreators, EveryCreatorGivesItsClassWithItsNameAndKey) {
  KC_RANDOM random(0);
  KS_TRANSFORM3 t;
  KS_TRANSFORM3 anchor;
  Mesh mesh(4, 0xFFFFFFFF);
  float f = 0;
  uint32_t color = 0;
  const KS_VECTOR3 v;
  struct Case {
    std::function<KC_BASE*()> make;
    const char* name;  // "nonamed": the base settings are kept
  };
  const Case cases[] = {
      {[&] { return bot_create_follow(&t, &anchor, 1, 0, false, 0); }, "bot_follow"},
      {[&] { return bot_create_distance_joint(&t, &anchor, 0, 0); }, "bot_distance_joint"},
      {[&] { return bot_create_rigid_joint(&t, &anchor, 0, 0); }, "bot_rigid_joint"},
      {[&] { return bot_create_change_float(&f, 1, 1, 0, 0); }, "bot_blink_change_float"},
      {[&] { return bot_create_move_bezier(&t, {v}, v, 1, 0, 0); }, "bot_move_bezier"},
      {[&] { return bot_create_move_cubebezier(&t, v, v, v, 1, 0, 0); }, "bot_move_cubebezier"},
      {[&] { return bot_create_move_quadbezier(&t, v, v, 1, 0, 0); }, "bot_move_quadbezier"},
      {[&] { return bot_create_lazy_blinker(&mesh.list, 1, 1, 1); }, "bot_lazy_blinker"},
      {[&] { return bot_create_blink_analog(&mesh.list, 0, 9, 1, 2, 1, 1, false, 1, 0); },
       "bot_blink_analog"},
      {[&] { return bot_create_blink_pulse(&mesh.list, 0, 9, 1, 2, 1, 1, false, 1, 0); },
       "bot_blink_pulse"},
      {[&] { return bot_create_swing(&f, 1, 0, 1, 0); }, "bot_swing"},
      {[&] { return bot_create_sleep(nullptr, nullptr, 1, 0); }, "bot_sleep"},
      {[&] { return bot_create_color(&mesh.list, 1, 0, 0); }, "bot_color"},
      {[&] { return bot_create_blob(&t, 1, 1, 1, 1, 1, 1, 0, false); }, "bot_blob"},
      {[&] { return bot_create_switch(&t, 1, t, anchor, 0); }, "bot_switch"},
      {[&] { return bot_create_scale(&t, 1, 0, 1, 1, 1, 0); }, "bot_scale"},
      {[&] { return bot_create_rotate_on(&t, 1, 0, 0, 0, 1, 0); }, "bot_rotate"},
      {[&] { return bot_create_rotate_to(&t, 1, 0, 0, 0, 1, 0); }, "bot_rotate"},
      {[&] { return bot_create_move_on(&t, 1, 0, 1, 1, 0, 0); }, "nonamed"},
      {[&] { return bot_create_move_loop(&t, 1, 0, 5, 0); }, "bot_move_loop"},
      {[&] { return bot_create_move_loop_points(&t, 1, 0, 0, 0, 0, 1, 1, 1, 0); }, "bot_move_loop"},
      {[&] { return bot_create_color_ks(&color, 1, 0, 0); }, "bot_color"},
      {[&] { return bot_create_move(&t, 1, 0, 1, 1, 1, 0); }, "bot_move"},
      {[&] { return bot_create_transform(&t, anchor, 1, 0); }, "bot_transform"},
      {[&] { return bot_create_chart_boost("a", "b", 3); }, "nonamed"},
      {[&] { return bot_create_zoom_into(&t, KS_VECTOR2(1, 1), 1); }, "nonamed"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<KC_BASE> bot(c.make());
    ASSERT_NE(bot, nullptr) << c.name;
    const bool base = std::string(c.name) == "nonamed";
    EXPECT_EQ(bot->name, c.name);
    EXPECT_EQ(bot->lastname, "nolastname");
    EXPECT_EQ(bot->id, kBotNoId);
    EXPECT_EQ(bot->sort_key, base ? 0.0f : kBotSortKey) << c.name;
    EXPECT_EQ(bot->draw_group, base ? 1 : 0) << c.name;
  }
}

TEST(BotCreators, MoveLoopGoesAlongTheTargetsTurnedUp) {
  struct Case {
    float rotation;
    float bx;
    float by;
  };
  const Case cases[] = {{0, 100, 195}, {1.5707964f, 105, 200}, {3.1415927f, 100, 205}};
  for (const Case& c : cases) {
    KS_TRANSFORM3 target;
    target.set_position(100, 200, 7);
    target.rotation.z = c.rotation;
    // Half a second per leg at 0.25 s frames: the first leg ends on point b
    // on the third update; the second ends on point a on the seventh.
    KC_BOT_LIST list;
    list.add(bot_create_move_loop(&target, 0.5f, 0, 5, 0));
    FrameTime time(0.25f);
    for (int frame = 1; frame <= 7; ++frame) {
      list.update();
      if (frame == 3) {
        EXPECT_NEAR(target.position.x, c.bx, 1e-4) << c.rotation;
        EXPECT_NEAR(target.position.y, c.by, 1e-4) << c.rotation;
        EXPECT_EQ(target.position.z, 0.0f);
      }
    }
    EXPECT_EQ(target.position, KS_VECTOR3(100, 200, 0)) << c.rotation;
  }
  EXPECT_EQ(bot_create_move_loop(nullptr, 0.5f, 5, 5, 0), nullptr);
}

TEST(BotCreators, ArgumentsArriveInOrder) {
  FrameTime time(0.5f);
  int value = 0;
  bots_test::CallCounter counter;
  std::unique_ptr<KC_BASE> sleep(bot_create_sleep(&value, counter.callback(), 0.5f, 9));
  EXPECT_EQ(bots_test::update(*sleep), BOT_RESULT_REMOVE);
  EXPECT_EQ(value, 9);
  EXPECT_EQ(counter.calls, 1);

  KS_TRANSFORM3 target;
  std::unique_ptr<KC_BASE> move(bot_create_move(&target, 0.5f, 0, 1, 2, 3, 0.5f));
  bots_test::update(*move);
  bots_test::update(*move);
  bots_test::update(*move);
  EXPECT_EQ(target.position, KS_VECTOR3(1, 2, 3));

  KS_TRANSFORM3 a;
  KS_TRANSFORM3 b;
  b.set_position(4, 5, 6);
  auto* sw = bot_create_switch(&target, 0.5f, a, b, 0);
  sw->switch_to(true);
  bots_test::update(*sw);
  EXPECT_EQ(target.position, KS_VECTOR3(4, 5, 6));
  delete sw;
}
