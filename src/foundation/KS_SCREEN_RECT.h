#pragma once

namespace KOR {

// A rectangle in the screen's logical pixels.
struct KS_SCREEN_RECT {
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
};

}  // namespace KOR
