#include "bots/KC_BOT_LIST.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "bots/KC_BOT_SLEEP.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::FrameTime;

namespace {

using Log = std::vector<std::string>;

// A behaviour that logs what it is sent and answers from a script.
class Scripted : public KC_BASE {
 public:
  Scripted(Log* log, std::string tag, float key = 0.0f, std::deque<int> answers = {})
      : log_(log), tag_(std::move(tag)), answers_(std::move(answers)) {
    name = tag_;
    sort_key = key;
  }
  ~Scripted() override { log_->push_back("~" + tag_); }

  int process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) override {
    if (message == BOT_MSG_DRAW) {
      log_->push_back("d:" + tag_);
      return draw_answer;
    }
    log_->push_back(message == BOT_MSG_UPDATE ? tag_ : tag_ + ":" + std::to_string(message));
    last_p4 = p4;
    if (on_message) on_message();
    if (answers_.empty()) return BOT_RESULT_CONTINUE;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::function<void()> on_message;
  int draw_answer = BOT_RESULT_CONTINUE;
  intptr_t last_p4 = 0;

 private:
  Log* log_;
  std::string tag_;
  std::deque<int> answers_;
};

std::vector<std::string> order(const KC_BOT_LIST& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.count(); ++i) names.push_back(list.at(i)->name);
  return names;
}

// An object that animates itself through the list it embeds.
struct Owner {
  KC_BOT_LIST bots;
};

int delete_owner(void* owner) {
  delete static_cast<Owner*>(owner);
  return 1;
}

}  // namespace

TEST(BotList, EmptyListDoesNothing) {
  KC_BOT_LIST list;
  EXPECT_EQ(list.update(), 0);
  EXPECT_EQ(list.draw(), 0);
  EXPECT_EQ(list.send(BOT_MSG_FINISH, 0, 0, 0, 0, nullptr, nullptr, 0), 0);
  EXPECT_EQ(list.send_and_prune(BOT_MSG_FINISH, 0, 0, 0, 0, nullptr, nullptr, 0), 0);
  EXPECT_EQ(list.count(), 0);
  list.add(nullptr);
  EXPECT_EQ(list.count(), 0);
}

TEST(BotList, RemovedMemberIsDeletedInThePassAndTheNextOneStillRuns) {
  Log log;
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "a", 0, {BOT_RESULT_REMOVE}));
  list.add(new Scripted(&log, "b"));
  list.update();
  EXPECT_EQ(log, (Log{"a", "~a", "b"}));
  EXPECT_EQ(order(list), (std::vector<std::string>{"b"}));
}

TEST(BotList, MemberAddedDuringThePassRunsInIt) {
  Log log;
  KC_BOT_LIST list;
  auto* a = new Scripted(&log, "a");
  a->on_message = [&] {
    if (list.count() == 1) list.add(new Scripted(&log, "late"));
  };
  list.add(a);
  list.update();
  EXPECT_EQ(log, (Log{"a", "late"}));
}

TEST(BotList, CompletePassSortsLargerKeysFirst) {
  Log log;
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "k1", 1));
  list.add(new Scripted(&log, "k5", 5));
  list.add(new Scripted(&log, "k3", 3));
  list.update();
  EXPECT_EQ(order(list), (std::vector<std::string>{"k5", "k3", "k1"}));

  // A larger key added now moves forward only after the next complete pass.
  list.add(new Scripted(&log, "k9", 9));
  EXPECT_EQ(list.at(3)->name, "k9");
  list.update();
  EXPECT_EQ(list.at(0)->name, "k9");
}

TEST(BotList, StoppedPassSkipsTheRestAndTheSortWhichTheNextCompletePassDoes) {
  Log log;
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "a", 1));
  // x is deleted in the second pass, so that pass itself meets no key out
  // of order: b is then compared with itself.
  list.add(new Scripted(&log, "x", 0, {BOT_RESULT_CONTINUE, BOT_RESULT_REMOVE}));
  list.add(new Scripted(&log, "b", 5));
  list.add(new Scripted(&log, "s", 0, {BOT_RESULT_STOP}));
  list.add(new Scripted(&log, "after"));

  EXPECT_EQ(list.update(), BOT_RESULT_STOP);
  EXPECT_EQ(log, (Log{"a", "x", "b", "s"}));
  EXPECT_EQ(order(list), (std::vector<std::string>{"a", "x", "b", "s", "after"}));

  EXPECT_EQ(list.update(), BOT_RESULT_CONTINUE);
  EXPECT_EQ(order(list), (std::vector<std::string>{"b", "a", "s", "after"}));
}

