#pragma once

#include <cstdint>
#include <string>

namespace KOR {

struct KC_CALLBACK;

// Messages of KC_BASE::process.
inline constexpr int BOT_MSG_UPDATE = 1;
inline constexpr int BOT_MSG_DRAW = 2;
inline constexpr int BOT_MSG_SET_CALLBACK = 38;  // p4: the KC_CALLBACK* to invoke on completion
inline constexpr int BOT_MSG_FINISH = 45;

// Answers of KC_BASE::process.
inline constexpr int BOT_RESULT_CONTINUE = 0;
inline constexpr int BOT_RESULT_REMOVE = -113;  // finished: the list that asked deletes it
inline constexpr int BOT_RESULT_STOP = -109;    // the running pass returns at once

// The order key of every engine behaviour class (the float nearest 3.4e38).
inline constexpr float kBotSortKey = 3.4e38f;
// The bytes 'n', 'o', 'i', 'd' in memory order.
inline constexpr int kBotNoId = 0x64696F6E;

// A small heap object that changes something over several frames and then
// asks its list to delete it. Every argument of process is pointer-sized,
// since p4 of BOT_MSG_SET_CALLBACK carries a callback pointer.
class KC_BASE {
 public:
  KC_BASE() = default;
  KC_BASE(const KC_BASE&) = delete;
  KC_BASE& operator=(const KC_BASE&) = delete;
  virtual ~KC_BASE() = default;

  virtual int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) = 0;

  std::string name = "nonamed";
  std::string lastname = "nolastname";
  int id = kBotNoId;      // 0 passed to the list's filters matches every member
  float sort_key = 0.0f;  // list order, larger first
  uint8_t update_group = 1;
  uint8_t draw_group = 1;

 protected:
  // The settings shared by the engine's behaviour classes: their own name,
  // the common order key, and no part in draw passes.
  void set_behaviour_defaults(const char* class_name);
};

// p4 of BOT_MSG_SET_CALLBACK as the callback it carries.
KC_CALLBACK* bot_callback_word(intptr_t p4);
// A callback as the p4 word of BOT_MSG_SET_CALLBACK.
intptr_t bot_word(const KC_CALLBACK* callback);

// Invokes a completion callback at most once: the slot is cleared before the
// call. The callback may delete the behaviour's owner, so callers touch
// nothing of theirs after it returns.
void bot_fire(KC_CALLBACK*& completion);

}  // namespace KOR
