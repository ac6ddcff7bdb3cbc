#include "gui/KC_GUI_OBJECT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_ROOT.h"
#include "platform/KC_INPUT.h"

namespace {

using KOR::KC_GUI_OBJECT;
using KOR::KS_GUI_EVENT;

// A widget that answers each input with a preset code (0 = no answer) and
// writes what happened to it into a shared log.
class PROBE : public KC_GUI_OBJECT {
 public:
  PROBE(unsigned int id, std::vector<std::string>& log, int answer = 0)
      : KC_GUI_OBJECT(id), log_(log), answer_(answer) {}
  ~PROBE() override { log_.push_back("delete " + std::to_string(id())); }

  KS_GUI_EVENT* update() override { return answer("update"); }
  KS_GUI_EVENT* on_release() override { return answer("release"); }
  KS_GUI_EVENT* on_press() override { return answer("press"); }
  KS_GUI_EVENT* on_pointer_move() override { return answer("move"); }
  void draw() override { log_.push_back("draw " + std::to_string(id())); }
  void set_position(float x, float y, float z) override {
    log_.push_back("set_position");
    KC_GUI_OBJECT::set_position(x, y, z);
  }
  void load_resources() override { log_.push_back("load " + std::to_string(id())); }
  void release_resources() override { log_.push_back("release " + std::to_string(id())); }

 private:
  KS_GUI_EVENT* answer(const char* what) {
    log_.push_back(std::string(what) + " " + std::to_string(id()));
    if (answer_ == 0) return nullptr;
    event.code = answer_;
    return &event;
  }
  std::vector<std::string>& log_;
  int answer_;
};

class GuiTree : public ::testing::Test {
 protected:
  KOR::KC_INPUT input;
  std::vector<std::string> log;
  KOR::KC_GUI_ROOT holder;

  PROBE* add(KC_GUI_OBJECT* parent, unsigned int id, int answer = 0) {
    PROBE* p = new PROBE(id, log, answer);
    parent->add_child(p);
    return p;
  }
  std::vector<std::string> take_log() {
    std::vector<std::string> out;
    out.swap(log);
    return out;
  }
};

using LOG = std::vector<std::string>;

TEST_F(GuiTree, WidgetReadsTheInputPointerAndChainsTransforms) {
  PROBE* a = add(holder.root, 1);
  PROBE* b = add(a, 2);
  input.mouse_move(40, 50);
  EXPECT_EQ(*b->pointer_x, 40);
  EXPECT_EQ(*b->pointer_y, 50);
  EXPECT_EQ(b->parent, a);
  EXPECT_EQ(b->transform->parent, a->transform);
  EXPECT_EQ(a->transform->parent, holder.root->transform);
  EXPECT_EQ(holder.root->id(), 0u);
  EXPECT_EQ(holder.root->kind, KOR::GUI_KIND_OBJECT);
}

TEST_F(GuiTree, ChildrenAnswerBeforeTheirParentAndTheEarlierSiblingWins) {
  PROBE* panel = add(holder.root, 1, KOR::GUI_EVENT_UP);
  add(panel, 2);
  add(panel, 3, KOR::GUI_EVENT_UP);
  add(panel, 4, KOR::GUI_EVENT_UP);
  add(holder.root, 5, KOR::GUI_EVENT_UP);
  take_log();

  KS_GUI_EVENT* e = holder.on_release();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->id, 3u);
  EXPECT_EQ(holder.last_event, e);
  EXPECT_EQ(holder.last_event_id(), 3);
  EXPECT_EQ(holder.last_event_code(), KOR::GUI_EVENT_UP);
  EXPECT_EQ(take_log(), (LOG{"release 2", "release 3"}));

  // Move and update stop at the first answer just the same.
  holder.on_pointer_move();
  EXPECT_EQ(take_log(), (LOG{"move 2", "move 3"}));
  holder.update();
  EXPECT_EQ(take_log(), (LOG{"update 2", "update 3"}));
}

