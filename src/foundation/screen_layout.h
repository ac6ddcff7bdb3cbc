#pragma once

namespace KOR {

// The two layouts every screen is drawn for, both as high; going wide moves
// whatever is centred by half the difference.
constexpr int kNarrowScreenWidth = 1024;
constexpr int kWideScreenWidth = 1366;
constexpr int kScreenHeight = 768;
constexpr int kWideScreenShift = (kWideScreenWidth - kNarrowScreenWidth) / 2;

}  // namespace KOR
