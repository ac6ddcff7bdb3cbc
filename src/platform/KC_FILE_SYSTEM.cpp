#include "platform/KC_FILE_SYSTEM.h"

#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/text_utilities.h"
#include "platform/host_folders.h"
#include "platform/zip_archive.h"
#include "resources/KC_RESOURCE.h"

namespace KOR {

namespace fs = std::filesystem;

KC_FILE_SYSTEM* KC_FILE_SYSTEM::instance = nullptr;

KC_FILE_SYSTEM::KC_FILE_SYSTEM() {
  const std::string start = query_current_dir();
  base_path = start + "/";
  resource_path = start + "/Resources/";
  if (path_type(resource_path) == PATH_MISSING) {
    if (!create_directories(resource_path))
      engine_last_error = "Cant create \"Resources\"directory";
    callback_invoke(hook_error, nullptr);
  }
  set_current_dir(resource_path);
  instance = this;
}

KC_FILE_SYSTEM& KC_FILE_SYSTEM::instance_get() {
  static KC_FILE_SYSTEM file_system;
  return file_system;
}

int KC_FILE_SYSTEM::set_current_dir(const std::string& path) {
  // A failed change is not acted on: later loads report the missing files.
  std::error_code error;
  fs::current_path(path, error);
  current_path = path;
  return 0;
}

const char* KC_FILE_SYSTEM::query_current_dir() {
  // Sized by the system, so a deep start directory is never cut.
  char* cwd = getcwd(nullptr, 0);
  current_path = cwd != nullptr ? cwd : "";
  std::free(cwd);
  return current_path.c_str();
}

int KC_FILE_SYSTEM::path_type(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return PATH_MISSING;
  return S_ISDIR(info.st_mode) ? PATH_DIRECTORY : PATH_FILE;
}

const char* KC_FILE_SYSTEM::appdata_dir() {
  static std::string root;
  root = host_user_data_root();
  return root.empty() ? nullptr : root.c_str();
}

bool KC_FILE_SYSTEM::create_directories(const std::string& path) {
  if (path_type(path) != PATH_MISSING) return true;
  bool created = true;
  std::string rest = path;
  std::string prefix;
  for (const std::string& part : text_split(rest, '/', false)) {
    prefix += part;
    if (path_type(prefix) == PATH_MISSING && mkdir(prefix.c_str(), 0755) != 0) created = false;
  }
  return created;
}

namespace {

bool copy_file_bytes(const std::string& destination, const std::string& source) {
  std::error_code error;
  return fs::copy_file(source, destination, fs::copy_options::overwrite_existing, error);
}

// Sub-folders first, then files, as the recursive operations walk them.
std::vector<std::string> folder_contents(const std::string& folder) {
  std::vector<std::string> names;
  KC_FILE_SYSTEM::list_folder(folder, names, true, "*");
  KC_FILE_SYSTEM::list_folder(folder, names, false, "*");
  return names;
}

bool is_inside(const std::string& path, const std::string& folder) {
  std::error_code error;
  const fs::path inner = fs::weakly_canonical(path, error);
  const fs::path outer = fs::weakly_canonical(folder, error);
  return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
}

}  // namespace

bool KC_FILE_SYSTEM::copy(const char* destination, const char* source) {
  if (destination == nullptr || source == nullptr) return false;
  switch (path_type(source)) {
    case PATH_FILE:
      return copy_file_bytes(destination, source);
    case PATH_DIRECTORY:
      // A copy into the source's own tree would keep finding its own output.
      if (is_inside(destination, source)) return false;
      if (!create_directories(destination)) return false;
      for (const std::string& name : folder_contents(source)) {
        const std::string to = std::string(destination) + "/" + name;
        const std::string from = std::string(source) + "/" + name;
        if (!copy(to.c_str(), from.c_str())) return false;
      }
      return true;
    default:
      return false;
  }
}

bool KC_FILE_SYSTEM::remove(const char* path) {
  if (path == nullptr) return false;
  switch (path_type(path)) {
    case PATH_FILE:
      return unlink(path) == 0;
    case PATH_DIRECTORY:
      for (const std::string& name : folder_contents(path)) {
        const std::string inner = std::string(path) + "/" + name;
        if (!remove(inner.c_str())) return false;
      }
      return rmdir(path) == 0;
    default:
      return false;
  }
}

void KC_FILE_SYSTEM::list_folder(const std::string& folder, std::vector<std::string>& list,
                                 bool folders, const std::string& pattern) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return;
  // "*" selects every name, as the "*.*" search it stands for.
  const std::string match = "*." + pattern;
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : it) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(error) != folders) continue;
    if (pattern != "*" && fnmatch(match.c_str(), name.c_str(), 0) != 0) continue;
    names.push_back(name);
  }
  // Byte order, so that listings do not depend on the file system's order.
  std::sort(names.begin(), names.end());
  list.insert(list.end(), names.begin(), names.end());
}

