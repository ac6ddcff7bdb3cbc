// Draws known quads into a real window and reads the pixels back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/KS_LIGHT.h"
#include "render/gpu_kept_frame.h"
#include "support/images.h"

namespace KOR {
namespace {

using S = KS_RENDER_STATE;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

class DisplayTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { window = host_window_create("render test", 1024, 768); }

  void SetUp() override {
    if (window == nullptr) GTEST_SKIP() << "no display: " << host_error();
    host_window_set_mode(window, HOST_MODE::windowed, 0, 0, 1024, 768);
    render = new KC_RENDER;
    ASSERT_EQ(render->init(window, 0.1f, 0.0f), 1);
    render->clear_color = KS_COLOR(0xFF000000);
  }

  void TearDown() override { delete render; }

  static KS_RENDER_STATE word(bool textured, bool additive = false, bool opaque = false) {
    KS_RENDER_STATE s;
    s.set_flag(opaque ? S::kOpaque : S::kAlphaBlend, true);
    s.set_flag(S::kAdditive, additive);
    s.set_flag(S::kTextured, textured);
    s.set_primitive(S::kTriangles);
    s.set_flag(S::kScreenMode, true);
    return s;
  }

  // A logical rectangle in one colour with texture coordinates 0..1.
  void rect(float x, float y, float w, float h, uint32_t argb, KC_TEXTURE* texture,
            KS_RENDER_STATE state) {
    KS_VERTEX v[4];
    v[0].set_position(x, y, 0);
    v[1].set_position(x + w, y, 0);
    v[2].set_position(x + w, y + h, 0);
    v[3].set_position(x, y + h, 0);
    v[1].set_uv(1, 0);
    v[2].set_uv(1, 1);
    v[3].set_uv(0, 1);
    for (KS_VERTEX& vertex : v) vertex.set_color(argb);
    const uint16_t indices[6] = {0, 1, 2, 2, 3, 0};
    render->world.set_identity();
    render->submit(v, texture, &state, 4, indices, 6);
  }

  // The colour (no alpha) at a drawable pixel, after drawing what is batched.
  uint32_t pixel(int x, int y) {
    render->flush();
    uint32_t p = 0;
    EXPECT_TRUE(render->get_device()->read_pixels(x, y, 1, 1, &p));
    return p & 0xFFFFFF;
  }

  static bool near(uint32_t a, uint32_t b, int tolerance = 2) {
    for (int shift = 0; shift < 24; shift += 8) {
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
          tolerance) {
        return false;
      }
    }
    return true;
  }

  static KS_HOST_WINDOW* window;
  KC_RENDER* render = nullptr;
};

KS_HOST_WINDOW* DisplayTest::window = nullptr;

TEST_F(DisplayTest, OpaqueBlendedAndAdditiveQuadsMixAsTheirWordsSay) {
  ASSERT_EQ(render->begin_frame(), 1);
  EXPECT_EQ(pixel(5, 5), 0u);
  rect(100, 100, 100, 100, 0xFFFF0000, nullptr, word(false, false, true));
  rect(300, 100, 100, 100, 0xFF0000FF, nullptr, word(false));
  rect(300, 100, 100, 100, 0x80FFFFFF, nullptr, word(false));
  rect(500, 100, 100, 100, 0xFFFF0000, nullptr, word(false));
  rect(500, 100, 100, 100, 0xFF00FF00, nullptr, word(false, true));
  rect(700, 100, 100, 100, 0x40FF0000, nullptr, word(false, false, true));
  EXPECT_EQ(pixel(150, 150), kRed);
  EXPECT_TRUE(near(pixel(350, 150), 0x7F7FFF)) << std::hex << pixel(350, 150);
  EXPECT_EQ(pixel(550, 150), kRed | kGreen);
  // With blending off the alpha does not matter.
  EXPECT_EQ(pixel(750, 150), kRed);
  render->end_frame();
}

TEST_F(DisplayTest, LogicalPositionsLandOnTheirPixels) {
  ASSERT_EQ(render->begin_frame(), 1);
  // The visible area runs from 0 to width + 1 and height + 1.
  rect(0, 0, 1025, 769, 0xFF0000FF, nullptr, word(false));
  rect(300, 400, 40, 20, 0xFFFF0000, nullptr, word(false));
  EXPECT_EQ(pixel(0, 0), kBlue);
  EXPECT_EQ(pixel(1023, 767), kBlue);
  // Logical x lands at x × 1024 / 1025 pixels.
  EXPECT_EQ(pixel(297, 410), kBlue);
  EXPECT_EQ(pixel(301, 410), kRed);
  EXPECT_EQ(pixel(337, 410), kRed);
  EXPECT_EQ(pixel(341, 410), kBlue);
  EXPECT_EQ(pixel(320, 397), kBlue);
  EXPECT_EQ(pixel(320, 401), kRed);
  EXPECT_EQ(pixel(320, 418), kRed);
  EXPECT_EQ(pixel(320, 421), kBlue);
  render->end_frame();
}

