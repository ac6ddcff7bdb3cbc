#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/paths.h"

namespace {

namespace fs = std::filesystem;

// Two picture files with the same bytes would be loaded as two textures
// wherever both are shown: one file serves every place that shows it.
TEST(PicturesContent, NoTwoPictureFilesHoldTheSameImage) {
  const fs::path resources = test_support::source_path("Resources");
  std::map<std::string, std::string> by_bytes;
  std::vector<std::string> twins;
  int pictures = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(resources)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".png" && extension != ".jpg")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    ++pictures;
    const std::string name = fs::relative(entry.path(), resources).string();
    const auto [at, fresh] = by_bytes.emplace(bytes.str(), name);
    if (!fresh) twins.push_back(at->second + " = " + name);
  }
  EXPECT_GT(pictures, 100);
  EXPECT_EQ(twins, std::vector<std::string>{});
}

}  // namespace
