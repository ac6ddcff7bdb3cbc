#pragma once

namespace KOR {

// The two layouts every screen is drawn for, both as high; going wide moves
// whatever is centred by half the difference.
constexpr int kNarrowScreenWidth = 1024;
constexpr int kWideScreenWidth = 1366;
constexpr int kScreenHeight = 768;
constexpr int kWideScreenShift = (kWideScreenWidth - kNarrowScreenWidth) / 2;

// Wider than 3:2; nothing of no height is wide.
constexpr bool screen_is_wide(int width, int height) {
  return height > 0 && 2 * width > 3 * height;
}

// The layout an area of that size shows best.
constexpr int screen_layout_width_for(int width, int height) {
  return screen_is_wide(width, height) ? kWideScreenWidth : kNarrowScreenWidth;
}

}  // namespace KOR
