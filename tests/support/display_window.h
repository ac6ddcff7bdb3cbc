#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"

namespace primitives_test {

// A real 1024 x 768 window with the OpenGL renderer, a black frame open,
// and pixels read back from what was drawn.
class DisplayWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { window = KOR::host_window_create("primitives", 1024, 768); }

  void SetUp() override {
    if (window == nullptr) GTEST_SKIP() << "no display: " << KOR::host_error();
    KOR::host_window_set_mode(window, KOR::HOST_MODE::windowed, 0, 0, 1024, 768);
    render = new KOR::KC_RENDER;
    ASSERT_EQ(render->init(window, 0.1f, 0.0f), 1);
    render->clear_color = KOR::KS_COLOR(0xFF000000);
    ASSERT_EQ(render->begin_frame(), 1);
  }

  void TearDown() override {
    if (render == nullptr) return;
    render->end_frame();
    delete render;
  }

  KOR::KC_TEXTURE* texture_from_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    return render->load_texture_memory(bytes.data(), bytes.size());
  }

  // The colour (no alpha) under a logical point, after drawing the batch.
  // Logical x lands at x × 1024 / 1025 pixels, so points are kept a few
  // pixels away from every edge.
  uint32_t pixel(int x, int y) {
    render->flush();
    uint32_t p = 0;
    EXPECT_TRUE(render->get_device()->read_pixels(x, y, 1, 1, &p));
    return p & 0xFFFFFFu;
  }

  static KOR::KS_HOST_WINDOW* window;
  KOR::KC_RENDER* render = nullptr;
};

inline KOR::KS_HOST_WINDOW* DisplayWindow::window = nullptr;

}  // namespace primitives_test
