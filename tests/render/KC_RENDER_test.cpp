#include "render/KC_RENDER.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "support/images.h"

namespace KOR {
namespace {

using S = KS_RENDER_STATE;

KS_RENDER_STATE word(uint32_t primitive, uint32_t filter = 3, bool textured = true) {
  KS_RENDER_STATE s;
  s.set_flag(S::kAlphaBlend, true);
  s.set_filter(filter);
  s.set_flag(S::kTextured, textured);
  s.set_primitive(primitive);
  return s;
}

struct QUAD {
  KS_VERTEX v[4];
  uint16_t i[6] = {0, 1, 2, 2, 3, 0};
  explicit QUAD(float side = 32.0f) {
    v[0].set_position(0, 0, 0);
    v[1].set_position(side, 0, 0);
    v[2].set_position(side, side, 0);
    v[3].set_position(0, side, 0);
  }
};

class RenderTest : public ::testing::Test {
 protected:
  RenderTest() : gpu(new GPU_NULL), render(std::unique_ptr<GPU>(gpu)) {}

  void SetUp() override {
    ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1);
    gpu->calls.clear();
  }

  void submit_quad(KC_TEXTURE* texture, KS_RENDER_STATE state, float x = 0, float y = 0) {
    KS_TRANSFORM3 t;
    t.set_position(x, y, 0);
    render.set_world_transform(t);
    render.submit(quad.v, texture, &state, 4, quad.i, 6);
  }

  bool called(const std::string& line) const {
    return std::find(gpu->calls.begin(), gpu->calls.end(), line) != gpu->calls.end();
  }