TEST(BotList, OutOfOrderKeysMetInManyStoppedPassesStillSort) {
  Log log;
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "a", 1));
  list.add(new Scripted(&log, "b", 5));
  list.add(new Scripted(&log, "s", 0, std::deque<int>(255, BOT_RESULT_STOP)));
  for (int pass = 0; pass < 255; ++pass) list.update();
  EXPECT_EQ(order(list), (std::vector<std::string>{"a", "b", "s"}));
  // The 256th meeting: an 8-bit counter would wrap to 0 here.
  list.update();
  EXPECT_EQ(order(list), (std::vector<std::string>{"b", "a", "s"}));
}

TEST(BotList, GroupsAndModesChooseWhoTakesPart) {
  struct Case {
    uint32_t mode;
    uint8_t threshold;
    std::string expected;  // members of groups 0, 1, 2 that were updated
  };
  const Case cases[] = {
      {BOT_LIST_MODE_GE, 1, "12"},
      {BOT_LIST_MODE_EQ, 2, "2"},
      {BOT_LIST_MODE_LE, 1, "01"},
      {BOT_LIST_MODE_NE, 1, "02"},
      {7, 1, "012"},
  };
  for (const Case& c : cases) {
    Log log;
    KC_BOT_LIST list;
    for (uint8_t group = 0; group < 3; ++group) {
      auto* bot = new Scripted(&log, std::to_string(group));
      bot->update_group = group;
      list.add(bot);
    }
    list.update_mode = c.mode;
    list.update_threshold = c.threshold;
    list.update();
    std::string updated;
    for (const std::string& entry : log) updated += entry;
    EXPECT_EQ(updated, c.expected) << "mode " << c.mode;
  }
}

TEST(BotList, DrawPassRunsBackwardsSkipsBehavioursAndDeletesNothing) {
  Log log;
  KC_BOT_LIST list;
  auto* a = new Scripted(&log, "a");
  auto* b = new Scripted(&log, "b");
  auto* c = new Scripted(&log, "c");
  auto* timer = new KC_BOT_SLEEP(nullptr, nullptr, 1.0f, 0);  // draw group 0
  b->draw_answer = BOT_RESULT_REMOVE;
  list.add(a);
  list.add(b);
  list.add(timer);
  list.add(c);
  EXPECT_EQ(list.draw(), BOT_RESULT_CONTINUE);
  EXPECT_EQ(log, (Log{"d:c", "d:b", "d:a"}));
  EXPECT_EQ(list.count(), 4);

  log.clear();
  b->draw_answer = BOT_RESULT_STOP;
  EXPECT_EQ(list.draw(), BOT_RESULT_STOP);
  EXPECT_EQ(log, (Log{"d:c", "d:b"}));
}

TEST(BotList, SendMatchesNameLastnameAndId) {
  Log log;
  KC_BOT_LIST list;
  auto* a = new Scripted(&log, "a", 0, {3});
  auto* b = new Scripted(&log, "b", 0, {4, 5});
  b->lastname = "second";
  b->id = 7;
  list.add(a);
  list.add(b);

  EXPECT_EQ(list.send(12, 0, 0, 0, 0, nullptr, nullptr, 0), 4);
  EXPECT_EQ(log, (Log{"a:12", "b:12"}));
  log.clear();
  EXPECT_EQ(list.send(12, 0, 0, 0, 0, nullptr, "second", 0), 5);
  EXPECT_EQ(list.send(12, 0, 0, 0, 0, "a", nullptr, 7), 0);
  EXPECT_EQ(list.send(12, 0, 0, 0, 0, nullptr, nullptr, 0, true, false), 0);
  EXPECT_EQ(list.send(12, 0, 0, 0, 0, nullptr, nullptr, 0, false, true), 0);
  EXPECT_EQ(log, (Log{"b:12"}));
}

TEST(BotList, SendAndPruneDeletesFinishedMembersAndStopsOnStop) {
  Log log;
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "a", 0, {BOT_RESULT_REMOVE}));
  list.add(new Scripted(&log, "b", 0, {BOT_RESULT_STOP}));
  list.add(new Scripted(&log, "c"));
  EXPECT_EQ(list.send_and_prune(12, 0, 0, 0, 0, nullptr, nullptr, 0), 2);
  EXPECT_EQ(log, (Log{"a:12", "~a", "b:12"}));
  EXPECT_EQ(list.send_and_prune(12, 0, 0, 0, 0, nullptr, nullptr, 0, true, false), 0);
}

