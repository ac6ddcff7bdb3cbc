#pragma once

#include <string>

namespace KOR {
struct KS_IVECTOR2;
}

namespace KOR_GF {

// The screen settings of the run: the per-user "Settings.xml" and the
// logical screen size, 1024 or 1366 wide and 768 high.
struct G_SETTINGS {
  static unsigned char fullscreen;
  static int screen_width;
  static int screen_height;
  static unsigned char wide_desktop;  // the desktop is wider than 3:2
};

// Wider than 3:2; a desktop of no height is not wide.
bool desktop_is_wide(const KOR::KS_IVECTOR2& desktop);
// 1366 on a wide desktop in full screen, else 1024.
int logical_screen_width(bool wide_desktop, bool full_screen);

// Reads the per-user settings file at the path, first copying the default
// "xml/Settings.xml" of the current directory there when it is missing.
// When that copy fails nothing else changes.
void settings_load(const std::string& path);

}  // namespace KOR_GF