TEST_F(DisplayTest, TexturesFromPngBytesAreSampledAndTinted) {
  const std::vector<uint32_t> quarters = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  const std::vector<unsigned char> png = test_support::encode_png(2, 2, quarters);
  KC_TEXTURE* texture = render->load_texture_memory(png.data(), png.size());
  ASSERT_NE(texture, render->default_texture);
  KC_TEXTURE* made = render->create_texture(1, 1);
  const uint32_t white = 0xFFFFFFFF;
  ASSERT_TRUE(made->upload_pixels(&white));

  ASSERT_EQ(render->begin_frame(), 1);
  rect(100, 100, 200, 200, 0xFFFFFFFF, texture, word(true));
  rect(400, 100, 100, 100, 0xFF00FF00, made, word(true));
  rect(600, 100, 100, 100, 0xFFFF00FF, texture, word(false));  // not textured: colour only
  // One batch, white vertices first and tinted ones after: each keeps its own.
  rect(100, 400, 100, 100, 0xFFFFFFFF, made, word(true));
  rect(250, 400, 100, 100, 0xFF0000FF, made, word(true));
  EXPECT_EQ(pixel(150, 450), 0xFFFFFFu);
  EXPECT_EQ(pixel(300, 450), kBlue);
  EXPECT_EQ(pixel(150, 150), kRed);
  EXPECT_EQ(pixel(250, 150), kGreen);
  EXPECT_EQ(pixel(150, 250), kBlue);
  EXPECT_EQ(pixel(250, 250), 0xFFFFFFu);
  EXPECT_EQ(pixel(450, 150), kGreen);
  EXPECT_EQ(pixel(650, 150), kRed | kBlue);
  render->end_frame();
}

TEST_F(DisplayTest, AStretchedPictureKeepsItsShapeBetweenBlackBars) {
  int desktop_w = 0, desktop_h = 0;
  ASSERT_TRUE(host_desktop_size(&desktop_w, &desktop_h));
  // A window of the desktop's size stands in for full screen, which needs a
  // window manager that the test display does not run.
  host_window_set_mode(window, HOST_MODE::windowed, 0, 0, desktop_w, desktop_h);
  render->set_video_mode(1024, 768, true, true);
  ASSERT_EQ(render->picture_size.x, desktop_w) << render->picture_size.y;
  ASSERT_EQ(render->picture_size.y, desktop_h);
  const float scale = std::min(desktop_w / 1024.0f, desktop_h / 768.0f);
  const int left = static_cast<int>((desktop_w - scale * 1024) / 2);
  const int top = static_cast<int>((desktop_h - scale * 768) / 2);
  // The window system resizes the drawable in its own time: let a frame
  // and the event queue go by first.
  ASSERT_EQ(render->begin_frame(), 1);
  render->end_frame();
  KS_HOST_EVENT event;
  while (host_poll_event(&event)) {
  }

  ASSERT_EQ(render->begin_frame(), 1);
  rect(0, 0, 1025, 769, 0xFFFF0000, nullptr, word(false));
  rect(512, 384, 513, 385, 0xFF00FF00, nullptr, word(false));
  EXPECT_EQ(pixel(left + 3, top + 3), kRed);
  EXPECT_EQ(pixel(desktop_w / 2 + 3, desktop_h / 2 + 3), kGreen);
  EXPECT_EQ(pixel(desktop_w / 2 - 3, desktop_h / 2 - 3), kRed);
  if (left > 3) {
    EXPECT_EQ(pixel(left - 3, desktop_h / 2), 0u);
  }
  if (top > 3) {
    EXPECT_EQ(pixel(desktop_w / 2, top - 3), 0u);
  }
  render->end_frame();
}

TEST_F(DisplayTest, ALostDeviceIsResetAndDrawsAgain) {
  render->get_device()->simulate_loss();
  EXPECT_EQ(render->begin_frame(), -1);
  EXPECT_EQ(render->begin_frame(), -110);
  ASSERT_EQ(render->begin_frame(), 1);
  rect(100, 100, 100, 100, 0xFF00FF00, nullptr, word(false));
  EXPECT_EQ(pixel(150, 150), kGreen);
  render->end_frame();
}

