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

TEST(KC_WINDOW, PointerMapsBackThroughTheLetterboxOfTheGrantedArea) {
  KC_WINDOW w;
  KOR::desktop_size = KS_IVECTOR2{1920, 1080};
  w.set_mode(1024, 768, true, true);
  EXPECT_EQ(mapped(w, 960, 540).x, 512);
  EXPECT_EQ(mapped(w, 960, 540).y, 384);
  EXPECT_EQ(mapped(w, 241, 1).x, 0) << "truncated toward zero";
  w.set_mode(1024, 768, true, false);
  EXPECT_EQ(mapped(w, 960, 540).x, 512) << "full screen is the desktop, stretched or not";

  w.set_mode(1024, 768, false, true);
  EXPECT_EQ(mapped(w, 960, 540).x, 960) << "a window of the picture's own size";
  EXPECT_FLOAT_EQ(w.picture_scale, 1.0f);

  // Areas other than asked: a window scaled down to fit a small desktop,
  // and a full screen asked at 1366 that was never granted.
  w.client_size = KS_IVECTOR2{772, 579};
  w.update_letterbox();
  EXPECT_FLOAT_EQ(w.picture_scale, 579.0f / 768.0f);
  EXPECT_EQ(mapped(w, 771, 578).x, 1022);
  EXPECT_EQ(mapped(w, 771, 578).y, 766);
  w.set_mode(1366, 768, true, true);
  w.client_size = KS_IVECTOR2{1024, 768};
  w.update_letterbox();
  EXPECT_FLOAT_EQ(w.letterbox_offset_x, 0.0f);
  EXPECT_NEAR(w.letterbox_offset_y, 96.1f, 0.05f);
  EXPECT_EQ(mapped(w, 512, 384).x, 683);
  EXPECT_EQ(mapped(w, 512, 384).y, 384);
}

TEST(KC_WINDOW, AWindowFitsTheUsableAreaWithItsFrame) {
  struct CASE {
    const char* what;
    int usable[4];
    int frame[4];
    KOR::KS_WINDOW_PLACE place;
  };
  const CASE cases[] = {
      {"room to spare: own size, centred",
       {0, 0, 1920, 1080},
       {1, 20, 1, 1},
       {448, 165, 1024, 768}},
      {"a title bar too tall for 768", {0, 0, 1366, 768}, {1, 20, 1, 1}, {185, 20, 996, 747}},
      {"no window manager on 800 x 600", {0, 0, 800, 600}, {0, 0, 0, 0}, {0, 0, 800, 600}},
      {"a frame on 800 x 600", {0, 0, 800, 600}, {1, 20, 1, 1}, {14, 20, 772, 579}},
      {"below a panel", {0, 30, 1366, 738}, {0, 0, 0, 0}, {191, 30, 984, 738}},
  };
  for (const CASE& c : cases) {
    const KOR::KS_WINDOW_PLACE p = KOR::window_place(1024, 768, c.usable, c.frame);
    EXPECT_EQ(p.x, c.place.x) << c.what;
    EXPECT_EQ(p.y, c.place.y) << c.what;
    EXPECT_EQ(p.width, c.place.width) << c.what;
    EXPECT_EQ(p.height, c.place.height) << c.what;
  }
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
