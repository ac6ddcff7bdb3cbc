#include "platform/KC_WINDOW.h"

#include <gtest/gtest.h>

using KOR::KC_WINDOW;
using KOR::KS_IVECTOR2;

// Without create the window object only computes: the mode's letterbox and
// the pointer mapping need no display.
namespace {

KS_IVECTOR2 mapped(const KC_WINDOW& w, int x, int y) {
  KS_IVECTOR2 out;
  w.client_mouse(KS_IVECTOR2{x, y}, &out);
  return out;
}

}  // namespace

TEST(KC_WINDOW, FullScreenLetterbox) {
  struct CASE {
    int desktop_w, desktop_h, w, h;
    float scale, offset_x, offset_y;
  };
  const CASE cases[] = {
      {1920, 1080, 1024, 768, 1.40625f, 240.0f, 0.0f},
      {1280, 1024, 1024, 768, 1.25f, 0.0f, 32.0f},
      {1024, 768, 1024, 768, 1.0f, 0.0f, 0.0f},
      {1366, 768, 1366, 768, 1.0f, 0.0f, 0.0f},
  };
  for (const CASE& c : cases) {
    KOR::desktop_size = KS_IVECTOR2{c.desktop_w, c.desktop_h};
    KC_WINDOW w;
    KOR::desktop_size = KS_IVECTOR2{c.desktop_w, c.desktop_h};
    w.set_mode(c.w, c.h, true, true);
    EXPECT_FLOAT_EQ(w.picture_scale, c.scale) << c.desktop_w << "x" << c.desktop_h;
    EXPECT_FLOAT_EQ(w.letterbox_offset_x, c.offset_x) << c.desktop_w << "x" << c.desktop_h;
    EXPECT_FLOAT_EQ(w.letterbox_offset_y, c.offset_y) << c.desktop_w << "x" << c.desktop_h;
  }
}

TEST(KC_WINDOW, PointerMapsIntoLogicalPixelsOnlyWhenStretched) {
  KC_WINDOW w;
  KOR::desktop_size = KS_IVECTOR2{1920, 1080};
  w.set_mode(1024, 768, true, true);
  EXPECT_EQ(mapped(w, 960, 540).x, 512);
  EXPECT_EQ(mapped(w, 960, 540).y, 384);
  EXPECT_EQ(mapped(w, 241, 1).x, 0) << "truncated toward zero";

  w.set_mode(1024, 768, true, false);
  EXPECT_EQ(mapped(w, 960, 540).x, 960) << "full screen without the stretch: plain pixels";

  w.set_mode(1024, 768, false, true);
  EXPECT_EQ(mapped(w, 960, 540).x, 960) << "windowed";
  EXPECT_FLOAT_EQ(w.picture_scale, 1.40625f) << "windowed modes keep the last letterbox";
}

TEST(KC_WINDOW, StartsWindowedAtTheLogicalSize) {
  KC_WINDOW w;
  EXPECT_EQ(w.width, 1024);
  EXPECT_EQ(w.height, 768);
  EXPECT_EQ(w.full_screen, 0);
  EXPECT_EQ(w.stretch, 0);
  EXPECT_EQ(w.has_caption, 1);
  EXPECT_EQ(w.has_sizing_border, 0);
  EXPECT_FLOAT_EQ(w.picture_scale, 1.0f);
  EXPECT_EQ(w.get_handle(), nullptr);
}