TEST_F(DisplayTest, ATargetTextureHoldsWhatWasDrawnIntoIt) {
  KS_RENDER_TARGET* target = render->create_render_target(64, 64);
  ASSERT_NE(target->target_surface, nullptr);
  ASSERT_EQ(render->begin_target(target), 1);
  rect(0, 0, 64, 32, 0xFFFF0000, nullptr, word(false));
  rect(0, 32, 64, 32, 0xFF0000FF, nullptr, word(false));
  ASSERT_EQ(render->end_target(), 0);

  KC_TEXTURE view;
  view.texture = target->target_texture;
  view.image_size = KS_IVECTOR2(64, 64);
  ASSERT_EQ(render->begin_frame(), 1);
  rect(100, 100, 200, 200, 0xFFFFFFFF, &view, word(true));
  EXPECT_EQ(pixel(200, 130), kRed);
  EXPECT_EQ(pixel(200, 270), kBlue);
  render->end_frame();
  render->release_render_target(target);
}

// The picture has no depth or stencil planes, which none of this drawing
// tests: laid down, it gives the back buffer's own pixels.
TEST_F(DisplayTest, AScreenTargetWithoutDepthOrStencilHoldsWhatTheBackBufferWould) {
  const std::vector<uint32_t> quarters = {0xFFFF0000, 0x8000FF00, 0x400000FF, 0xFFFFFFFF};
  const std::vector<unsigned char> png = test_support::encode_png(2, 2, quarters);
  KC_TEXTURE* texture = render->load_texture_memory(png.data(), png.size());
  ASSERT_NE(texture, render->default_texture);
  const auto scene = [&] {
    rect(100, 100, 300, 200, 0xFFFF8000, nullptr, word(false, false, true));
    rect(150, 150, 300, 300, 0xFFFFFFFF, texture, word(true));
    rect(200, 120, 250, 250, 0x9020A0FF, texture, word(true));
    rect(300, 300, 200, 200, 0xFF00FF00, nullptr, word(false, true));
  };
  const auto frame = [&] {
    std::vector<uint32_t> out(600 * 600);
    EXPECT_TRUE(render->get_device()->read_pixels(0, 0, 600, 600, out.data()));
    render->end_frame();
    return out;
  };
  ASSERT_EQ(render->begin_frame(), 1);
  scene();
  render->flush();
  const std::vector<uint32_t> direct = frame();

  KS_RENDER_TARGET* target = render->create_screen_target();
  ASSERT_NE(target->target_surface, nullptr);
  EXPECT_FALSE(target->target_surface->depth_stencil);
  ASSERT_EQ(render->begin_frame(), 1);
  ASSERT_EQ(render->begin_screen_target(target), 1);
  scene();
  ASSERT_EQ(render->end_screen_target(), 0);
  render->draw_screen_target(target);
  render->flush();
  EXPECT_EQ(frame(), direct);
  render->release_render_target(target);
}

TEST_F(DisplayTest, AMaskKeepsLaterDrawingInsideIt) {
  ASSERT_EQ(render->begin_frame(), 1);
  render->begin_mask();
  rect(200, 200, 100, 100, 0x00000000, nullptr, word(false));  // stencil only
  render->next_mask_level();
  rect(0, 0, 1025, 769, 0xFFFF0000, nullptr, word(false));
  render->end_mask();
  EXPECT_EQ(pixel(250, 250), kRed);
  EXPECT_EQ(pixel(150, 150), 0u);
  render->end_frame();
}

TEST_F(DisplayTest, LightingShadesByTheNormalFacingTheLight) {
  KS_LIGHT light;
  light.type = 3;
  light.direction[2] = -1;  // towards the viewer, once the screen turns z around
  light.diffuse[0] = 1.0f;
  light.diffuse[1] = 0.5f;
  light.diffuse[2] = 0.0f;
  render->set_light(0, light);
  render->enable_light(0, true);
  KS_RENDER_STATE lit = word(false);
  lit.set_flag(S::kLighting, true);

  ASSERT_EQ(render->begin_frame(), 1);
  KS_VERTEX v[8];
  const float corners[4][2] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  for (int i = 0; i < 8; ++i) {
    const float x = corners[i % 4][0] + (i < 4 ? 100 : 300);
    v[i].set_position(x, corners[i % 4][1] + 100, 0);
    v[i].normal = KS_VECTOR3(0, 0, i < 4 ? -1.0f : 1.0f);
  }
  const uint16_t indices[12] = {0, 1, 2, 2, 3, 0, 4, 5, 6, 6, 7, 4};
  render->world.set_identity();
  render->submit(v, nullptr, &lit, 8, indices, 12);
  EXPECT_TRUE(near(pixel(150, 150), 0xFF7F00)) << std::hex << pixel(150, 150);
  EXPECT_EQ(pixel(350, 150), 0u);
  render->end_frame();
}