namespace {

int load_archive_entry(const std::string& archive, KC_RESOURCE* record) {
  if (record->name.empty()) return -1;
  char* bytes = nullptr;
  int32_t size = 0;
  const int result = zip_read_entry(archive, record->name, record->password, bytes, size);
  if (result != 1) return result;
  record->size = size;
  record->data = bytes;
  record->kind = RESOURCE_BYTES;
  return 1;
}

int load_folder_file(const std::string& path, KC_RESOURCE* record) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || info.st_size >= INT32_MAX) return -108;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return -108;
  const size_t size = static_cast<size_t>(info.st_size);
  char* bytes = new (std::nothrow) char[size + 1];
  const size_t read = bytes != nullptr ? std::fread(bytes, 1, size, file) : 0;
  std::fclose(file);
  if (bytes == nullptr || read != size) {
    delete[] bytes;
    return -109;
  }
  bytes[size] = '\0';
  record->size = static_cast<int32_t>(size + 1);
  record->data = bytes;
  record->kind = RESOURCE_BYTES;
  return 1;
}

}  // namespace

void KC_FILE_SYSTEM::list_archive(const std::string& path, const std::string& /*password*/,
                                  std::vector<std::string>& list) {
  if (archive_type(path) == ARCHIVE_ZIP) zip_list_entries(path, list);
}

int32_t KC_FILE_SYSTEM::archive_type(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return -1;
  unsigned char bytes[4];
  const size_t read = std::fread(bytes, 1, sizeof bytes, file);
  std::fclose(file);
  if (read != sizeof bytes) return 0;
  const int32_t signature = static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
      static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
  const bool known =
      signature == ARCHIVE_ZIP || signature == ARCHIVE_RAR || signature == ARCHIVE_PNG;
  return known ? signature : 0;
}

bool KC_FILE_SYSTEM::climbs_out(const std::string& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    if (path.compare(start, slash - start, "..") == 0) return true;
    start = slash + 1;
  }
  return false;
}

int KC_FILE_SYSTEM::load_resource(KC_RESOURCE* record) const {
  if (climbs_out(record->folder) || climbs_out(record->name)) return -1;
  const std::string path = resource_path + record->folder;
  switch (path_type(path)) {
    case PATH_DIRECTORY:
      return load_folder_file(path + "/" + record->name, record);
    case PATH_FILE:
      return load_archive_entry(path, record);
    default:
      return -1;
  }
}

void KC_FILE_SYSTEM::free_bytes(KC_RESOURCE* record) {
  if (record->kind != RESOURCE_BYTES && record->kind != RESOURCE_RAW) return;
  delete[] static_cast<char*>(record->data);
  record->data = nullptr;
  record->kind = RESOURCE_NONE;
}

int KC_FILE_SYSTEM::open_file(KC_RESOURCE* record) const {
  if (climbs_out(record->folder) || climbs_out(record->name)) return -1;
  const std::string path = resource_path + record->folder;
  switch (path_type(path)) {
    case PATH_DIRECTORY: {
      FILE* file = std::fopen((path + "/" + record->name).c_str(), "rb");
      if (file == nullptr) return -108;
      std::fseek(file, 0, SEEK_END);
      const long length = std::ftell(file);
      std::fseek(file, 0, SEEK_SET);
      record->size = length > INT32_MAX ? INT32_MAX : static_cast<int32_t>(length);
      record->data = file;
      record->kind = RESOURCE_FILE;
      return 1;
    }
    case PATH_FILE:
      return 1;
    default:
      return -1;
  }
}

int KC_FILE_SYSTEM::close_file(KC_RESOURCE* record) {
  const int result = std::fclose(static_cast<FILE*>(record->data));
  record->loaded = 0;
  record->size = 0;
  record->ref_count = 0;
  return result;
}

bool file_exists(const char* path) { return KC_FILE_SYSTEM::path_type(path) != PATH_MISSING; }

}  // namespace KOR
