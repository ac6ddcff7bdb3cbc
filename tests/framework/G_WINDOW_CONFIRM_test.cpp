#include "framework/G_WINDOW_CONFIRM.h"

#include <gtest/gtest.h>

#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/window_probe.h"

using KOR_GF::G_WINDOW_CONFIRM;

namespace {

// The question of the fixture list: yes (widget 3) is a picture centred at
// (412, 384), no (widget 4) one at (612, 384).
class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(manager.load_list("xml/Windows list.xml"));
    question = dynamic_cast<G_WINDOW_CONFIRM*>(manager.show("question"));
    ASSERT_NE(question, nullptr);
    manager.update();
  }
  void click(int x, int y) {
    scene.click_up(x, y);
    manager.key_up(1);
  }
  static void count_answer(void* data, int yes) {
    auto* answers = static_cast<std::vector<int>*>(data);
    answers->push_back(yes);
  }

  // Made before the resources, whose records hold its streams.
  struct SOUND {
    SOUND() { system.open(); }
    KOR::KC_SOUND_SYSTEM system;
  } sound;
  framework_test::WINDOW_SCENE scene;
  KOR_GF::G_WINDOW_MANAGER manager{&framework_test::probe_factory};
  G_WINDOW_CONFIRM* question = nullptr;
  std::vector<int> answers;
};

TEST_F(Dialogs, YesWithoutCallbackStillClosesAndPlaysBothSounds) {
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  ASSERT_TRUE(sounds.load("xml/Windows sounds.xml"));
  click(412, 384);
  EXPECT_FALSE(question->is_open());
  EXPECT_EQ(question->state(), KOR_GF::WINDOW_CLOSING);
  EXPECT_TRUE(sounds.is_playing("sound_button_click"));
  EXPECT_TRUE(sounds.is_playing("sound_gui_window"));
  manager.update();
  EXPECT_TRUE(manager.open_stack().empty());
  // The streams go back with this test's resources.
  sounds.release_all();
}

TEST_F(Dialogs, EachAnswerReachesTheCallbackOnce) {
  question->set_callback(&count_answer, &answers);
  // A second click during the closing animation answers nothing.
  click(612, 384);
  click(612, 384);
  click(412, 384);
  EXPECT_EQ(answers, std::vector<int>{0});

  manager.update();
  manager.show("question");
  manager.update();
  click(412, 384);
  EXPECT_EQ(answers, (std::vector<int>{0, 1}));
}

TEST_F(Dialogs, OtherWidgetsAndPlacesAnswerNothing) {
  question->set_callback(&count_answer, &answers);
  question->on_control(7);
  click(512, 600);
  EXPECT_TRUE(question->is_open());
  EXPECT_TRUE(answers.empty());
}

TEST_F(Dialogs, SimpleWindowIgnoresEveryControl) {
  KOR_GF::G_WINDOW* simple = manager.show("simple");
  ASSERT_NE(simple, nullptr);
  for (int id : {-1, 0, 3, 4}) simple->on_control(id);
  EXPECT_TRUE(simple->is_open());
  manager.close("simple");
  manager.update();
  EXPECT_EQ(manager.find_open("simple"), nullptr);
}

}  // namespace