// Screens are 1024 × 768 pixels; logical 0..1025 × 0..769 covers them.
TEST_F(DisplayTest, ShadedSamplesCountWhatEachDrawCoversButNotClears) {
  GPU* device = render->get_device();
  constexpr uint64_t kScreen = 1024 * 768;
  const auto full = [this](uint32_t argb) { rect(0, 0, 1025, 769, argb, nullptr, word(false)); };
  struct CASE {
    const char* what;
    std::function<void()> draw;
    uint64_t samples;
  };
  const std::vector<CASE> cases = {
      {"only the clear", [] {}, 0},
      {"one opaque screen", [&] { full(0xFFFF0000); }, kScreen},
      {"a blended screen over another",
       [&] {
         full(0xFFFF0000);
         full(0x80FFFFFF);
       },
       2 * kScreen},
      {"a quad half off the right edge",
       [&] { rect(512.5f, 0, 1025, 769, 0xFF00FF00, nullptr, word(false)); }, kScreen / 2},
      {"a quad wholly off screen",
       [&] { rect(-400, -400, 200, 200, 0xFF00FF00, nullptr, word(false)); }, 0},
  };
  device->count_shaded(true);
  for (const CASE& c : cases) {
    const uint64_t before = device->shaded_samples();
    ASSERT_EQ(render->begin_frame(), 1);
    c.draw();
    render->end_frame();
    EXPECT_EQ(device->shaded_samples() - before, c.samples) << c.what;
  }

  // Drawing into a texture is shading too.
  KS_RENDER_TARGET* target = render->create_render_target(64, 64);
  ASSERT_NE(target->target_surface, nullptr);
  uint64_t before = device->shaded_samples();
  ASSERT_EQ(render->begin_target(target), 1);
  rect(0, 0, 64, 32, 0xFFFF0000, nullptr, word(false));
  ASSERT_EQ(render->end_target(), 0);
  EXPECT_EQ(device->shaded_samples() - before, 64u * 32u);
  render->release_render_target(target);

  // Once counting stops the total stands.
  device->count_shaded(false);
  before = device->shaded_samples();
  ASSERT_EQ(render->begin_frame(), 1);
  full(0xFFFF0000);
  render->end_frame();
  EXPECT_EQ(device->shaded_samples(), before);
}

struct SPARK {
  KS_VECTOR3 position;
  float size = 16;
  KS_COLOR color;
  SPARK* next = nullptr;
};

TEST_F(DisplayTest, PointSpritesCoverTheirSizeWithTheirTexture) {
  const std::vector<uint32_t> halves = {0xFFFFFFFF, 0xFFFF0000};  // white left, red right
  const std::vector<unsigned char> png = test_support::encode_png(2, 1, halves);
  KC_TEXTURE* texture = render->load_texture_memory(png.data(), png.size());
  SPARK spark;
  spark.position = KS_VECTOR3(400, 300, 0);
  spark.color = KS_COLOR(0xFF00FFFF);
  KS_RENDER_STATE sprites;
  sprites.set_flag(S::kAlphaBlend, true);
  sprites.set_flag(S::kTextured, true);
  sprites.set_primitive(S::kPointSprites);
  sprites.set_flag(S::kScreenMode, true);

  ASSERT_EQ(render->begin_frame(), 1);
  render->world.set_identity();
  render->draw_point_sprites(&spark, texture, sprites);
  const int cx = 400 * 1024 / 1025, cy = 300 * 768 / 769;
  EXPECT_EQ(pixel(cx - 4, cy), kGreen | kBlue);
  EXPECT_EQ(pixel(cx + 4, cy), 0u);  // red × cyan
  EXPECT_EQ(pixel(cx - 4, cy - 6), kGreen | kBlue);
  EXPECT_EQ(pixel(cx - 12, cy), 0u);
  render->end_frame();
}

