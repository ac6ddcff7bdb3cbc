#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_SLIDER12.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "render/KC_TEXTURE.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;

using StripSliderTest = gui_test::WidgetResources;

TEST_F(StripSliderTest, TwelveFramesLayOutAlongAHorizontalTrack) {
  KC_GUI_SLIDER12 slider(3, manager.get_texture("strip12.png"), KS_VECTOR2(100, 300),
                         KS_VECTOR2(400, 300), 20, 1.5f, 0, 100, 5, 0);
  const KC_SLIDER_STRIP& strip = slider.strip();
  EXPECT_EQ(slider.kind, GUI_KIND_OBJECT);
  EXPECT_EQ(strip.frame_width(), 20.0f);
  EXPECT_EQ(strip.frame_height(), 40.0f);
  EXPECT_EQ(slider.transform->position_xy(), KS_VECTOR2(250, 300));
  EXPECT_EQ(slider.start_button().x, -140.0f);
  EXPECT_EQ(slider.end_button().x, 140.0f);
  EXPECT_EQ(slider.knob().x, -110.0f) << "knob stop 30 inside the start button";
  EXPECT_EQ(strip.start_cap()->transform()->position.x, -120.0f);
  EXPECT_EQ(strip.end_cap()->transform()->position.x, 120.0f);
  EXPECT_EQ(strip.middle()->width(), 20.0f);
  EXPECT_EQ(strip.middle()->height(), 222.0f);
  EXPECT_EQ(strip.start()->width(), 20.0f);
  EXPECT_FLOAT_EQ(strip.start()->transform()->rotation.z, 2 * kPi);
  EXPECT_FLOAT_EQ(strip.middle()->transform()->rotation.z, 2 * kPi - kHalfPi);
  EXPECT_EQ(strip.fill(), nullptr);
  EXPECT_FLOAT_EQ(slider.width(), 20.0f);
  EXPECT_FLOAT_EQ(slider.height(), 40.0f);
}

TEST_F(StripSliderTest, ATrackFromRightToLeftIsTurnedHalfway) {
  KC_GUI_SLIDER12 slider(3, manager.get_texture("strip12.png"), KS_VECTOR2(400, 300),
                         KS_VECTOR2(100, 300), 20, 1.5f, 0, 100, 5, 0);
  EXPECT_FLOAT_EQ(slider.strip().knob()->transform()->rotation.z, kPi);
  EXPECT_FLOAT_EQ(slider.strip().start_cap()->transform()->rotation.z, kPi);
}

TEST_F(StripSliderTest, TwelveFramesShowThePartStatesAfterTheUpdate) {
  KC_GUI_SLIDER12 slider(3, manager.get_texture("strip12.png"), KS_VECTOR2(100, 300),
                         KS_VECTOR2(400, 300), 20, 1.5f, 0, 100, 5, 0);
  point(140, 300);
  ASSERT_EQ(slider.update()->code, GUI_EVENT_ENTER);
  // Knob hovered: frame 7 of 12 starts at u = 7/12.
  EXPECT_FLOAT_EQ(slider.strip().knob()->vertices[0].u, 7.0f / 12.0f);
}

TEST_F(StripSliderTest, ThirteenFramesWaitForTheirTexture) {
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 40);
  EXPECT_EQ(slider.kind, GUI_KIND_SLIDER13);
  EXPECT_FALSE(slider.built());
  EXPECT_EQ(slider.width(), 0.0f);
  slider.draw();
  slider.update_fill();
  slider.set_track(KS_VECTOR2(0, 0), KS_VECTOR2(10, 0));
  EXPECT_EQ(slider.value(), 40.0f);

  slider.load_resources();
  ASSERT_TRUE(slider.built());
  EXPECT_EQ(slider.strip().frame_width(), 20.0f);
  EXPECT_EQ(slider.transform->position_xy(), KS_VECTOR2(250, 300));
  EXPECT_EQ(slider.stored_start(), KS_VECTOR2(-140, 0)) << "points now relative to the centre";
  EXPECT_EQ(slider.strip().middle()->height(), 220.0f);
}

TEST_F(StripSliderTest, TheFillRunsFromTheKnobOriginToTheKnob) {
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 0);
  slider.load_resources();
  KC_QUAD* fill = slider.strip().fill();
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->height(), 0.0f);
  EXPECT_EQ(fill->transform()->position.x, -110.0f);
  EXPECT_EQ(fill->hot_spot(), static_cast<unsigned>(HS_MU));
  slider.set_value(100);
  EXPECT_EQ(fill->height(), 220.0f) << "to the end stop";
  slider.set_value(50);
  EXPECT_EQ(fill->height(), 110.0f);
  EXPECT_FLOAT_EQ(fill->transform()->rotation.z, 2 * kPi - kHalfPi);
}

