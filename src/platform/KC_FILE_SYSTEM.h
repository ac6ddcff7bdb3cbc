#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace KOR {

class KC_RESOURCE;

// First four bytes of a file, read as a little-endian int32.
constexpr int32_t ARCHIVE_ZIP = 0x04034B50;
constexpr int32_t ARCHIVE_RAR = 0x21726152;
constexpr int32_t ARCHIVE_PNG = 0x474E5089;

// Path types answered by `path_type`.
constexpr int PATH_MISSING = 0;
constexpr int PATH_FILE = 1;
constexpr int PATH_DIRECTORY = 2;

// Where the program's data lies: the start directory and "Resources" below
// it, which becomes the current directory for the whole run. Also the only
// way resource bytes enter the program (`load_resource`).
class KC_FILE_SYSTEM {
 public:
  KC_FILE_SYSTEM();

  static KC_FILE_SYSTEM* instance;
  static KC_FILE_SYSTEM& instance_get();

  const char* base_dir() const { return base_path.c_str(); }
  const char* resource_dir() const { return resource_path.c_str(); }
  int set_current_dir(const std::string& path);
  const char* query_current_dir();

  static int path_type(const std::string& path);
  // The per-user data root; null when it cannot be located.
  static const char* appdata_dir();
  static bool create_directories(const std::string& path);
  static bool copy(const char* destination, const char* source);
  static bool remove(const char* path);
  // Appends bare names: sub-folders (never "." or "..") or files.
  static void list_folder(const std::string& folder, std::vector<std::string>& list, bool folders,
                          const std::string& pattern);
  // Appends every entry's full name in archive order; the password is not
  // needed to list.
  static void list_archive(const std::string& path, const std::string& password,
                           std::vector<std::string>& list);
  static int32_t archive_type(const std::string& path);
  // True when a ".." part of the relative path would leave the folder it is
  // taken from.
  static bool climbs_out(const std::string& path);

  // 1 loaded (kind 1); -1 missing repository, unreadable archive or entry;
  // -108 folder file that cannot be sized or opened; -109 short or corrupt
  // read. On failure the record is left as it was.
  int load_resource(KC_RESOURCE* record) const;
  static void free_bytes(KC_RESOURCE* record);
  int open_file(KC_RESOURCE* record) const;
  static int close_file(KC_RESOURCE* record);

 private:
  std::string base_path;
  std::string resource_path;
  std::string current_path;
};

// True when the path names a file or a folder.
bool file_exists(const char* path);

}  // namespace KOR