TEST(BotList, LookupsAndRemovals) {
  Log log;
  KC_BOT_LIST list;
  auto* first = new Scripted(&log, "twin");
  auto* second = new Scripted(&log, "twin");
  auto* numbered = new Scripted(&log, "n");
  numbered->id = 0;
  list.add(first);
  list.add(second);
  list.add(numbered);

  EXPECT_EQ(list.find_by_name("twin"), first);
  EXPECT_EQ(list.find_by_name(nullptr), nullptr);
  EXPECT_EQ(list.find_by_id(kBotNoId), first);
  EXPECT_EQ(list.find_by_id(0), numbered);

  // remove hands the member back; the list no longer updates it.
  std::unique_ptr<KC_BASE> taken = list.remove("twin", "", 0);
  ASSERT_EQ(taken.get(), first);
  EXPECT_EQ(list.remove("twin", "other", 0), nullptr);
  list.update();
  EXPECT_EQ(log, (Log{"twin", "n"}));

  // remove_by_name compares the id exactly: 0 is not "any".
  log.clear();
  list.remove_by_name("twin", 0);
  EXPECT_EQ(list.count(), 2);
  list.remove_by_name("twin", kBotNoId);
  list.remove_by_name("n", 0);
  EXPECT_EQ(log, (Log{"~twin", "~n"}));
  EXPECT_EQ(list.count(), 0);
}

TEST(BotList, DestroyedListDeletesItsMembers) {
  Log log;
  {
    KC_BOT_LIST list;
    list.add(new Scripted(&log, "a"));
    list.add(new Scripted(&log, "b"));
  }
  EXPECT_EQ(log, (Log{"~a", "~b"}));

  log.clear();
  {
    KC_BOT_LIST list;
    list.add(new Scripted(&log, "a"));
    list.delete_all();
    EXPECT_EQ(log, (Log{"~a"}));
  }
  EXPECT_EQ(log, (Log{"~a"}));
}

TEST(BotList, CallbackPointerTravelsWhole) {
  CallCounter counter;
  Log log;
  auto* timer = new KC_BOT_SLEEP(nullptr, nullptr, 1.0f, 0);
  KC_BOT_LIST list;
  list.add(timer);
  list.send(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word(), nullptr, nullptr, 0);
  list.send(BOT_MSG_FINISH, 0, 0, 0, 0, nullptr, nullptr, 0);
  EXPECT_EQ(counter.calls, 1);

  // A pointer above 4 GiB reaches the behaviour unchanged.
  auto* probe = new Scripted(&log, "probe");
  list.add(probe);
  const intptr_t high = static_cast<intptr_t>(0x7ABCDEF012345678LL);
  list.send(BOT_MSG_SET_CALLBACK, 0, 0, 0, high, "probe", nullptr, 0);
  EXPECT_EQ(probe->last_p4, high);
  EXPECT_EQ(bot_callback_word(bot_word(counter.callback())), counter.callback());
}

// A completion that destroys the list's owner in the middle of a pass: the
// members before and after are deleted with it, the finishing member once
// its process has returned, and the pass touches nothing afterwards.
TEST(BotList, CompletionDeletingTheOwnerDuringAPass) {
  enum class Pass { update, send, prune };
  for (Pass pass : {Pass::update, Pass::send, Pass::prune}) {
    Log log;
    FrameTime time(0.5f);
    auto* owner = new Owner;
    KC_CALLBACK kill(&delete_owner, "kill", owner);
    owner->bots.add(new Scripted(&log, "before"));
    owner->bots.add(new KC_BOT_SLEEP(nullptr, &kill, 0.5f, 0));
    owner->bots.add(new Scripted(&log, "after"));
    switch (pass) {
      case Pass::update:
        owner->bots.update();
        EXPECT_EQ(log, (Log{"before", "~before", "~after"}));
        break;
      case Pass::send:
        owner->bots.send(BOT_MSG_FINISH, 0, 0, 0, 0, "bot_sleep", nullptr, 0);
        EXPECT_EQ(log, (Log{"~before", "~after"}));
        break;
      case Pass::prune:
        owner->bots.send_and_prune(BOT_MSG_FINISH, 0, 0, 0, 0, nullptr, nullptr, 0);
        EXPECT_EQ(log, (Log{"before:45", "~before", "~after"}));
        break;
    }
  }
}

