#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "e2e_game.h"
#include "foundation/screen_layout.h"
#include "game_process.h"
#include "own_desktop.h"
#include "support/temp_folder.h"

// Last: Xlib's macros (None, Success, Status) would clash with names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

namespace fs = std::filesystem;
using e2e::DESKTOP;
using e2e::GAME_PROCESS;
using test_support::TempFolder;

constexpr auto kPatience = std::chrono::minutes(3);

struct AREA {
  int x = 0, y = 0, width = 0, height = 0;
};

// The client area of the window on the desktop.
AREA client_area(Display* display, Window window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  AREA area;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &area.x, &area.y,
                        &child);
  area.width = attributes.width;
  area.height = attributes.height;
  return area;
}

struct RGB {
  int r = 0, g = 0, b = 0;
};

// What shows on the desktop.
class SCREEN_SHOT {
 public:
  explicit SCREEN_SHOT(Display* display) {
    XWindowAttributes root{};
    XGetWindowAttributes(display, DefaultRootWindow(display), &root);
    image_ = XGetImage(display, DefaultRootWindow(display), 0, 0, unsigned(root.width),
                       unsigned(root.height), AllPlanes, ZPixmap);
  }
  ~SCREEN_SHOT() {
    if (image_ != nullptr) XDestroyImage(image_);
  }
  SCREEN_SHOT(const SCREEN_SHOT&) = delete;
  SCREEN_SHOT& operator=(const SCREEN_SHOT&) = delete;

  RGB at(int x, int y) const {
    if (image_ == nullptr || x < 0 || y < 0 || x >= image_->width || y >= image_->height) return {};
    const unsigned long p = XGetPixel(image_, x, y);
    return RGB{int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)};
  }

 private:
  XImage* image_ = nullptr;
};

bool black(const RGB& c) { return c.r < 8 && c.g < 8 && c.b < 8; }
// The title's water and sky, all round the picture's edges.
bool background_blue(const RGB& c) { return c.b > 60 && c.b > c.r + 20; }
// The options window's paper.
bool paper(const RGB& c) { return c.r > 220 && c.g > 200 && c.b > 160 && c.r > c.b + 15; }

// Where the logical picture lies in the client area, by the layout the
// area's shape holds.
struct PICTURE {
  int layout_width = 0;
  float scale = 1, left = 0, top = 0;
  int x(float logical) const { return int(left + logical * scale); }
  int y(float logical) const { return int(top + logical * scale); }
};

PICTURE picture_in(const AREA& client) {
  PICTURE p;
  p.layout_width = KOR::screen_layout_width_for(client.width, client.height);
  p.scale = std::min(float(client.width) / float(p.layout_width),
                     float(client.height) / float(KOR::kScreenHeight));
  p.left = (float(client.width) - p.scale * float(p.layout_width)) / 2;
  p.top = (float(client.height) - p.scale * float(KOR::kScreenHeight)) / 2;
  return p;
}

// As a hand does it: the pointer moves in and comes to rest, then the
// button goes down and up, each seen by its own frame of the game.
void click(Display* display, int x, int y) {
  const auto frame = std::chrono::milliseconds(100);
  XTestFakeMotionEvent(display, -1, x + 4, y + 4, CurrentTime);
  XFlush(display);
  std::this_thread::sleep_for(frame);
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  XFlush(display);
  std::this_thread::sleep_for(frame);
  XTestFakeButtonEvent(display, 1, True, CurrentTime);
  XFlush(display);
  std::this_thread::sleep_for(frame);
  XTestFakeButtonEvent(display, 1, False, CurrentTime);
  XFlush(display);
}

struct FIT_CASE {
  int width, height;
  bool window_manager;
  bool full_screen;
};

void PrintTo(const FIT_CASE& c, std::ostream* out) {
  *out << c.width << "x" << c.height << (c.window_manager ? " openbox" : " no manager")
       << (c.full_screen ? " full screen" : " windowed");
}

class screen_fit_e2e : public testing::TestWithParam<FIT_CASE> {};

