#include "shell/HUD_PANEL_PRESS.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "hud_scene.h"

namespace {

using game::HUD_PANEL_PRESS;

// KS_VECTOR2's own comparison compares lengths only.
void expect_at(const KOR::KS_VECTOR2& v, float x, float y) {
  EXPECT_EQ(v.x, x);
  EXPECT_EQ(v.y, y);
}

// The fixture's frames are 64 × 32 pictures with their upper-left corners at
// (700, 650).
class Press : public ::testing::Test {
 protected:
  void SetUp() override {
    press = scene.open_on<HUD_PANEL_PRESS>(scene.bottom, "HUD_PRESS");
    ASSERT_NE(press, nullptr);
    press->measure_layout();
  }
  KOR::KC_GUI_IMAGE* image(unsigned int id) const {
    return dynamic_cast<KOR::KC_GUI_IMAGE*>(press->gui()->find(id));
  }
  // The visible frames among 1-5 and 11-15.
  std::vector<int> shown() const {
    std::vector<int> ids;
    for (int id : {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}) {
      if (image(id)->visible) ids.push_back(id);
    }
    return ids;
  }
  float x_of(unsigned int id) const { return image(id)->transform->position.x; }
  std::wstring seconds() const {
    return dynamic_cast<KOR::KC_GUI_WLABEL*>(
               press->gui()->find(game::HUD_PANEL_PRESS::kSecondsLabel))
        ->text;
  }

  shell_test::HUD_SCENE scene;
  HUD_PANEL_PRESS* press = nullptr;
};

TEST_F(Press, TheOpenFrameIsTheDropArea) {
  expect_at(press->press_rest_position(), 700, 650);
  expect_at(press->press_size(), 64, 32);
  expect_at(press->press_centre(), 732, 666);
  EXPECT_EQ(press->hidden_x, -94.0f);
  // Every frame, the upgraded closed one too, is placed by its corner.
  for (int id : {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}) {
    EXPECT_EQ(image(id)->quad->hot_spot(), KOR::HS_UL) << id;
  }
}

TEST_F(Press, ReadyPictureAfterOpening) {
  EXPECT_EQ(shown(), (std::vector<int>{5}));
  EXPECT_EQ(seconds(), L"");
  EXPECT_EQ(image(25)->visible, 0);
}

TEST_F(Press, CrushShowsEachFrameOnceAtItsThreshold) {
  struct CASE {
    std::vector<float> fractions;
    std::vector<int> frames;  // the closing frame shown after each call
  };
  const CASE cases[] = {
      {{0.1f, 0.25f, 0.45f, 0.65f, 0.85f, 1.0f}, {5, 4, 3, 2, 1, 1}},
      // A first call past 0.5 shows frame 4 only; frame 3 is skipped.
      {{0.5f, 0.6f, 0.9f}, {4, 2, 1}},
      {{0.2f, 0.4f}, {4, 3}},
  };
  for (const CASE& c : cases) {
    press->start_crush();
    for (size_t i = 0; i < c.fractions.size(); ++i) {
      press->step_crush(c.fractions[i]);
      EXPECT_EQ(shown().front(), c.frames[i]) << "at " << c.fractions[i];
    }
  }
}

TEST_F(Press, FramesShowAloneAndTheUpgradedOnesWithThem) {
  struct CASE {
    bool upgraded;
    int frame;
    std::vector<int> shown;
  };
  const CASE cases[] = {
      {true, 5, {5, 15}}, {true, 4, {4, 14}}, {true, 3, {3, 13}},
      {true, 2, {2, 12}}, {true, 1, {1, 11}},
  };
  press->set_upgraded_images(true);
  for (const CASE& c : cases) {
    press->show_frame(c.frame);
    EXPECT_EQ(shown(), c.shown) << c.frame;
  }
}

TEST_F(Press, CoolDownSlidesTheClosedPressOutAndTheOpenOneBack) {
  press->set_upgraded_images(true);
  press->start_crush();
  press->step_crush(0.9f);
  press->show_cooldown();
  EXPECT_EQ(image(25)->visible, 1);
  press->set_cooldown_seconds(3);
  EXPECT_EQ(seconds(), L"Wait 3");
  struct SLIDE {
    float fraction;
    float x;
  };
  for (const SLIDE& s : {SLIDE{0.0f, 700.0f}, SLIDE{0.5f, 303.0f}, SLIDE{1.0f, -94.0f}}) {
    press->slide_out_closed_press(s.fraction);
    EXPECT_EQ(x_of(1), s.x);
    EXPECT_EQ(x_of(11), s.x);  // the upgraded closed press goes with it
  }
  press->reset_display();
  // No upgraded closed press stays behind over the open one.
  EXPECT_EQ(shown(), (std::vector<int>{5, 15}));
  EXPECT_EQ(x_of(1), 700.0f);
  EXPECT_EQ(x_of(11), 700.0f);
  EXPECT_EQ(seconds(), L"");
  EXPECT_EQ(image(25)->visible, 0);
  for (const SLIDE& s : {SLIDE{0.0f, -94.0f}, SLIDE{0.5f, 303.0f}, SLIDE{1.0f, 700.0f}}) {
    press->slide_in_open_press(s.fraction);
    EXPECT_EQ(x_of(5), s.x);
    EXPECT_EQ(x_of(15), s.x);
  }
  // The label is filled from its template again after it was emptied.
  press->set_cooldown_seconds(2);
  EXPECT_EQ(seconds(), L"Wait 2");
}

TEST_F(Press, WithoutItsFramesThePressKeepsAnEmptyDropArea) {
  std::unique_ptr<HUD_PANEL_PRESS> bare(scene.make<HUD_PANEL_PRESS>(
      R"(<window _name="HUD_PRESS"><GUI><LABEL ID="5"/></GUI></window>)"));
  bare->enable();
  bare->open();
  bare->measure_layout();
  bare->set_upgraded_images(true);
  bare->start_crush();
  bare->step_crush(1.0f);
  bare->show_cooldown();
  bare->set_cooldown_seconds(1);
  bare->slide_out_closed_press(0.5f);
  bare->slide_in_open_press(0.5f);
  expect_at(bare->press_size(), 0, 0);
  expect_at(bare->press_rest_position(), 0, 0);
}

}  // namespace