TEST_F(GuiTree, PressAsksEveryEnabledWidgetButNoAnswerReachesTheRoot) {
  PROBE* a = add(holder.root, 1, KOR::GUI_EVENT_DOWN);
  add(a, 2, KOR::GUI_EVENT_DOWN);
  add(holder.root, 3, KOR::GUI_EVENT_DOWN);
  take_log();

  EXPECT_EQ(holder.on_press(), nullptr);
  EXPECT_EQ(holder.last_event_id(), 0);
  EXPECT_EQ(take_log(), (LOG{"press 2", "press 1", "press 3"}));

  // A pass-through child hands its press answer up and ends the walk.
  a->pass_through = 1;
  KS_GUI_EVENT* e = holder.on_press();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->id, 1u);
  EXPECT_EQ(take_log(), (LOG{"press 2", "press 1"}));
}

TEST_F(GuiTree, DisabledSubtreeTakesNoInputHiddenOneStillDoes) {
  PROBE* panel = add(holder.root, 1, KOR::GUI_EVENT_UP);
  add(panel, 2, KOR::GUI_EVENT_UP);
  PROBE* hidden = add(holder.root, 3, KOR::GUI_EVENT_UP);
  panel->set_enabled(0);
  hidden->set_visible(0);
  take_log();

  KS_GUI_EVENT* e = holder.on_release();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->id, 3u);
  EXPECT_EQ(take_log(), (LOG{"release 3"}));

  holder.draw();
  EXPECT_EQ(take_log(), (LOG{"draw 1", "draw 2"}));

  holder.set_enabled(0);
  EXPECT_EQ(holder.is_enabled(), 0);
  EXPECT_EQ(holder.on_release(), nullptr);
  EXPECT_TRUE(take_log().empty());
}

TEST_F(GuiTree, DrawWalkPutsParentsUnderChildrenAndSkipsHiddenSubtrees) {
  PROBE* a = add(holder.root, 1);
  add(a, 2);
  PROBE* b = add(holder.root, 3);
  add(b, 4);
  add(holder.root, 5);
  take_log();
  holder.draw();
  EXPECT_EQ(take_log(), (LOG{"draw 1", "draw 2", "draw 3", "draw 4", "draw 5"}));
  b->set_visible(0);
  holder.draw();
  EXPECT_EQ(take_log(), (LOG{"draw 1", "draw 2", "draw 5"}));
}

TEST_F(GuiTree, FocusCodeMarksTheParentAndClearsTheOtherBranches) {
  PROBE* first = add(holder.root, 1);
  PROBE* first_child = add(first, 11);
  PROBE* clicked = add(holder.root, 2, KOR::GUI_EVENT_UP);
  PROBE* last = add(holder.root, 3);
  for (KC_GUI_OBJECT* w :
       {static_cast<KC_GUI_OBJECT*>(first), static_cast<KC_GUI_OBJECT*>(first_child),
        static_cast<KC_GUI_OBJECT*>(clicked), static_cast<KC_GUI_OBJECT*>(last)}) {
    w->focused = 1;
  }

  holder.on_release();
  EXPECT_EQ(holder.root->focused, 1);
  EXPECT_EQ(first->focused, 0);
  EXPECT_EQ(first_child->focused, 0);
  EXPECT_EQ(clicked->focused, 1);
  EXPECT_EQ(last->focused, 0);
}

TEST_F(GuiTree, UpdateFocusAnswerClearsOnlyTheEarlierSiblings) {
  PROBE* first = add(holder.root, 1);
  PROBE* answering = add(holder.root, 2, KOR::GUI_EVENT_DOWN);
  PROBE* last = add(holder.root, 3);
  first->focused = answering->focused = last->focused = 1;
  holder.update();
  EXPECT_EQ(first->focused, 0);
  EXPECT_EQ(answering->focused, 1);
  EXPECT_EQ(last->focused, 1);
}

TEST_F(GuiTree, AnswersThatAreNoFocusCodesLeaveTheMarks) {
  for (int code :
       {KOR::GUI_EVENT_ENTER, KOR::GUI_EVENT_LEAVE, KOR::GUI_EVENT_GRAB, KOR::GUI_EVENT_CHANGED}) {
    KOR::KC_GUI_ROOT h;
    PROBE* other = new PROBE(1, log);
    h.add(new PROBE(2, log, code));
    h.add(other);
    other->focused = 1;
    h.on_pointer_move();
    EXPECT_EQ(other->focused, 1) << code;
    EXPECT_EQ(h.root->focused, 0) << code;
  }
  for (int code : {2, KOR::GUI_EVENT_DOWN, KOR::GUI_EVENT_UP, KOR::GUI_EVENT_FOCUS}) {
    EXPECT_TRUE(KOR::gui_is_focus_code(code)) << code;
  }
}

