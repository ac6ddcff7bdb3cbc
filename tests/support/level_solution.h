#pragma once

#include <vector>

namespace test_support {

// One action of a level's stored solution: a piece of `type` turned to
// `angle` laid with its part 0 on cell (x, y), or a destruction bonus spent
// on (x, y).
struct LEVEL_ACTION {
  bool destroy = false;
  int type = 0;
  int angle = 0;
  int x = 0;
  int y = 0;
};

// The winning order of level n as content/Levels/solutions holds it; empty
// when the file is missing.
std::vector<LEVEL_ACTION> stored_solution(int level);

}  // namespace test_support
