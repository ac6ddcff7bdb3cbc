#pragma once

#include <filesystem>
#include <string>

namespace test_support {

// A fresh, uniquely named folder under the system's temporary folder, removed
// with everything in it when this object goes. Tests run in parallel, so no
// two of them may share a fixed path.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix = "aquavex");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace test_support