// A LEAVE does not end a move: the pointer that left one widget may have
// come onto another in the same step. Any other answer does, as before.
TEST_F(GuiTree, AMoveWalksPastLeavesToWhatThePointerCameOnto) {
  PROBE* left = add(holder.root, 1, KOR::GUI_EVENT_LEAVE);
  PROBE* entered = add(holder.root, 2, KOR::GUI_EVENT_ENTER);
  add(holder.root, 3, KOR::GUI_EVENT_GRAB);
  EXPECT_EQ(holder.on_pointer_move(), &entered->event);
  EXPECT_EQ(take_log(), (LOG{"move 1", "move 2"}));

  // Only leaves: every widget is asked and the first leave answers.
  KOR::KC_GUI_ROOT quiet;
  PROBE* first = new PROBE(4, log, KOR::GUI_EVENT_LEAVE);
  quiet.add(first);
  quiet.add(new PROBE(5, log, KOR::GUI_EVENT_LEAVE));
  quiet.add(new PROBE(6, log));
  EXPECT_EQ(quiet.on_pointer_move(), &first->event);
  EXPECT_EQ(take_log(), (LOG{"move 4", "move 5", "move 6"}));

  // A panel whose child was left is entered itself in the same move.
  PROBE* panel = add(left, 7, KOR::GUI_EVENT_ENTER);
  add(panel, 8, KOR::GUI_EVENT_LEAVE);
  EXPECT_EQ(left->dispatch_move(), &panel->event);
  EXPECT_EQ(take_log(), (LOG{"move 8", "move 7"}));
}

TEST_F(GuiTree, FindTakesTheFirstMatchInPreOrderAndNeverTheRoot) {
  PROBE* panel = add(holder.root, 1);
  PROBE* nested = add(panel, 5);
  add(holder.root, 5);
  EXPECT_EQ(holder.find(5), nested);
  EXPECT_EQ(holder.find(0), nullptr);
  EXPECT_EQ(holder.find(99), nullptr);
  nested->event.code = 7;
  EXPECT_EQ(holder.event_code_of(5), 7);
  EXPECT_EQ(holder.event_code_of(99), 0);
}

TEST_F(GuiTree, DeletingTheTreeDeletesEveryWidgetOnce) {
  PROBE* a = add(holder.root, 1);
  PROBE* b = add(a, 2);
  add(b, 3);
  add(holder.root, 4);
  take_log();
  holder.delete_root();
  LOG deleted = take_log();
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(deleted, (LOG{"delete 1", "delete 2", "delete 3", "delete 4"}));

  // The emptied holder is inert.
  holder.draw();
  holder.clear();
  holder.add(nullptr);
  EXPECT_EQ(holder.on_release(), nullptr);
  EXPECT_EQ(holder.find(1), nullptr);
  EXPECT_EQ(holder.position().x, 0.0f);
}

TEST_F(GuiTree, RemovalDeletesTheFirstMatchWithItsSubtree) {
  PROBE* a = add(holder.root, 1);
  PROBE* b = add(a, 2);
  add(b, 3);
  PROBE* d = add(holder.root, 2);
  take_log();

  holder.remove_child_by_id(2);
  LOG deleted = take_log();
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(deleted, (LOG{"delete 2", "delete 3"}));
  EXPECT_TRUE(a->children.empty());
  EXPECT_EQ(holder.find(2), d);

  holder.remove_child(d);
  EXPECT_EQ(take_log(), (LOG{"delete 2"}));
  EXPECT_EQ(holder.root->children.size(), 1u);
  // A widget not in the tree is left alone.
  PROBE stray(9, log);
  EXPECT_FALSE(holder.root->remove_child(&stray));
}

TEST_F(GuiTree, RemovingTheLastAnsweringWidgetForgetsItsEvent) {
  PROBE* w = add(holder.root, 4, KOR::GUI_EVENT_UP);
  ASSERT_NE(holder.on_release(), nullptr);
  holder.remove_child(w);
  EXPECT_EQ(holder.last_event, nullptr);
  EXPECT_EQ(holder.last_event_code(), 0);
}