// A member of any class may end its owner from inside its process and still
// read its own state before answering.
TEST(BotList, MemberDestroyingTheOwnerIsDeletedOnlyAfterItsProcessReturns) {
  Log log;
  auto* owner = new Owner;
  auto* member = new Scripted(&log, "member", 0, {BOT_RESULT_REMOVE});
  member->on_message = [owner] { delete owner; };
  owner->bots.add(member);
  owner->bots.add(new Scripted(&log, "after"));
  owner->bots.update();
  EXPECT_EQ(log, (Log{"member", "~after", "~member"}));
}

// The same member inside two passes: the owner dies in the inner one, and
// the member is deleted only when the outer pass's process returns.
TEST(BotList, OwnerDestroyedInsideANestedPassOverTheSameMember) {
  Log log;
  auto* owner = new Owner;
  auto* member = new Scripted(&log, "m");
  int calls = 0;
  member->on_message = [owner, &calls] {
    if (++calls == 1) {
      owner->bots.send(12, 0, 0, 0, 0, "m", nullptr, 0);
    } else {
      delete owner;
    }
  };
  owner->bots.add(member);
  owner->bots.update();
  EXPECT_EQ(log, (Log{"m", "m:12", "~m"}));
}

TEST(BotList, CompletionDeletingOtherMembersDuringAPass) {
  Log log;
  FrameTime time(0.5f);
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "early"));
  list.add(new Scripted(&log, "keep1"));
  auto* timer = new KC_BOT_SLEEP(nullptr, nullptr, 0.5f, 0);
  list.add(timer);
  list.add(new Scripted(&log, "late"));
  list.add(new Scripted(&log, "keep2"));
  struct Context {
    KC_BOT_LIST* list;
  } context{&list};
  KC_CALLBACK prune(
      [](void* c) {
        KC_BOT_LIST* l = static_cast<Context*>(c)->list;
        l->remove_by_name("early", kBotNoId);
        l->remove_by_name("late", kBotNoId);
        return 1;
      },
      "prune", &context);
  timer->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, bot_word(&prune));
  list.update();
  EXPECT_EQ(log, (Log{"early", "keep1", "~early", "~late", "keep2"}));
  EXPECT_EQ(order(list), (std::vector<std::string>{"keep1", "keep2"}));
}

TEST(BotList, CompletionEmptyingTheListDuringAPass) {
  Log log;
  FrameTime time(0.5f);
  KC_BOT_LIST list;
  list.add(new Scripted(&log, "a"));
  auto* timer = new KC_BOT_SLEEP(nullptr, nullptr, 0.5f, 0);
  list.add(timer);
  list.add(new Scripted(&log, "b"));
  KC_CALLBACK empty(
      [](void* l) {
        static_cast<KC_BOT_LIST*>(l)->delete_all();
        return 1;
      },
      "empty", &list);
  timer->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, bot_word(&empty));
  list.update();
  EXPECT_EQ(log, (Log{"a", "~a", "~b"}));
  EXPECT_EQ(list.count(), 0);
}

TEST(BotList, MemberTakingItselfOutIsNotDeletedByThePass) {
  Log log;
  KC_BOT_LIST list;
  std::unique_ptr<KC_BASE> taken;
  auto* self = new Scripted(&log, "self", 0, {BOT_RESULT_REMOVE});
  self->on_message = [&] { taken = list.remove("self", "", 0); };
  list.add(self);
  list.add(new Scripted(&log, "next"));
  list.update();
  EXPECT_EQ(taken.get(), self);
  EXPECT_EQ(log, (Log{"self", "next"}));
}

TEST(BotList, PlainArrayFunctions) {
  Log log;
  std::vector<KC_BASE*> bots{new Scripted(&log, "a", 0, {BOT_RESULT_REMOVE}),
                             new Scripted(&log, "b")};
  bot_vector_update(&bots);
  bot_vector_send(&bots, 12);
  bot_vector_update(nullptr);
  bot_vector_send(nullptr, 12);
  EXPECT_EQ(log, (Log{"a", "~a", "b", "b:12"}));
  for (KC_BASE* bot : bots) delete bot;
}