// On a desktop of every common size, with full screen on or off and with a
// window manager or none, the game's window lies inside the desktop's usable
// area, its picture is whole and centred with its background at every edge,
// and a click just inside a button's drawn top edge presses that button.
TEST_P(screen_fit_e2e, TheWindowFitsThePictureIsWholeAndClicksLandOnWhatIsDrawn) {
  const FIT_CASE& c = GetParam();
  XSetErrorHandler(&e2e::ignore_x_error);
  DESKTOP desktop(c.width, c.height, c.window_manager);
  Display* display = desktop.display();
  ASSERT_NE(display, nullptr) << "no X server of our own (Xvfb)";
  ASSERT_EQ(desktop.manager_runs(), c.window_manager) << "openbox";

  TempFolder user_root("aquavex-fit");
  const fs::path folder = user_root.path() / "Korvane" / "Aquavex";
  e2e::write_players(folder, "Ada", {{"Ada", c.full_screen, false}});
  const fs::path error_file = user_root.path() / "stderr.txt";
  GAME_PROCESS game(user_root.path(), error_file, {"WAYLAND_DISPLAY"},
                    {"DISPLAY=" + desktop.name()});
  ASSERT_TRUE(game.started());
  const Window window = e2e::wait_for_window(display, game);
  ASSERT_NE(window, 0u) << "no game window; the game said:\n" << e2e::file_text(error_file);

  // Click Options 3 pixels inside its drawn top edge until its window opens:
  // the first clicks may fall on the loader's splashes.
  constexpr float kOptionsTop = 426, kOptionsLeftOfCentre = 100, kPaperLeftOfCentre = 200;
  constexpr float kPaperY = 480;
  AREA client;
  PICTURE picture;
  bool opened = false;
  const auto give_up = std::chrono::steady_clock::now() + kPatience;
  while (!opened && std::chrono::steady_clock::now() < give_up) {
    int status = 0;
    ASSERT_FALSE(game.ended(&status)) << "the game said:\n" << e2e::file_text(error_file);
    client = client_area(display, window);
    picture = picture_in(client);
    const float centre = float(picture.layout_width) / 2;
    click(display, client.x + picture.x(centre - kOptionsLeftOfCentre),
          client.y + picture.y(kOptionsTop + 3));
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const SCREEN_SHOT shot(display);
    opened = paper(
        shot.at(client.x + picture.x(centre - kPaperLeftOfCentre), client.y + picture.y(kPaperY)));
  }
  ASSERT_TRUE(opened) << "a click inside Options' top edge never opened the options";
  // A window manager grants full screen in its own time; what counts is what
  // the window has once it did. A desktop no wider than the window asked
  // holds the windowed one at the same width, framed: the whole desktop
  // tells the grant.
  const auto covers_desktop = [&] {
    return client.x == 0 && client.y == 0 && client.width == c.width && client.height == c.height;
  };
  while (c.full_screen && !covers_desktop() && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    client = client_area(display, window);
  }
  picture = picture_in(client);

  // Inside the usable area, frame and all.
  long frame[4] = {0, 0, 0, 0};
  if (const auto extents = desktop.longs(window, "_NET_FRAME_EXTENTS", 4)) {
    std::copy(extents.get(), extents.get() + 4, frame);
  }
  AREA usable{0, 0, c.width, c.height};
  if (const auto area = desktop.longs(DefaultRootWindow(display), "_NET_WORKAREA", 4)) {
    usable = AREA{int(area.get()[0]), int(area.get()[1]), int(area.get()[2]), int(area.get()[3])};
  }
  EXPECT_GE(client.x - frame[0], usable.x);
  EXPECT_GE(client.y - frame[2], usable.y);
  EXPECT_LE(client.x + client.width + frame[1], usable.x + usable.width);
  EXPECT_LE(client.y + client.height + frame[3], usable.y + usable.height);
  if (c.full_screen) {
    EXPECT_EQ(client.width, c.width) << "full screen covers the desktop";
    EXPECT_EQ(client.height, c.height);
  }
  const bool wide = c.full_screen && KOR::screen_is_wide(c.width, c.height);
  EXPECT_EQ(picture.layout_width, wide ? KOR::kWideScreenWidth : KOR::kNarrowScreenWidth);

  // Close the options again, then look at the title's edges: the background
  // reaches every edge of the picture, and bars beside it are black and even.
  const float centre = float(picture.layout_width) / 2;
  click(display, client.x + picture.x(centre + 100), client.y + picture.y(598));
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const SCREEN_SHOT shot(display);
  const int mid_x = client.x + picture.x(centre + 300);
  const int mid_y = client.y + picture.y(300);
  const int left = client.x + picture.x(0), right = client.x + picture.x(picture.layout_width) - 1;
  const int top = client.y + picture.y(0), bottom = client.y + picture.y(KOR::kScreenHeight) - 1;
  for (const auto& [x, y, what] : {std::tuple{left + 1, mid_y, "left"},
                                   {right - 1, mid_y, "right"},
                                   {mid_x, top + 1, "top"},
                                   {mid_x, bottom - 1, "bottom"}}) {
    const RGB seen = shot.at(x, y);
    EXPECT_TRUE(background_blue(seen)) << "the picture's " << what << " edge at " << x << "," << y
                                       << " shows " << seen.r << " " << seen.g << " " << seen.b;
  }
  EXPECT_NEAR(picture.left,
              float(client.width) - picture.left - picture.scale * picture.layout_width, 1.0f);
  if (picture.left >= 3) {
    EXPECT_TRUE(black(shot.at(left - 2, mid_y))) << "bar left of the picture";
    EXPECT_TRUE(black(shot.at(right + 2, mid_y))) << "bar right of the picture";
  }
  if (picture.top >= 3) {
    EXPECT_TRUE(black(shot.at(mid_x, top - 2))) << "bar above the picture";
    EXPECT_TRUE(black(shot.at(mid_x, bottom + 2))) << "bar below the picture";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, screen_fit_e2e,
    testing::Values(FIT_CASE{1024, 768, true, true}, FIT_CASE{1024, 768, false, false},
                    FIT_CASE{1366, 768, true, true}, FIT_CASE{1366, 768, true, false},
                    FIT_CASE{1366, 768, false, true}, FIT_CASE{1366, 768, false, false},
                    FIT_CASE{1280, 1024, true, true}, FIT_CASE{1280, 1024, false, true},
                    FIT_CASE{1920, 1080, true, true}, FIT_CASE{1920, 1080, false, false},
                    FIT_CASE{800, 600, true, false}, FIT_CASE{800, 600, false, false}),
    [](const testing::TestParamInfo<FIT_CASE>& info) {
      const FIT_CASE& c = info.param;
      return std::to_string(c.width) + "x" + std::to_string(c.height) +
             (c.window_manager ? "Openbox" : "NoManager") +
             (c.full_screen ? "FullScreen" : "Windowed");
    });

}  // namespace