TEST_F(GuiTree, InsertChildPlacesBeforeTheIndexAndAppendsPastTheEnd) {
  add(holder.root, 1);
  add(holder.root, 2);
  holder.root->insert_child(new PROBE(3, log), 1);
  holder.root->insert_child(new PROBE(4, log), 99);
  std::vector<unsigned int> ids;
  for (KC_GUI_OBJECT* c : holder.root->children) ids.push_back(c->id());
  EXPECT_EQ(ids, (std::vector<unsigned int>{1, 3, 2, 4}));
}

TEST_F(GuiTree, ResourceWalksArePreOrder) {
  PROBE* a = add(holder.root, 1);
  add(a, 2);
  add(holder.root, 3);
  take_log();
  holder.load_resources();
  EXPECT_EQ(take_log(), (LOG{"load 1", "load 2", "load 3"}));
  holder.release_resources();
  EXPECT_EQ(take_log(), (LOG{"release 1", "release 2", "release 3"}));
}

std::vector<std::string> numbers(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ' ') {
      out.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return out;
}

TEST_F(GuiTree, LayoutAppliesTheListOfTheWidthAndAddsPivotsEachTime) {
  PROBE* w = add(holder.root, 1);
  w->transform_list = numbers("10 20 1 2 3 0 0 0 0.5 2 3 1");
  w->transform_1366_list = numbers("30 40 0 1 1 0 0 0 0 1 1 1");
  take_log();

  w->apply_layout(1024);
  w->apply_layout(1024);
  EXPECT_EQ(w->transform->position.x, 10.0f);
  EXPECT_EQ(w->transform->position.y, 20.0f);
  EXPECT_EQ(w->transform->pivot.x, 4.0f);
  EXPECT_EQ(w->transform->pivot.y, 6.0f);
  EXPECT_EQ(w->transform->rotation.z, 0.5f);
  EXPECT_EQ(w->transform->scale.x, 2.0f);
  EXPECT_EQ(take_log(), (LOG{"set_position", "set_position"}));

  w->apply_layout(1366);
  EXPECT_EQ(w->transform->position.x, 30.0f);
  EXPECT_EQ(w->transform->pivot.x, 5.0f);

  // Another width only re-sets the position it has.
  w->transform->set_position(7, 8, 9);
  take_log();
  w->apply_layout(1280);
  EXPECT_EQ(take_log(), (LOG{"set_position"}));
  EXPECT_EQ(w->transform->position.x, 7.0f);
  EXPECT_EQ(w->transform->position.z, 9.0f);
}

TEST_F(GuiTree, ShortLayoutListIsKeptButNeverApplied) {
  PROBE* w = add(holder.root, 1);
  w->transform_list = numbers("10 20 0 1 1 0 0 0 0 1 1");
  ASSERT_EQ(w->transform_list.size(), 11u);
  w->apply_layout(1024);
  EXPECT_EQ(w->transform->position.x, 0.0f);
  EXPECT_EQ(w->transform->pivot.x, 0.0f);
  EXPECT_EQ(w->transform->scale.x, 1.0f);
}

TEST_F(GuiTree, LayoutPositionReadsMissingEntriesAsZero) {
  PROBE* w = add(holder.root, 1);
  w->transform_list = numbers("12.5 7");
  w->transform_1366_list = numbers("3");
  EXPECT_EQ(w->layout_position(1).x, 12.5f);
  EXPECT_EQ(w->layout_position(1).y, 7.0f);
  EXPECT_EQ(w->layout_position(0).x, 3.0f);
  EXPECT_EQ(w->layout_position(0).y, 0.0f);
  w->transform_1366_list.clear();
  EXPECT_EQ(w->layout_position(0).x, 0.0f);
}

TEST_F(GuiTree, RootForwardsPlacement) {
  holder.set_position(5, 6, 0);
  holder.move_by(1, 2);
  EXPECT_EQ(holder.position().x, 6.0f);
  EXPECT_EQ(holder.position().y, 8.0f);
}

TEST(GuiObjectWithoutInput, ReadsAPointerAtTheOrigin) {
  ASSERT_EQ(KOR::KC_INPUT::instance, nullptr);
  KC_GUI_OBJECT w(1);
  EXPECT_EQ(*w.pointer_x, 0);
  EXPECT_EQ(*w.pointer_y, 0);
}

}  // namespace
