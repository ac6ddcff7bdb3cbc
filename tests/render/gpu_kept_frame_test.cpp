// The kept frame on the recording device: which rectangles a frame reshades
// after which change, and that a reshade draws what touches them.
#include "render/gpu_kept_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"

namespace KOR {
namespace {

using S = KS_RENDER_STATE;

struct POINT {
  int x, y;
};

class KeptFrameTest : public ::testing::Test {
 protected:
  KeptFrameTest()
      : gpu(new GPU_NULL), kept(new GPU_KEPT_FRAME(gpu)), render(std::unique_ptr<GPU>(kept)) {}

  void SetUp() override {
    ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1);
    a = render.create_texture(8, 8);
    b = render.create_texture(8, 8);
  }

  // A textured square in logical screen pixels (which land within a pixel
  // of the same drawable pixels on this 1024 x 768 screen).
  void square(KC_TEXTURE* texture, float x, float y, float side = 50) {
    KS_VERTEX v[4];
    v[0].set_position(0, 0, 0);
    v[1].set_position(side, 0, 0);
    v[2].set_position(side, side, 0);
    v[3].set_position(0, side, 0);
    const uint16_t indices[6] = {0, 1, 2, 2, 3, 0};
    KS_RENDER_STATE s;
    s.set_flag(S::kAlphaBlend, true);
    s.set_flag(S::kTextured, true);
    s.set_flag(S::kScreenMode, true);
    s.set_primitive(S::kTriangles);
    KS_TRANSFORM3 t;
    t.set_position(x, y, 0);
    render.set_world_transform(t);
    render.submit(v, texture, &s, 4, indices, 6);
  }

  // The scene of every case: two squares of their own textures, and a
  // third drawn in one batch with the first.
  void frame(float a_x = 100) {
    ASSERT_EQ(render.begin_frame(), 1);
    square(a, a_x, 100);
    square(a, 600, 500);
    square(b, 400, 300);
    ASSERT_EQ(render.end_frame(), 0);
  }

  static bool covered(const std::vector<GPU_RECT>& rects, POINT p) {
    for (const GPU_RECT& r : rects) {
      if (p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height) return true;
    }
    return false;
  }

  static long long area(const std::vector<GPU_RECT>& rects) {
    long long sum = 0;
    for (const GPU_RECT& r : rects) sum += static_cast<long long>(r.width) * r.height;
    return sum;
  }

  GPU_NULL* gpu;
  GPU_KEPT_FRAME* kept;
  KC_RENDER render;
  KC_TEXTURE* a = nullptr;
  KC_TEXTURE* b = nullptr;
};

TEST_F(KeptFrameTest, EachChangeReshadesWhatItTouchedBeforeAndAfter) {
  const uint8_t white[8 * 8 * 4] = {255};
  struct CASE {
    std::string name;
    std::function<void()> change;  // between two frames
    float a_x;                     // the first square's x then
    std::vector<POINT> dirty;
    std::vector<POINT> clean;
    bool whole;
  };
  const std::vector<CASE> cases = {
      {"unchanged", [] {}, 100, {}, {{125, 125}, {425, 325}, {625, 525}}, false},
      {"moved square",
       [] {},
       300,
       {{125, 125}, {325, 125}},
       {{425, 325}, {625, 525}, {225, 125}},
       false},
      {"re-uploaded texture",
       [&] { render.upload_pixels(b, white); },
       100,
       {{425, 325}},
       {{125, 125}, {625, 525}},
       false},
      {"locked and unlocked texture",
       [this] {
         render.lock_texture(a);
         render.unlock_texture(a);
       },
       100,
       {{125, 125}, {625, 525}},
       {{425, 325}},
       false},
      {"clear colour", [this] { render.clear_color = KS_COLOR(0xFF102030); }, 100, {}, {}, true},
      {"resized window",
       [this] {
         gpu->drawable_width = 1280;
         gpu->drawable_height = 800;
       },
       100,
       {},
       {},
       true},
      {"reset device", [this] { render.reset_device(); }, 100, {}, {}, true},
  };
  for (const CASE& c : cases) {
    SCOPED_TRACE(c.name);
    gpu->drawable_width = 1024;
    gpu->drawable_height = 768;
    render.clear_color = KS_COLOR(0xFF000000);
    frame();
    frame();
    c.change();
    gpu->draws.clear();
    gpu->draw_scissors.clear();
    gpu->calls.clear();
    frame(c.a_x);
    const std::vector<GPU_RECT>& shaded = kept->last_reshaded;
    if (c.whole) {
      ASSERT_EQ(shaded.size(), 1u);
      EXPECT_EQ(shaded[0], (GPU_RECT{0, 0, gpu->drawable_width, gpu->drawable_height}));
      EXPECT_EQ(gpu->draws.size(), 2u);
      continue;
    }
    for (POINT p : c.dirty) EXPECT_TRUE(covered(shaded, p)) << p.x << "," << p.y;
    for (POINT p : c.clean) EXPECT_FALSE(covered(shaded, p)) << p.x << "," << p.y;
    // Only squares' worth of pixels, on tiles.
    EXPECT_LE(area(shaded), 4 * 96 * 96);
    // Every draw reshades under a scissor within the changed rectangles.
    for (const GPU_RECT& scissor : gpu->draw_scissors) {
      EXPECT_NE(std::find(shaded.begin(), shaded.end(), scissor), shaded.end());
    }
    // A frame that changed nothing leaves the window showing the last.
    EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "present_target"),
              c.dirty.empty() ? 0 : 1);
    if (c.dirty.empty()) {
      EXPECT_TRUE(gpu->draws.empty());
    }
  }
}

