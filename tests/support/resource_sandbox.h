#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/KC_FILE_SYSTEM.h"
#include "support/paths.h"
#include "support/temp_folder.h"

// A throw-away start directory holding a copy of the fixture Resources tree,
// with the file system built in it (which makes Resources current). The
// previous current directory comes back on destruction.
class ResourceSandbox {
 public:
  explicit ResourceSandbox(bool with_fixtures = true)
      : previous_(std::filesystem::current_path()), folder_("aquavex-res"), start_(folder_.path()) {
    if (with_fixtures) {
      std::filesystem::copy(test_support::fixture_path("resources/Resources"), start_ / "Resources",
                            std::filesystem::copy_options::recursive);
    }
    std::filesystem::current_path(start_);
    file_system_ = std::make_unique<KOR::KC_FILE_SYSTEM>();
  }
  ~ResourceSandbox() {
    file_system_.reset();
    KOR::KC_FILE_SYSTEM::instance = nullptr;
    std::filesystem::current_path(previous_);
  }

  KOR::KC_FILE_SYSTEM& file_system() { return *file_system_; }
  const std::filesystem::path& start() const { return start_; }
  std::filesystem::path resources() const { return start_ / "Resources"; }

 private:
  std::filesystem::path previous_;
  test_support::TempFolder folder_;
  std::filesystem::path start_;
  std::unique_ptr<KOR::KC_FILE_SYSTEM> file_system_;
};