TEST_F(StripSliderTest, ReleaseShowsTheDefaultTextureAndTheNextLoadOnlyRetextures) {
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 0);
  slider.load_resources();
  KC_TEXTURE* strip = slider.texture();
  ASSERT_NE(strip, default_texture());
  KC_QUAD* knob = slider.strip().knob();
  slider.transform->set_position(0, 0, 0);
  slider.release_resources();
  EXPECT_EQ(knob->texture(), default_texture());
  EXPECT_EQ(slider.strip().fill()->texture(), default_texture());
  EXPECT_EQ(references("strip13.png"), 0);
  slider.load_resources();
  EXPECT_EQ(slider.strip().knob(), knob) << "not rebuilt";
  EXPECT_EQ(slider.transform->position_xy(), KS_VECTOR2(0, 0)) << "not re-centred";
  EXPECT_NE(knob->texture(), default_texture());
  slider.release_resources();
}

TEST_F(StripSliderTest, AnUnknownStripGivesOnePixelFramesThatStillWork) {
  KC_GUI_SLIDER13 slider(9, "missing.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 0);
  slider.load_resources();
  ASSERT_TRUE(slider.built());
  EXPECT_EQ(slider.strip().frame_width(), 1.0f);
  point(250, 300);
  slider.on_pointer_move();
  EXPECT_EQ(slider.focused, 1);
  slider.draw();
  slider.release_resources();
}

TEST_F(StripSliderTest, ThirteenFramesAnswerWhereTheyAreDrawnInsideAMovedWindow) {
  KS_TRANSFORM3 window;
  window.set_position(500, 100, 0);
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 0);
  slider.transform->parent = &window;
  slider.load_resources();
  int calls = 0;
  slider.hook_value_changed =
      callback_create([](void* n) { return ++*static_cast<int*>(n); }, "v", &calls);
  // The end button stands at 390 + 500 on screen.
  point(890, 400);
  KS_GUI_EVENT* e = slider.on_pointer_move();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_ENTER);
  EXPECT_FLOAT_EQ(slider.strip().fill()->transform()->position.x, -110.0f);
  EXPECT_FLOAT_EQ(slider.strip().start()->vertices[0].u, 0.0f);
  EXPECT_FLOAT_EQ(slider.strip().knob()->vertices[0].u, 6.0f / 13.0f);
  left_down();
  ASSERT_EQ(slider.on_press()->code, GUI_EVENT_DOWN);
  next_frame();
  left_up();
  e = slider.on_release();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->code, GUI_EVENT_CHANGED);
  EXPECT_EQ(slider.value(), 5.0f);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(slider.strip().fill()->height(), 11.0f);
  EXPECT_EQ(slider.update(), nullptr);
  slider.release_resources();
}

// The groove's pieces meet edge to edge: a piece whose edge sampled the
// frame beside its own drew a seam at a cap and a stray dash beside the
// middle.
TEST_F(StripSliderTest, TheGroovePiecesSampleOnlyTheirOwnFrames) {
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 40);
  slider.load_resources();
  slider.set_value(60);
  const float columns = 13.0f;
  const struct {
    const char* piece;
    const KC_QUAD* quad;
    int frame;
  } cases[] = {{"start cap", slider.strip().start_cap(), 9},
               {"middle", slider.strip().middle(), 10},
               {"end cap", slider.strip().end_cap(), 11},
               {"fill", slider.strip().fill(), 12}};
  for (const auto& c : cases) {
    ASSERT_NE(c.quad, nullptr) << c.piece;
    for (int i = 0; i < 4; ++i) {
      EXPECT_GT(c.quad->vertices[i].u, c.frame / columns) << c.piece << " corner " << i;
      EXPECT_LT(c.quad->vertices[i].u, (c.frame + 1) / columns) << c.piece << " corner " << i;
    }
    EXPECT_GT(c.quad->vertices[1].u - c.quad->vertices[0].u, 0.9f / columns) << c.piece;
  }
  slider.release_resources();
}

TEST_F(StripSliderTest, ANewTrackKeepsTheFillAnchoredAtTheKnobOrigin) {
  KC_GUI_SLIDER13 slider(2, "strip13.png", KS_VECTOR2(0, -100), KS_VECTOR2(0, 100), 10, 0.5f, 0, 10,
                         1, 5);
  slider.load_resources();
  slider.set_track(KS_VECTOR2(50, -150), KS_VECTOR2(50, 150));
  EXPECT_EQ(slider.transform->position_xy(), KS_VECTOR2(50, 0));
  const KC_QUAD* fill = slider.strip().fill();
  const KC_QUAD* middle = slider.strip().middle();
  EXPECT_FLOAT_EQ(fill->transform()->rotation.z, middle->transform()->rotation.z);
  EXPECT_FLOAT_EQ(fill->transform()->position.y, slider.start_button().y + 10.0f);
  EXPECT_FLOAT_EQ(fill->transform()->position.y + fill->height(), slider.knob().y);
  slider.release_resources();
}

}  // namespace
}  // namespace KOR
