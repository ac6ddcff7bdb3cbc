#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_CAMERA.h"
#include "render/KC_RENDER.h"
#include "render/KS_LIGHT.h"
#include "render/gpu_null.h"
#include "support/temp_folder.h"

namespace KOR {
namespace {

class ExtrasTest : public ::testing::Test {
 protected:
  ExtrasTest() : gpu(new GPU_NULL), render(std::unique_ptr<GPU>(gpu)) {}
  void SetUp() override { ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1); }

  std::vector<std::string> calls_starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : gpu->calls) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
  }

  GPU_NULL* gpu;
  KC_RENDER render;
};

TEST_F(ExtrasTest, ATargetPassOpensOnlyBetweenFramesAndRestoresTheScreen) {
  KS_RENDER_TARGET* target = render.create_render_target(128, 64);
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(target->target_id, 0);
  EXPECT_EQ(render.create_render_target(8, 8)->target_id, 1);

  ASSERT_EQ(render.begin_frame(), 1);
  EXPECT_EQ(render.begin_target(target), -1);
  EXPECT_EQ(render.frame_state, 0);
  EXPECT_EQ(gpu->bound_target, nullptr);
  render.end_frame();

  EXPECT_EQ(render.end_target(), -1);
  ASSERT_EQ(render.begin_target(target), 1);
  EXPECT_EQ(gpu->bound_target, target->target_surface);
  EXPECT_EQ(gpu->calls.back(), "clear 7 00000000 1 0");
  EXPECT_EQ(render.begin_frame(), -1);
  EXPECT_EQ(render.end_target(), 0);
  EXPECT_EQ(gpu->bound_target, gpu->back_buffer());
  EXPECT_TRUE(std::equal(render.screen_projection.m, render.screen_projection.m + 16,
                         gpu->matrices[2].begin()));
  EXPECT_EQ(render.frame_state, 1);
}

TEST_F(ExtrasTest, MaskLevelsCountTheStencilReferenceDown) {
  // What was batched before the mask is drawn before the stencil changes.
  KS_VERTEX v[3];
  KS_RENDER_STATE s;
  s.set_primitive(KS_RENDER_STATE::kTriangles);
  render.submit(v, nullptr, &s, 3, nullptr, 0);
  gpu->calls.clear();
  render.begin_mask();
  EXPECT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(mask_ref, 255);
  render.next_mask_level();
  render.next_mask_level();
  render.next_mask_level();
  render.end_mask();
  EXPECT_EQ(calls_starting("stencil_func"),
            (std::vector<std::string>{"stencil_func always 255", "stencil_func less 254",
                                      "stencil_func less 252", "stencil_func less 250"}));
  EXPECT_EQ(mask_ref, 249);
  EXPECT_EQ(gpu->calls.front(), "clear 4 FFFFFFFF 1 0");
  EXPECT_EQ(gpu->calls.back(), "stencil 0");
}

TEST_F(ExtrasTest, DisplayModesAreLandscapeTrueColourAtSixtyHertz) {
  gpu->modes = {{1024, 768, 60, 32}, {768, 1024, 60, 32},  {1280, 720, 75, 32},
                {800, 600, 60, 16},  {1920, 1080, 60, 24}, {640, 640, 60, 32}};
  std::vector<KS_IVECTOR2> modes{KS_IVECTOR2(1, 1)};
  render.list_display_modes(modes);
  EXPECT_EQ(modes, (std::vector<KS_IVECTOR2>{KS_IVECTOR2(1024, 768), KS_IVECTOR2(1920, 1080),
                                             KS_IVECTOR2(640, 640)}));
}

TEST_F(ExtrasTest, ClearsReachTheDeviceWithTheirFlags) {
  render.clear_color = KS_COLOR(0xFF102030);
  gpu->calls.clear();
  EXPECT_EQ(render.clear(1, true, false), 1);
  EXPECT_EQ(render.clear_stencil(), 1);
  EXPECT_EQ(render.clear_depth(), 1);
  EXPECT_EQ(gpu->calls, (std::vector<std::string>{"clear 5 FF102030 1 0", "clear 4 FF102030 1 0",
                                                  "clear 2 00000000 10 0"}));
  gpu->fail_clear = true;
  EXPECT_EQ(render.clear(1, false, true), -1);
}