// The kept picture has a stencil alone, no depth: a clip cuts it as it cuts
// the back buffer.
TEST_F(DisplayTest, AClipCutsTheKeptPictureAsItCutsTheBackBuffer) {
  auto frame = [&] {
    EXPECT_EQ(render->begin_frame(), 1);
    render->begin_clip({KS_SCREEN_RECT{100, 100, 200, 150}, KS_SCREEN_RECT{180, 120, 300, 300}});
    rect(0, 0, 1024, 768, 0xC0FF0000, nullptr, word(false));
    render->end_clip();
    rect(250, 250, 100, 100, 0x8000FF00, nullptr, word(false));
    EXPECT_EQ(render->end_frame(), 0);
    std::vector<uint32_t> pixels(400 * 400);
    EXPECT_TRUE(render->get_device()->read_pixels(0, 0, 400, 400, pixels.data()));
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
  };
  const std::vector<uint32_t> back_buffer = frame();
  EXPECT_EQ(back_buffer[120 * 400 + 150], 0xC00000u) << "inside the first rectangle";
  EXPECT_EQ(back_buffer[50 * 400 + 50], 0u) << "outside both";
  delete render;
  KC_RENDER::keep_frames = true;
  render = new KC_RENDER;
  const int started = render->init(window, 0.1f, 0.0f);
  KC_RENDER::keep_frames = false;
  ASSERT_EQ(started, 1);
  ASSERT_NE(render->kept_frame, nullptr);
  render->clear_color = KS_COLOR(0xFF000000);
  EXPECT_EQ(frame(), back_buffer);
}

// Only the rectangles a change touched are shaded again, and the kept
// picture shown is the one shading the whole frame gives: blended, added,
// and filtered pictures cut by the rectangle's edges.
TEST_F(DisplayTest, AFrameReshadedWhereItChangedIsTheFrameShadedWhole) {
  delete render;
  const bool keep_frames = std::exchange(KC_RENDER::keep_frames, true);
  render = new KC_RENDER;
  const int started = render->init(window, 0.1f, 0.0f);
  KC_RENDER::keep_frames = keep_frames;
  ASSERT_EQ(started, 1);
  ASSERT_NE(render->kept_frame, nullptr);
  KC_TEXTURE* texture = render->create_texture(64, 64);
  std::vector<uint32_t> texels(64 * 64);
  uint32_t seed = 12345;
  for (uint32_t& t : texels) {
    seed = seed * 1103515245u + 12345u;
    t = seed;
  }
  render->upload_pixels(texture, texels.data());
  KS_RENDER_STATE linear = word(true);
  linear.set_filter(2);
  auto frame = [&](bool full, float moved) {
    render->set_full_redraw(full);
    EXPECT_EQ(render->begin_frame(), 1);
    rect(100, 100, 300, 300, 0xFF8040C0, nullptr, word(false));
    rect(150, 150, 300, 300, 0x80C08040, nullptr, word(false));
    rect(200, 200, 300, 300, 0x33408040, nullptr, word(false, true));
    rect(33.3f, 421.7f, 411.2f, 207.9f, 0xC0FFFFFF, texture, linear);
    rect(533.3f, 421.7f, 411.2f, 207.9f, 0xFFFFFFFF, texture, linear);
    rect(633.3f, 21.7f, 311.2f, 307.9f, 0xFF80FF40, texture, word(true));
    rect(moved, 380.5f, 90.5f, 90.5f, 0x9020A0FF, nullptr, word(false));
    EXPECT_EQ(render->end_frame(), 0);
    std::vector<uint32_t> pixels(1024 * 768);
    EXPECT_TRUE(render->get_device()->read_pixels(0, 0, 1024, 768, pixels.data()));
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
  };
  for (const float moved : {250.5f, 420.25f, 600.75f}) {
    frame(false, 100.0f);
    const std::vector<uint32_t> changed = frame(false, moved);
    EXPECT_LT(render->kept_frame->last_reshaded.size(), 3u);
    const std::vector<uint32_t> whole = frame(true, moved);
    int differing = 0;
    for (size_t i = 0; i < whole.size(); ++i) {
      if (whole[i] != changed[i] && differing++ == 0) {
        ADD_FAILURE() << "at " << i % 1024 << ", " << i / 1024 << std::hex << ": " << whole[i]
                      << " whole, " << changed[i] << " reshaded";
      }
    }
    EXPECT_EQ(differing, 0) << moved;
  }
}

}  // namespace
}  // namespace KOR
