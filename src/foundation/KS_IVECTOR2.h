#pragma once

namespace KOR {

// Two ints: sizes, pointer positions, the resolution.
struct KS_IVECTOR2 {
  int x = 0;
  int y = 0;
};

}  // namespace KOR
