#pragma once

#include <string>

namespace KOR {
struct KS_IVECTOR2;
}

namespace KOR_GF {

// The screen settings of the run, from the per-user "Settings.xml" and the
// desktop. The logical screen they lead to is auto_position_screen_width.
struct G_SETTINGS {
  static unsigned char fullscreen;
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
