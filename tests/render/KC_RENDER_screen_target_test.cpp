#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"

namespace KOR {
namespace {

class ScreenTargetTest : public ::testing::Test {
 protected:
  ScreenTargetTest() : gpu(new GPU_NULL), render(std::unique_ptr<GPU>(gpu)) {}
  void SetUp() override { ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1); }

  std::vector<std::string> stencil_calls() const {
    std::vector<std::string> out;
    for (const std::string& line : gpu->calls) {
      if (line.rfind("stencil", 0) == 0) out.push_back(line);
    }
    return out;
  }

  GPU_NULL* gpu;
  KC_RENDER render;
};

TEST_F(ScreenTargetTest, APassOpensOnlyWithinAFrameOnATargetTheBackBuffersSize) {
  KS_RENDER_TARGET* target = render.create_screen_target();
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(target->width, 1024);
  EXPECT_EQ(target->height, 768);
  EXPECT_FALSE(target->target_surface->depth_stencil) << "no planes the picture never tests";
  EXPECT_EQ(render.begin_screen_target(target), -1) << "no frame open";
  ASSERT_EQ(render.begin_frame(), 1);
  KS_RENDER_TARGET* small = render.create_render_target(512, 768);
  EXPECT_FALSE(render.fits_screen(small));
  EXPECT_EQ(render.begin_screen_target(small), -1);
  gpu->calls.clear();
  ASSERT_EQ(render.begin_screen_target(target), 1);
  EXPECT_EQ(gpu->bound_target, target->target_surface);
  EXPECT_EQ(gpu->calls.back(), "clear 1 FF444444 1 0") << "starts as a frame does, colour only";
  EXPECT_EQ(render.end_frame(), -1) << "the pass is still open";
  EXPECT_EQ(render.end_screen_target(), 0);
  EXPECT_EQ(gpu->bound_target, gpu->back_buffer());
  EXPECT_EQ(render.end_frame(), 0);

  // A back buffer of another size leaves the target unfit.
  gpu->drawable_width = 1366;
  EXPECT_FALSE(render.fits_screen(target));
  EXPECT_EQ(render.create_screen_target()->width, 1366);
}

TEST_F(ScreenTargetTest, ADeviceResetIsCountedAndTheTargetKeepsASurface) {
  KS_RENDER_TARGET* target = render.create_screen_target();
  const int resets = render.device_resets;
  render.reset_device();
  EXPECT_EQ(render.device_resets, resets + 1);
  EXPECT_TRUE(render.fits_screen(target));
  EXPECT_FALSE(target->target_surface->depth_stencil) << "made again as it was";
  EXPECT_TRUE(render.create_render_target(64, 64)->target_surface->depth_stencil);
}

TEST_F(ScreenTargetTest, TheTargetIsLaidOverTheWholeBackBufferAndTheScreenViewComesBack) {
  KS_RENDER_TARGET* target = render.create_screen_target();
  ASSERT_EQ(render.begin_frame(), 1);
  gpu->draws.clear();
  render.draw_screen_target(target);
  ASSERT_EQ(gpu->draws.size(), 1u);
  const GPU_NULL::DRAW& d = gpu->draws[0];
  EXPECT_EQ(d.texture, target->target_texture);
  EXPECT_EQ(d.primitive_count, 2);
  EXPECT_EQ(d.positions.front()[0], -1.0f);
  EXPECT_EQ(d.positions.front()[1], 1.0f);
  EXPECT_EQ(d.positions[2][0], 1.0f);
  EXPECT_EQ(d.positions[2][1], -1.0f);
  EXPECT_EQ(d.world[0], 1.0f) << "clip space: identity matrices";
  EXPECT_EQ(gpu->bound_texture, nullptr) << "the next batch binds its own texture";

  // The next screen quad is drawn with the screen's own matrices again.
  KS_VERTEX v[4];
  for (KS_VERTEX& corner : v) corner.set_color(0xFFFFFFFFu);
  static const uint16_t kIndices[6] = {0, 1, 2, 0, 2, 3};
  KS_RENDER_STATE s;
  s.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  s.set_flag(KS_RENDER_STATE::kScreenMode, true);
  s.set_primitive(KS_RENDER_STATE::kTriangles);
  render.submit(v, nullptr, &s, 4, kIndices, 6);
  render.flush();
  ASSERT_EQ(gpu->draws.size(), 2u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(gpu->draws[1].world[i], render.screen_world.m[i]);
  EXPECT_EQ(render.end_frame(), 0);
}

TEST_F(ScreenTargetTest, AClipMarksItsRectanglesInTheStencilAndClearsThemAfter) {
  ASSERT_EQ(render.begin_frame(), 1);
  gpu->calls.clear();
  gpu->draws.clear();
  render.begin_clip({KS_SCREEN_RECT{10, 20, 30, 40}, KS_SCREEN_RECT{50, 60, 70, 80}});
  const std::vector<std::string> marked = stencil_calls();
  EXPECT_EQ(marked, (std::vector<std::string>{"stencil 1", "stencil_fail keep",
                                              "stencil_func always 1", "stencil_pass replace",
                                              "stencil_func less 0", "stencil_pass keep"}));
  ASSERT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(gpu->draws[0].positions.size(), 8u) << "two rectangles in one batch";
  EXPECT_EQ(gpu->draws[0].colors[0], 0u) << "transparent: the picture stays";
  gpu->calls.clear();
  render.end_clip();
  EXPECT_EQ(stencil_calls(),
            (std::vector<std::string>{"stencil_func always 0", "stencil_pass replace",
                                      "stencil_pass keep", "stencil 0"}));
  ASSERT_EQ(gpu->draws.size(), 2u);
  EXPECT_EQ(gpu->draws[1].positions, gpu->draws[0].positions);
  EXPECT_EQ(render.end_frame(), 0);
}

}  // namespace
}  // namespace KOR
