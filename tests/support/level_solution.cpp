#include "support/level_solution.h"

#include <fstream>
#include <sstream>
#include <string>

#include "support/paths.h"

namespace test_support {

std::vector<LEVEL_ACTION> stored_solution(int level) {
  std::ifstream in(source_path("content/Levels/solutions/level_" + std::to_string(level) + ".txt"));
  std::vector<LEVEL_ACTION> out;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    LEVEL_ACTION a;
    if (verb == "place") {
      words >> a.type >> a.angle >> a.x >> a.y;
    } else if (verb == "destroy") {
      a.destroy = true;
      words >> a.x >> a.y;
    } else {
      continue;
    }
    out.push_back(a);
  }
  return out;
}

}  // namespace test_support
