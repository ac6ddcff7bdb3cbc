#include "bots/KC_BOT_SWITCH.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/bot_harness.h"

using namespace KOR;
using bots_test::FrameTime;

TEST(BotSwitch, IdleUntilToldThenRunsToTheChosenState) {
  KS_TRANSFORM3 a;
  KS_TRANSFORM3 b;
  b.set_position(8, 0, 0);
  KS_TRANSFORM3 target;
  FrameTime time(0.25f);
  KC_BOT_LIST list;
  auto* sw = new KC_BOT_SWITCH(&target, 1, a, b, 0);
  EXPECT_EQ(sw->name, "bot_switch");
  EXPECT_EQ(sw->update_group, 0);
  list.add(sw);

  struct Step {
    std::function<void()> before;
    float x;
  };
  const Step steps[] = {
      {nullptr, 0},
      {[&] { sw->switch_to(true); }, 2},
      {nullptr, 4},
      // Told back halfway: it returns in the 0.5 s it had run.
      {[&] { sw->toggle(); }, 2},
      {nullptr, 0},
      {nullptr, 0},
      {[&] { target.position.x = 5; }, 5},  // idle: not updated
      {[&] { sw->switch_to(true); }, 5.75f},
      {nullptr, 6.5f},
      {nullptr, 7.25f},
      {nullptr, 8},
      {nullptr, 8},
  };
  for (const Step& s : steps) {
    if (s.before) s.before();
    list.update();
    EXPECT_FLOAT_EQ(target.position.x, s.x);
  }
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(sw->update_group, 0);
  EXPECT_EQ(sw->process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
}

TEST(BotSwitch, DelayBeforeEachSwitchAndZeroRunTime) {
  KS_TRANSFORM3 a;
  KS_TRANSFORM3 b;
  b.set_position(8, 0, 0);
  KS_TRANSFORM3 target;
  FrameTime time(0.25f);
  KC_BOT_SWITCH delayed(&target, 0.5f, a, b, 0.5f);
  delayed.switch_to(true);
  const float xs[] = {0, 0, 4, 8, 8};
  for (float x : xs) {
    bots_test::update(delayed);
    EXPECT_FLOAT_EQ(target.position.x, x);
  }

  KC_BOT_SWITCH instant(&target, 0, a, b, 0);
  instant.switch_to(false);
  bots_test::update(instant);
  EXPECT_FLOAT_EQ(target.position.x, 0);
  EXPECT_EQ(instant.update_group, 0);
}
