// A 13-frame slider drawn on a real window: the fill must run from the knob
// origin to the knob, over the track's middle, and stay there after a new
// track (the text turned the fill the other way then).
#include <gtest/gtest.h>

#include <vector>

#include "SERVICE/engine_globals.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "platform/KC_INPUT.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "support/display_window.h"

namespace KOR {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

class Slider13Display : public primitives_test::DisplayWindow {
 protected:
  void SetUp() override {
    DisplayWindow::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // 13 frames of 20 x 40: the middle (10) blue, the fill (12) green, the
    // rest red.
    std::vector<uint32_t> pixels(260 * 40);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 260; ++x) {
        const int frame = x / 20;
        pixels[y * 260 + x] = frame == 12 ? 0xFF00FF00u : frame == 10 ? 0xFF0000FFu : 0xFFFF0000u;
      }
    }
    auto* record = new KC_RESOURCE("strip13.png");
    record->data = render->create_texture(260, 40);
    ASSERT_TRUE(render->upload_pixels(static_cast<KC_TEXTURE*>(record->data), pixels.data()));
    record->kind = RESOURCE_TEXTURE;
    record->loaded = 1;
    manager.main_records["strip13.png"].reset(record);
    engine_resource_manager = &manager;
  }
  void TearDown() override {
    engine_resource_manager = nullptr;
    DisplayWindow::TearDown();
  }

  KC_INPUT input;
  KC_RESOURCE_MANAGER manager;
};

TEST_F(Slider13Display, TheFillRunsFromTheKnobOriginToTheKnob) {
  // Buttons at 110 and 390, knob origin 140, knob at 250 for the value 50.
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 50);
  slider.load_resources();
  slider.draw();
  EXPECT_EQ(pixel(190, 300), kGreen);
  EXPECT_EQ(pixel(190, 286), 0u) << "the fill is one frame high";
  EXPECT_EQ(pixel(300, 300), kBlue) << "the middle beyond the knob";
  EXPECT_EQ(pixel(250, 300), kRed) << "the knob";
  EXPECT_EQ(pixel(110, 300), kRed) << "the start button";
  slider.release_resources();
}

TEST_F(Slider13Display, ANewTrackKeepsTheFillTowardTheKnob) {
  KC_GUI_SLIDER13 slider(9, "strip13.png", KS_VECTOR2(100, 300), KS_VECTOR2(400, 300), 20, 1.5f, 0,
                         100, 5, 50);
  slider.load_resources();
  slider.set_track(KS_VECTOR2(200, 500), KS_VECTOR2(800, 500));
  // Buttons at 210 and 790, knob origin 240, knob at 500.
  slider.draw();
  EXPECT_EQ(pixel(246, 500), kGreen);
  EXPECT_EQ(pixel(480, 500), kGreen);
  EXPECT_EQ(pixel(650, 500), kBlue) << "the middle beyond the knob";
  slider.release_resources();
}

}  // namespace
}  // namespace KOR