TEST_F(ExtrasTest, TheShaderFileIsReadFromTheCurrentFolder) {
  const std::filesystem::path old = std::filesystem::current_path();
  const test_support::TempFolder folder("aquavex-shader");
  const std::filesystem::path& dir = folder.path();
  std::filesystem::current_path(dir);
  EXPECT_EQ(render.load_shader(), -1);
  std::ofstream(dir / "shader.txt") << "void main() {}";
  EXPECT_EQ(render.load_shader(), 1);
  std::ofstream(dir / "shader.txt", std::ios::trunc);
  EXPECT_EQ(render.load_shader(), -1);
  std::filesystem::current_path(old);
}

TEST_F(ExtrasTest, LightsAndWorldMatricesGoToTheDevice) {
  KS_LIGHT light;
  gpu->calls.clear();
  EXPECT_EQ(render.set_light(2, light), 1);
  render.enable_light(2, true);
  render.set_lighting(true);
  render.set_material(KS_MATERIAL{});
  EXPECT_EQ(gpu->calls,
            (std::vector<std::string>{"light 2", "enable_light 2 1", "lighting 1", "material"}));

  // The step comes after what the base already holds; its y is negated.
  KS_TRANSFORM3 t;
  t.set_position(10, 20, 0);
  render.accumulate_world_transform(t);
  render.accumulate_world_transform(t);
  KS_VECTOR3 p(1, 1, 0);
  render.world_base.transform_point(p);
  EXPECT_NEAR(p.x, 21, 1e-3);
  EXPECT_NEAR(p.y, -41, 1e-3);
  EXPECT_TRUE(std::equal(render.world_base.m, render.world_base.m + 16, gpu->matrices[0].begin()));
}

TEST_F(ExtrasTest, ReleaseAllLeavesARendererThatDrawsNothing) {
  EXPECT_EQ(render.release_all(), 1);
  EXPECT_EQ(render.default_texture, nullptr);
  EXPECT_EQ(render.begin_frame(), -1);
  EXPECT_EQ(render.create_texture(4, 4), nullptr);
}

TEST(CameraTest, StartsWhereTheScreenViewLooksFrom) {
  GPU_NULL gpu;
  KC_RENDER render(std::make_unique<GPU_NULL>());
  ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1);
  KC_CAMERA camera(&gpu, 1024, 768);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(camera.view_matrix.m[i], render.screen_view.m[i], 1e-3);
  EXPECT_TRUE(std::equal(camera.view_matrix.m, camera.view_matrix.m + 16, gpu.matrices[1].begin()));
  EXPECT_NEAR(camera.eye.z, -928.27f, 0.01);
}

TEST(CameraTest, TurnsKeepTheAxesOrthonormalAndMovesFollowThem) {
  KC_CAMERA camera(nullptr, 100, 100);
  camera.turn_yaw(1.5707964f);
  EXPECT_NEAR(camera.forward.x, 1, 1e-5);
  EXPECT_NEAR(camera.right.z, -1, 1e-5);
  camera.rotate(0.3f, 0.2f, 0.1f);
  EXPECT_FLOAT_EQ(camera.yaw, 1.5707964f + 0.3f);
  EXPECT_NEAR(camera.forward.dot(camera.right), 0, 1e-5);
  EXPECT_NEAR(camera.forward.dot(camera.up), 0, 1e-5);
  EXPECT_NEAR(camera.up.length(), 1, 1e-5);

  camera.set_angles(0, 0, 0);
  camera.set_position(0, 0, 0);
  camera.move(2, 3, 4);
  EXPECT_EQ(camera.eye, KS_VECTOR3(3, 4, 2));
  EXPECT_EQ(camera.eye_copy, camera.eye);
  KS_VECTOR3 origin;
  camera.view_matrix.transform_point(origin);
  EXPECT_NEAR(origin.x, -3, 1e-5);
  EXPECT_NEAR(origin.z, -2, 1e-5);
}

}  // namespace
}  // namespace KOR
