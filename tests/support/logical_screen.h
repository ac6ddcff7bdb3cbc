#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/gpu.h"

namespace test_support {

// A real window the size of one logical screen, with the game's renderer on
// it made the engine's: what the game draws for that screen lands on it
// pixel for pixel and can be read back.
class LOGICAL_SCREEN {
 public:
  LOGICAL_SCREEN() = default;
  LOGICAL_SCREEN(const LOGICAL_SCREEN&) = delete;
  LOGICAL_SCREEN& operator=(const LOGICAL_SCREEN&) = delete;
  ~LOGICAL_SCREEN() {
    KOR::engine_game = nullptr;
    KOR::KC_RENDER::instance = nullptr;
    delete render;
    if (window) KOR::host_window_destroy(window);
  }

  // False when there is no display (host_error says why); a renderer that
  // does not start is a test failure and leaves `render` null.
  bool open(const char* title, int width, int height, uint32_t clear_argb) {
    // A window of the screen's size from its start: its back buffer has it.
    window = KOR::host_window_create(title, width, height);
    if (window == nullptr) return false;
    render = new KOR::KC_RENDER;
    if (render->init(window, 0.1f, 0.0f) != 1) {
      ADD_FAILURE() << "the renderer did not start";
      delete render;
      render = nullptr;
      return true;
    }
    render->set_video_mode(width, height, false, false);
    render->clear_color = KOR::KS_COLOR(clear_argb);
    KOR::KC_RENDER::instance = render;
    game.resolution = KOR::KS_IVECTOR2(width, height);
    KOR::engine_game = &game;
    KOR::auto_position_set_screen(width, height);
    width_ = width;
    height_ = height;
    return true;
  }

  // The frame drawn since begin_frame, as opaque 0xFFRRGGBB pixels, top row
  // first; the frame ends. Empty when it could not be read.
  std::vector<uint32_t> end_frame() {
    render->flush();
    std::vector<uint32_t> pixels(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    const bool read = render->get_device()->read_pixels(0, 0, width_, height_, pixels.data());
    render->end_frame();
    if (!read) return {};
    for (uint32_t& p : pixels) p |= 0xFF000000u;
    return pixels;
  }

  KOR::KS_HOST_WINDOW* window = nullptr;
  KOR::KC_RENDER* render = nullptr;
  KOR::KC_GAME game;

 private:
  int width_ = 0;
  int height_ = 0;
};

}  // namespace test_support
