#include "platform/KC_INPUT.h"

#include <gtest/gtest.h>

#include <vector>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "support/hook_slots.h"

using KOR::KC_INPUT;

namespace {

// What a hook saw when it fired.
struct SEEN {
  char what;  // 'd' key down, 'u' key up, 'm' pointer move
  int code;
  int state;
  int last_key;
};

std::vector<SEEN> seen;

int on_key_down(void* arg) {
  const int code = static_cast<int>(KOR::callback_arg_value(arg));
  seen.push_back({'d', code, KC_INPUT::instance->key_state(code), KC_INPUT::instance->last_key});
  return 1;
}

int on_key_up(void* arg) {
  const int code = static_cast<int>(KOR::callback_arg_value(arg));
  seen.push_back({'u', code, KC_INPUT::instance->key_state(code), KC_INPUT::instance->last_key});
  return 1;
}

int on_mouse_move(void*) {
  seen.push_back({'m', KOR::input_mouse_position->x, KOR::input_mouse_position->y, 0});
  return 1;
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seen.clear();
    hooks.set(KOR::hook_key_down, &on_key_down);
    hooks.set(KOR::hook_key_up, &on_key_up);
    hooks.set(KOR::hook_mouse_move, &on_mouse_move);
  }
  test_support::HOOK_SLOTS hooks;
  KC_INPUT input;
};

}  // namespace

TEST_F(InputTest, HeldKeyCountsUpAndWrapsAfter125) {
  input.key_down('A');
  std::vector<int> states{input.key_state('A')};
  for (int i = 0; i < 130; ++i) {
    input.end_frame();
    states.push_back(input.key_state('A'));
  }
  for (int i = 0; i <= 124; ++i) ASSERT_EQ(states[i], i + 1) << "after " << i << " ageings";
  EXPECT_EQ(states[125], 2) << "125 is followed by 2";
  EXPECT_EQ(states[126], 3);
}

TEST_F(InputTest, RepeatedKeyDownsCount) {
  // Each case: the state before an auto-repeat key-down, the state after.
  const int cases[][2] = {{0, 1},   {1, 2},   {2, 3},   {120, 121},
                          {121, 2}, {125, 2}, {127, 2}, {0xFF, 0}};
  for (const auto& c : cases) {
    input.key_states['K'] = static_cast<uint8_t>(c[0]);
    input.key_down('K');
    EXPECT_EQ(input.key_state('K'), c[1]) << "from " << c[0];
  }
}

TEST_F(InputTest, PressAndReleaseInOnePump) {
  input.key_down('Z');
  input.key_up('Z');
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].state, 1) << "the key-down hook sees its own new state";
  EXPECT_EQ(seen[0].last_key, 'Z');
  EXPECT_EQ(seen[1].state, 0xFF);
  EXPECT_TRUE(input.key_released('Z')) << "the next update reads the release";
  EXPECT_FALSE(input.key_pressed('Z'));
  input.end_frame();
  EXPECT_EQ(input.key_state('Z'), 0);
}

TEST_F(InputTest, ReleaseAndPressAgainInOnePumpReadsUp) {
  input.key_down('Q');
  input.end_frame();
  input.key_up('Q');
  input.key_down('Q');
  EXPECT_EQ(input.key_state('Q'), 0);
  input.key_down('Q');  // the next auto-repeat
  EXPECT_EQ(input.key_state('Q'), 1);
}

TEST_F(InputTest, ShiftAlsoMarksCapsLockWhichDoesNotAge) {
  input.key_down(16);
  EXPECT_EQ(input.key_state(16), 1);
  EXPECT_EQ(input.key_state(20), 1);
  input.end_frame();
  input.end_frame();
  EXPECT_EQ(input.key_state(16), 3);
  EXPECT_EQ(input.key_state(20), 1);
  input.key_down(16);  // auto-repeat: went down again
  EXPECT_EQ(input.key_state(16), 1);
  input.key_up(16);
  EXPECT_EQ(input.key_state(16), 0xFF);
  EXPECT_EQ(input.key_state(20), 0xFF);
  input.end_frame();
  EXPECT_EQ(input.key_state(16), 0);
  EXPECT_EQ(input.key_state(20), 0);
}

TEST_F(InputTest, AgeingClearsTheLastKeyAndTextAndKeepsThePointer) {
  input.mouse_move(10, 20);
  input.key_down(1);  // a left click: a key that does not move the pointer
  input.typed_text[0] = L'x';
  EXPECT_EQ(input.last_key, 1);
  EXPECT_EQ(input.pointer.x, 10);
  input.end_frame();
  EXPECT_EQ(input.last_key, 0);
  EXPECT_EQ(input.typed_text[0], L'\0');
  EXPECT_EQ(input.previous_pointer.x, 10);
  EXPECT_EQ(input.previous_pointer.y, 20);
  input.mouse_move(30, 40);
  EXPECT_EQ(input.previous_pointer.x, 10) << "only ageing copies the pointer";
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].what, 'm');
  EXPECT_EQ(seen[0].code, 10) << "the move hook reads the new position";
  EXPECT_EQ(seen[2].code, 30);
  EXPECT_EQ(KOR::input_mouse_position, &input.pointer);
}

TEST_F(InputTest, CodesOutsideTheTableAreIgnored) {
  input.key_down(256);
  input.key_down(0xFFFFFFFFu);
  input.key_up(-1);
  input.key_up(300);
  EXPECT_TRUE(seen.empty()) << "no hook fires for them";
  EXPECT_EQ(input.last_key, 0);
  for (int code : {-1, 256, 1000}) {
    EXPECT_EQ(input.key_state(code), 0);
    EXPECT_FALSE(input.key_pressed(code));
    EXPECT_FALSE(input.key_released(code));
  }
  for (uint8_t s : input.key_states) ASSERT_EQ(s, 0);
  input.key_down(255);
  EXPECT_EQ(input.key_state(255), 1) << "the last code of the table is a key";
}

TEST(KC_INPUT, ControlKeysTypeNoText) {
  const int control[] = {8, 13, 16, 17, 35, 36, 37, 38, 39, 40, 45, 46};
  for (int code : control) EXPECT_EQ(KC_INPUT::is_control_key(code), 1) << code;
  for (int code : {0, 1, 7, 9, 14, 18, 20, 27, 32, 34, 41, 44, 47, 65, 255, 300}) {
    EXPECT_EQ(KC_INPUT::is_control_key(code), 0) << code;
  }
}

TEST(KC_INPUT, InstanceFollowsTheLiveObject) {
  {
    KC_INPUT input;
    EXPECT_EQ(KC_INPUT::instance, &input);
  }
  EXPECT_EQ(KC_INPUT::instance, nullptr);
}
