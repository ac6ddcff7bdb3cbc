#pragma once

namespace KOR_GF {

// The logical screen size: 1024 or 1366 wide, 768 high.
struct G_SETTINGS {
  static int screen_width;
  static int screen_height;
};

}  // namespace KOR_GF