TEST_F(KeptFrameTest, AFrameIsKeptInAPictureOfTheDrawableSizeAndShownByCopy) {
  frame();
  EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "create_frame_target 1024x768"), 1);
  EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "present"), 0);
  EXPECT_EQ(gpu->bound_target, gpu->back_buffer());
  gpu->drawable_width = 800;
  frame();
  EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "create_frame_target 800x768"), 1);
  EXPECT_EQ(gpu->live_targets, 1);
}

TEST_F(KeptFrameTest, ReadingOrChangingATextureMidFrameDrawsTheFrameSoFarAtOnce) {
  frame();
  frame();
  const uint8_t white[8 * 8 * 4] = {255};
  // A texture no draw of the frame used yet changes nothing.
  ASSERT_EQ(render.begin_frame(), 1);
  square(a, 100, 100);
  render.flush();
  gpu->draws.clear();
  render.upload_pixels(b, white);
  EXPECT_TRUE(gpu->draws.empty());
  // One that was drawn with: the draw sees its old content now.
  render.upload_pixels(a, white);
  EXPECT_EQ(gpu->draws.size(), 1u);
  square(b, 400, 300);
  render.flush();
  EXPECT_EQ(gpu->draws.size(), 2u);
  uint32_t pixel = 0;
  render.get_device()->read_pixels(0, 0, 1, 1, &pixel);
  ASSERT_EQ(render.end_frame(), 0);
  EXPECT_EQ(gpu->draws.size(), 2u);
  EXPECT_EQ(gpu->bound_target, gpu->back_buffer());
}

// A picture composed within the frame, as the board's still layers are:
// composed again, the screen it is laid on is reshaded; kept, nothing is.
TEST_F(KeptFrameTest, APictureComposedAgainInTheFrameIsReshadedWhereItIsLaid) {
  KS_RENDER_TARGET* picture = render.create_screen_target();
  ASSERT_NE(picture, nullptr);
  auto composed_frame = [&](bool compose, float x) {
    ASSERT_EQ(render.begin_frame(), 1);
    if (compose) {
      ASSERT_EQ(render.begin_screen_target(picture), 1);
      square(a, x, 100);
      ASSERT_EQ(render.end_screen_target(), 0);
    }
    render.draw_screen_target(picture);
    square(b, 400, 300);
    ASSERT_EQ(render.end_frame(), 0);
  };
  composed_frame(true, 100);
  composed_frame(false, 100);
  EXPECT_TRUE(kept->last_reshaded.empty());
  composed_frame(true, 300);
  EXPECT_TRUE(covered(kept->last_reshaded, {125, 125}));
  EXPECT_TRUE(covered(kept->last_reshaded, {325, 125}));
  composed_frame(false, 300);
  EXPECT_TRUE(kept->last_reshaded.empty());
  render.release_render_target(picture);
}

// A window that lost its picture shows the kept one again though nothing
// changed, once.
TEST_F(KeptFrameTest, AnExposedWindowIsShownTheKeptFrameAgain) {
  frame();
  frame();
  gpu->calls.clear();
  gpu->draws.clear();
  gpu->exposed = true;
  frame();
  frame();
  EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "present_target"), 1);
  EXPECT_TRUE(gpu->draws.empty()) << "shown, not shaded again";
}

// Where the window can be shown parts of the back buffer, the back buffer
// is the kept picture: no picture of its own and no copies, only what
// changed is shown; after an exposure or a swap, the whole.
TEST_F(KeptFrameTest, WhereTheWindowIsShownPartsTheBackBufferIsTheKeptFrame) {
  gpu->shows_rects = true;
  const std::vector<GPU_RECT> whole = {GPU_RECT{0, 0, 1024, 768}};
  frame();
  ASSERT_EQ(gpu->shown_rects.size(), 1u);
  EXPECT_EQ(gpu->shown_rects.back(), whole);
  frame();
  EXPECT_EQ(gpu->shown_rects.size(), 1u) << "nothing changed, nothing shown";
  frame(300);
  ASSERT_EQ(gpu->shown_rects.size(), 2u);
  EXPECT_EQ(gpu->shown_rects.back(), kept->last_reshaded);
  EXPECT_TRUE(covered(kept->last_reshaded, {325, 125}));
  EXPECT_FALSE(covered(kept->last_reshaded, {425, 325}));
  gpu->exposed = true;
  frame(300);
  ASSERT_EQ(gpu->shown_rects.size(), 3u);
  EXPECT_EQ(gpu->shown_rects.back(), whole);
  // A swap may leave the back buffer holding anything.
  kept->present();
  frame(300);
  ASSERT_EQ(gpu->shown_rects.size(), 4u);
  EXPECT_EQ(kept->last_reshaded, whole);
  EXPECT_EQ(gpu->shown_rects.back(), whole);
  for (const std::string& call : gpu->calls) {
    EXPECT_EQ(call.rfind("create_frame_target", 0), std::string::npos) << call;
    EXPECT_NE(call, "present_target");
  }
  EXPECT_EQ(gpu->bound_target, gpu->back_buffer());
}

TEST_F(KeptFrameTest, TheFullRedrawSwitchReshadesEveryFrameWhole) {
  kept->full_redraw = true;
  frame();
  frame();
  ASSERT_EQ(kept->last_reshaded.size(), 1u);
  EXPECT_EQ(kept->last_reshaded[0], (GPU_RECT{0, 0, 1024, 768}));
  EXPECT_EQ(gpu->draws.size(), 4u);
  EXPECT_EQ(std::count(gpu->calls.begin(), gpu->calls.end(), "present_target"), 2);
}

}  // namespace
}  // namespace KOR