  GPU_NULL* gpu;
  KC_RENDER render;
  QUAD quad;
};

TEST_F(RenderTest, EqualWordsAndTextureShareOneIndexedDrawWithMovedPositions) {
  KC_TEXTURE* texture = render.create_texture(8, 8);
  ASSERT_EQ(render.begin_frame(), 1);
  submit_quad(texture, word(S::kTriangles), 100, 0);
  submit_quad(texture, word(S::kTriangles), 0, 200);
  ASSERT_EQ(render.end_frame(), 0);

  ASSERT_EQ(gpu->draws.size(), 1u);
  const GPU_NULL::DRAW& d = gpu->draws[0];
  EXPECT_EQ(d.vertex_count, 8);
  EXPECT_EQ(d.index_count, 12);
  EXPECT_EQ(d.primitive_count, 4);
  EXPECT_EQ(d.texture, texture->texture);
  EXPECT_EQ(d.positions[2], (std::array<float, 3>{132, 32, 0}));
  EXPECT_EQ(d.positions[7], (std::array<float, 3>{0, 232, 0}));
  EXPECT_EQ(d.indices, (std::vector<uint16_t>{0, 1, 2, 2, 3, 0, 4, 5, 6, 6, 7, 4}));
  EXPECT_EQ(render.draw_call_count, 1);
  EXPECT_EQ(render.submit_count, 2);
}

TEST_F(RenderTest, AStateOrTextureChangeFlushesButAnAntialiasChangeAloneDoesNot) {
  KC_TEXTURE* a = render.create_texture(8, 8);
  KC_TEXTURE* b = render.create_texture(8, 8);
  KS_RENDER_STATE antialiased = word(S::kTriangles);
  antialiased.set_flag(S::kAntialias, true);
  KS_RENDER_STATE additive = word(S::kTriangles);
  additive.set_flag(S::kAdditive, true);

  ASSERT_EQ(render.begin_frame(), 1);
  submit_quad(a, word(S::kTriangles));
  submit_quad(a, antialiased);  // same batch
  submit_quad(b, word(S::kTriangles));
  submit_quad(b, additive);
  submit_quad(b, additive);
  render.draw_line(0, 0, 10, 10, KS_COLOR(0xFFFF0000));
  render.end_frame();

  ASSERT_EQ(gpu->draws.size(), 4u);
  EXPECT_EQ(gpu->draws[0].vertex_count, 8);
  EXPECT_EQ(gpu->draws[0].texture, a->texture);
  EXPECT_EQ(gpu->draws[1].texture, b->texture);
  EXPECT_EQ(gpu->draws[2].vertex_count, 8);
  EXPECT_EQ(gpu->draws[3].type, GPU_PRIMITIVE::LINES);
  EXPECT_EQ(gpu->draws[3].primitive_count, 1);
  EXPECT_EQ(gpu->draws[3].texture, nullptr);
  EXPECT_EQ(gpu->draws[3].positions[1], (std::array<float, 3>{10, 10, 1}));
  EXPECT_EQ(gpu->draws[3].colors[0], 0xFFFF0000u);
}

TEST_F(RenderTest, TheBatchHoldsExactlyItsCapacity) {
  KC_TEXTURE* texture = render.create_texture(8, 8);
  ASSERT_EQ(render.begin_frame(), 1);
  for (int n = 0; n < render.vertex_capacity / 4; ++n) submit_quad(texture, word(S::kTriangles));
  EXPECT_TRUE(gpu->draws.empty());
  EXPECT_EQ(render.batch_vertex_count, 8192);
  submit_quad(texture, word(S::kTriangles));
  ASSERT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(gpu->draws[0].vertex_count, 8192);
  EXPECT_EQ(render.batch_vertex_count, 4);
  render.end_frame();
}

TEST_F(RenderTest, IndicesBeyondTheirShareFlushAndUnsafeSubmissionsAreRefused) {
  ASSERT_EQ(render.begin_frame(), 1);
  const KS_RENDER_STATE s = word(S::kTriangles, 0, false);
  // Six indices per vertex would overrun the index buffer before the
  // vertices run out: the batch is drawn first.
  std::vector<uint16_t> many(6 * 1000, 0);
  for (int n = 0; n < 5; ++n) render.submit(quad.v, nullptr, &s, 1, many.data(), 6000);
  EXPECT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(gpu->draws[0].index_count, 24000);

  const int before = render.batch_vertex_count;
  std::vector<KS_VERTEX> huge(render.vertex_capacity + 1);
  render.submit(huge.data(), nullptr, &s, static_cast<int>(huge.size()), nullptr, 0);
  const uint16_t outside[3] = {0, 1, 4};
  render.submit(quad.v, nullptr, &s, 4, outside, 3);
  EXPECT_EQ(render.batch_vertex_count, before);
  render.end_frame();
}

TEST_F(RenderTest, AnImmediateDrawLeavesPlacingToTheDevice) {
  KC_TEXTURE* texture = render.create_texture(8, 8);
  ASSERT_EQ(render.begin_frame(), 1);
  submit_quad(texture, word(S::kTriangles));
  KS_TRANSFORM3 t;
  t.set_position(10, 20, 0);
  render.set_world_transform(t);
  const KS_RENDER_STATE s = word(S::kTriangles);
  render.draw_immediate(quad.v, texture, &s, 4, quad.i, 6);
  ASSERT_EQ(gpu->draws.size(), 2u);
  const GPU_NULL::DRAW& d = gpu->draws[1];
  EXPECT_EQ(d.positions[2], (std::array<float, 3>{32, 32, 0}));
  const KS_MATRIX4 placed = render.world_base * render.world;  // world first
  EXPECT_TRUE(std::equal(d.world.begin(), d.world.end(), placed.m));
  EXPECT_TRUE(std::equal(render.world_base.m, render.world_base.m + 16, gpu->matrices[0].begin()));
  render.end_frame();
  EXPECT_EQ(gpu->draws.size(), 2u);
}

TEST_F(RenderTest, PrimitiveCountsFollowTheWordsType) {
  struct CASE {
    uint32_t type;
    bool indexed;
    GPU_PRIMITIVE drawn;
    int primitives;
  } cases[] = {
      {S::kPoints, false, GPU_PRIMITIVE::POINTS, 4},
      {S::kPointSprites, true, GPU_PRIMITIVE::POINTS, 6},
      {S::kLines, false, GPU_PRIMITIVE::LINES, 2},
      {S::kTriangles, true, GPU_PRIMITIVE::TRIANGLES, 2},
      {5, true, GPU_PRIMITIVE::TRIANGLES, 0},
  };
  for (const CASE& c : cases) {
    gpu->draws.clear();
    ASSERT_EQ(render.begin_frame(), 1);
    const KS_RENDER_STATE s = word(c.type, 0, false);
    render.submit(quad.v, nullptr, &s, 4, c.indexed ? quad.i : nullptr, c.indexed ? 6 : 0);
    render.end_frame();
    ASSERT_EQ(gpu->draws.size(), 1u) << c.type;
    EXPECT_EQ(gpu->draws[0].type, c.drawn) << c.type;
    EXPECT_EQ(gpu->draws[0].primitive_count, c.primitives) << c.type;
  }
}

TEST_F(RenderTest, StateChangesReachTheDeviceOnlyForChangedFields) {
  struct CASE {
    uint32_t from_filter, to_filter;
    const char* expected;  // null: no filter call
  } filters[] = {
      {3, 1, "filter point"},       {0, 1, nullptr}, {2, 5, nullptr}, {0, 2, "filter linear"},
      {1, 3, "filter anisotropic"},
  };
  for (const CASE& c : filters) {
    render.apply_state(word(S::kTriangles, c.from_filter));
    gpu->calls.clear();
    EXPECT_EQ(render.apply_state(word(S::kLines, c.to_filter)), 1);
    const bool any_filter = std::any_of(gpu->calls.begin(), gpu->calls.end(),
                                        [](auto& l) { return l.rfind("filter", 0) == 0; });
    if (c.expected == nullptr) {
      EXPECT_FALSE(any_filter) << c.from_filter << "->" << c.to_filter;
    } else {
      EXPECT_TRUE(called(c.expected)) << c.from_filter << "->" << c.to_filter;
    }
    // Addressing and antialiasing are set on every change.
    EXPECT_TRUE(called("address 000"));
    EXPECT_TRUE(called("antialias 0"));
  }

  gpu->anisotropic = false;
  render.apply_state(word(S::kTriangles, 0));
  render.apply_state(word(S::kTriangles, 3));
  EXPECT_EQ(gpu->calls.back(), "antialias 0");
  EXPECT_TRUE(called("filter linear"));

  KS_RENDER_STATE opaque = word(S::kTriangles);
  opaque.set_flag(S::kOpaque, true);
  gpu->calls.clear();
  render.apply_state(opaque);
  EXPECT_TRUE(called("blend 0"));

  KS_RENDER_STATE wrapped = opaque;
  wrapped.set_addressing(S::kWrapV);
  wrapped.set_flag(S::kAntialias, true);
  gpu->calls.clear();
  render.apply_state(wrapped);
  EXPECT_EQ(gpu->calls, (std::vector<std::string>{"address 011", "antialias 1"}));

  KS_RENDER_STATE only_antialias = wrapped;
  only_antialias.set_flag(S::kAntialias, false);
  gpu->calls.clear();
  EXPECT_EQ(render.apply_state(only_antialias), 0);
  EXPECT_TRUE(gpu->calls.empty());
}

TEST_F(RenderTest, FramesOpenOnceAndALostDeviceIsResetBeforeDrawingAgain) {
  render.clear_color = KS_COLOR(0xFF000000);
  EXPECT_EQ(render.end_frame(), -1);
  ASSERT_EQ(render.begin_frame(), 1);
  EXPECT_TRUE(called("clear 7 FF000000 1 0"));
  EXPECT_EQ(render.begin_frame(), -1);
  EXPECT_EQ(render.end_frame(), 0);

  KS_RENDER_TARGET* target = render.create_render_target(64, 32);
  GPU_TEXTURE* before = target->target_texture;
  gpu->simulate_loss();
  EXPECT_EQ(render.begin_frame(), -1);  // still lost
  EXPECT_EQ(render.begin_frame(), -110);
  EXPECT_EQ(gpu->resets, 1);
  EXPECT_NE(target->target_texture, nullptr);
  EXPECT_NE(target->target_texture, before);
  EXPECT_EQ(gpu->live_targets, 1);
  EXPECT_EQ(render.current_state.word, (1u << 1) | (1u << 17));
  EXPECT_EQ(render.begin_frame(), 1);
  render.end_frame();
  render.release_render_target(target);
  EXPECT_EQ(gpu->live_targets, 0);
}

TEST_F(RenderTest, ADeviceThatCannotBeMadeLeavesARendererThatDrawsNothing) {
  auto* failing = new GPU_NULL;
  failing->fail_create_device = true;
  KC_RENDER broken{std::unique_ptr<GPU>(failing)};
  EXPECT_EQ(broken.init(nullptr, 0.1f, 0.0f), -1);
  EXPECT_EQ(broken.begin_frame(), -1);
  const KS_RENDER_STATE s = word(S::kTriangles);
  broken.submit(quad.v, nullptr, &s, 4, quad.i, 6);
  broken.flush();
  EXPECT_TRUE(failing->draws.empty());
}

TEST_F(RenderTest, TheScreenMappingShowsTheLogicalAreaAndLetterboxesAStretchedPicture) {
  // Clip-space position of a logical point through the device transforms.
  auto ndc = [this](float x, float y) {
    KS_VECTOR3 p(x, y, 0);
    KS_MATRIX4 all = render.screen_projection * (render.screen_view * render.screen_world);
    const float* m = all.m;
    const float w = p.x * m[3] + p.y * m[7] + p.z * m[11] + m[15];
    all.transform_point(p);
    return std::array<float, 2>{p.x / w, p.y / w};
  };
  const float eps = 1e-4f;
  auto top_left = ndc(0, 0);
  auto bottom_right = ndc(1025, 769);
  EXPECT_NEAR(top_left[0], -1, eps);
  EXPECT_NEAR(top_left[1], 1, eps);
  EXPECT_NEAR(bottom_right[0], 1, eps);
  EXPECT_NEAR(bottom_right[1], -1, eps);

  gpu->drawable_width = 1920;
  gpu->drawable_height = 1080;
  render.set_video_mode(1024, 768, true, true);
  EXPECT_EQ(render.picture_size.x, 1920);
  // 1024 × 1.40625 = 1440 pixels wide, 240 from each side.
  top_left = ndc(0, 0);
  bottom_right = ndc(1025, 769);
  EXPECT_NEAR((top_left[0] + 1) / 2 * 1920, 240, 0.01);
  EXPECT_NEAR((bottom_right[0] + 1) / 2 * 1920, 1680, 0.01);
  EXPECT_NEAR(top_left[1], 1, eps);

  // The wide layout on the same desktop: as wide as the screen, a sliver of
  // a bar above and below.
  render.set_video_mode(1366, 768, true, true);
  top_left = ndc(0, 0);
  bottom_right = ndc(1367, 769);
  const float fit = (1920.0f / 1366) / (1080.0f / 768);
  EXPECT_NEAR(top_left[0], -1, eps);
  EXPECT_NEAR(bottom_right[0], 1, eps);
  EXPECT_NEAR(top_left[1], fit, eps);
  EXPECT_NEAR(bottom_right[1], -fit, eps);
  render.set_video_mode(1024, 768, true, true);

  const int resets = gpu->resets;
  render.set_video_mode(1024, 768, false, true);
  render.set_video_mode(1024, 768, true, true);
  EXPECT_EQ(gpu->resets, resets + 2);
  render.set_video_mode(1024, 768, false, false);
  render.set_video_mode(1024, 768, false, false);
  EXPECT_EQ(gpu->resets, resets + 3);
  // The client area the window got decides, not the mode: a windowed
  // picture in a larger area is letterboxed too, and one in an area of its
  // own size fills it once the same mode is set again.
  EXPECT_NEAR((ndc(0, 0)[0] + 1) / 2 * 1920, 240, 0.01);
  gpu->drawable_width = 1024;
  gpu->drawable_height = 768;
  render.set_video_mode(1024, 768, false, false);
  EXPECT_EQ(gpu->resets, resets + 4);
  EXPECT_NEAR(ndc(1025, 0)[0], 1, eps);
}

TEST_F(RenderTest, TheWorldTransformTakesPivotRotationScaleThenPosition) {
  KS_TRANSFORM3 t;
  t.set_pivot(10, 0, 0);
  t.set_rotation(0, 0, 1.5707964f);
  t.set_scale(2, 2, 1);
  t.set_position(100, 50, 0);
  render.set_world_transform(t);
  KS_VECTOR3 pivot(10, 0, 0), beside(11, 0, 0);
  render.world.transform_point(pivot);
  render.world.transform_point(beside);
  EXPECT_NEAR(pivot.x, 100, 1e-4);
  EXPECT_NEAR(pivot.y, 50, 1e-4);
  EXPECT_NEAR(beside.x, 100, 1e-4);
  EXPECT_NEAR(beside.y, 52, 1e-4);
}

struct PARTICLE {
  KS_VECTOR3 position;
  float size = 4;
  KS_COLOR color;
  PARTICLE* next = nullptr;
};

TEST_F(RenderTest, PointSpritesStreamInChunksAndLeaveTheirTextureCurrent) {
  KC_TEXTURE* quads = render.create_texture(8, 8);
  KC_TEXTURE* sparks = render.create_texture(8, 8);
  std::vector<PARTICLE> particles(1100);
  for (size_t n = 0; n < particles.size(); ++n) {
    particles[n].position = KS_VECTOR3(static_cast<float>(n), 1, 0);
    if (n + 1 < particles.size()) particles[n].next = &particles[n + 1];
  }
  KS_RENDER_STATE sprites = word(S::kPointSprites, 1);
  sprites.set_flag(S::kAdditive, true);

  ASSERT_EQ(render.begin_frame(), 1);
  KS_TRANSFORM3 t;
  t.set_position(5, 0, 0);
  render.set_world_transform(t);
  render.draw_point_sprites(particles.data(), sparks, sprites);
  ASSERT_EQ(gpu->point_draws.size(), 3u);
  EXPECT_EQ(gpu->point_draws[0].size(), 512u);
  EXPECT_EQ(gpu->point_draws[2].size(), 76u);
  EXPECT_EQ(gpu->point_draws[2].back().x, 1104);
  EXPECT_TRUE(called("point_sprites 1"));
  EXPECT_EQ(gpu->bound_texture, sparks->texture);

  // The same word with the quads' texture must bind that texture again.
  render.submit(quad.v, quads, &sprites, 4, nullptr, 0);
  render.end_frame();
  ASSERT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(gpu->draws[0].texture, quads->texture);
}

TEST_F(RenderTest, FailedLoadsGiveTheDefaultTextureWhichIsNeverReleased) {
  KC_TEXTURE* fallback = render.default_texture;
  ASSERT_NE(fallback, nullptr);
  EXPECT_EQ(fallback->image_size, KS_IVECTOR2(16, 16));
  const std::vector<unsigned char> png = test_support::encode_png(4, 4, std::vector<uint32_t>(16));
  const std::vector<unsigned char> truncated(png.begin(), png.begin() + png.size() / 2);
  const unsigned char junk[] = "not an image at all";
  EXPECT_EQ(render.load_texture_memory(nullptr, 0), fallback);
  EXPECT_EQ(render.load_texture_memory(junk, sizeof junk), fallback);
  EXPECT_EQ(render.load_texture_memory(truncated.data(), truncated.size()), fallback);
  EXPECT_EQ(render.load_texture_file("no/such/image.png"), fallback);

  const int live = gpu->live_textures;
  render.release_texture(fallback);
  render.release_texture(nullptr);
  EXPECT_EQ(gpu->live_textures, live);
  EXPECT_EQ(render.default_texture, fallback);
  EXPECT_NE(render.lock_texture(fallback), nullptr);
}

TEST_F(RenderTest, ImagesLoadAtTheirOwnSizeAndEachLoadMakesItsOwnTexture) {
  const std::vector<uint32_t> pixels(100 * 50, 0xFF336699);
  const std::vector<unsigned char> png = test_support::encode_png(100, 50, pixels);
  const std::vector<unsigned char> jpeg = test_support::encode_jpeg(100, 50, pixels);
  KC_TEXTURE* first = render.load_texture_memory(png.data(), png.size());
  KC_TEXTURE* second = render.load_texture_memory(png.data(), png.size());
  KC_TEXTURE* photo = render.load_texture_memory(jpeg.data(), jpeg.size());
  ASSERT_NE(first, render.default_texture);
  EXPECT_NE(first, second);
  EXPECT_NE(first->texture, second->texture);
  EXPECT_EQ(first->size(), KS_IVECTOR2(100, 50));
  EXPECT_EQ(photo->size(), KS_IVECTOR2(100, 50));
  // Decoded images keep red, green, blue, alpha byte order.
  const auto* rgba = static_cast<const unsigned char*>(render.lock_texture(first));
  EXPECT_EQ(rgba[0], 0x33);
  EXPECT_EQ(rgba[2], 0x99);
  EXPECT_TRUE(render.unlock_texture(first));

  const size_t records = render.textures.size();
  render.release_texture(second);
  EXPECT_EQ(render.textures.size(), records - 1);
}

TEST_F(RenderTest, DecodedPicturesKnowWhetherEveryPixelIsOpaque) {
  std::vector<uint32_t> pixels(8 * 4, 0xFF336699);
  const std::vector<unsigned char> solid = test_support::encode_png(8, 4, pixels);
  const std::vector<unsigned char> photo = test_support::encode_jpeg(8, 4, pixels);
  pixels[13] = 0xFE336699;
  const std::vector<unsigned char> see_through = test_support::encode_png(8, 4, pixels);
  EXPECT_TRUE(render.load_texture_memory(solid.data(), solid.size())->opaque());
  EXPECT_TRUE(render.load_texture_memory(photo.data(), photo.size())->opaque());
  EXPECT_FALSE(render.load_texture_memory(see_through.data(), see_through.size())->opaque());
  EXPECT_FALSE(render.create_texture(2, 2)->opaque()) << "made pixels are not looked at";
  EXPECT_FALSE(render.default_texture->opaque());
}

TEST_F(RenderTest, AMadeTextureTakesPackedPixels) {
  KC_TEXTURE* texture = render.create_texture(2, 2);
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->size(), KS_IVECTOR2(2, 2));
  const uint32_t pixels[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};
  EXPECT_TRUE(texture->upload_pixels(pixels));
  const auto* back = static_cast<const uint32_t*>(render.lock_texture(texture));
  EXPECT_TRUE(std::equal(pixels, pixels + 4, back));
  render.unlock_texture(texture);
  EXPECT_FLOAT_EQ(texture->u_of(1), 0.5f);

  gpu->fail_create_texture = true;
  EXPECT_EQ(render.create_texture(4, 4), nullptr);
}

TEST_F(RenderTest, ReleasingTheBatchedTextureDrawsTheBatchFirst) {
  KC_TEXTURE* texture = render.create_texture(8, 8);
  GPU_TEXTURE* handle = texture->texture;
  ASSERT_EQ(render.begin_frame(), 1);
  submit_quad(texture, word(S::kTriangles));
  render.release_texture(texture);
  ASSERT_EQ(gpu->draws.size(), 1u);
  EXPECT_EQ(gpu->draws[0].texture, handle);
  EXPECT_EQ(render.current_texture, nullptr);
  render.end_frame();
}

}  // namespace
}  // namespace KOR
