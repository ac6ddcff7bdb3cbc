#include "foundation/KC_CALLBACK.h"

#include <gtest/gtest.h>

#include <memory>

using namespace KOR;

namespace {

void* last_argument = nullptr;
int calls = 0;

int record(void* argument) {
  ++calls;
  last_argument = argument;
  return 77;
}

struct Invocation {
  const char* what;
  bool with_record;
  KC_CALLBACK_FN function;
  void* user_data;
  void* argument;
  int result;
  int calls;
  void* received;
};

}  // namespace

TEST(KC_CALLBACK, InvocationRules) {
  int u = 0, a = 0;
  const Invocation cases[] = {
      {"null record", false, nullptr, nullptr, &a, -108, 0, nullptr},
      {"null record, no argument", false, nullptr, nullptr, nullptr, -108, 0, nullptr},
      {"null function", true, nullptr, &u, &a, 0, 0, nullptr},
      {"no argument gets user data", true, record, &u, nullptr, 77, 1, &u},
      {"argument wins over user data", true, record, &u, &a, 77, 1, &a},
      {"neither", true, record, nullptr, nullptr, 77, 1, nullptr},
  };
  for (const Invocation& c : cases) {
    calls = 0;
    last_argument = nullptr;
    std::unique_ptr<KC_CALLBACK> cb(c.with_record ? callback_create(c.function, "X", c.user_data)
                                                  : nullptr);
    EXPECT_EQ(callback_invoke(cb.get(), c.argument), c.result) << c.what;
    EXPECT_EQ(calls, c.calls) << c.what;
    EXPECT_EQ(last_argument, c.received) << c.what;
  }
}

TEST(KC_CALLBACK, NameAndFields) {
  int u = 0;
  std::unique_ptr<KC_CALLBACK> named(callback_create(record, "DOWN", &u));
  EXPECT_EQ(named->name, "DOWN");
  EXPECT_EQ(named->user_data, &u);
  EXPECT_EQ(named->function, &record);
  std::unique_ptr<KC_CALLBACK> unnamed(callback_create(record, nullptr, nullptr));
  EXPECT_EQ(unnamed->name, "");
}

TEST(KC_CALLBACK, KeyCodeTravelsAsPointerSizedValue) {
  std::unique_ptr<KC_CALLBACK> cb(callback_create(
      [](void* arg) { return static_cast<int>(callback_arg_value(arg)); }, nullptr, nullptr));
  EXPECT_EQ(callback_invoke(cb.get(), callback_arg(0x41)), 0x41);
  EXPECT_EQ(callback_invoke(cb.get(), callback_arg(4)), 4);
}

TEST(KC_CALLBACK, LastErrorStartsWithTheBuildText) {
  EXPECT_EQ(engine_last_error, "Created with Korvane2 30.07.12");
}
