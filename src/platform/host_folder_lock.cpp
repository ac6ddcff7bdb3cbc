#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "platform/host_folders.h"

namespace KOR {

namespace {

constexpr const char* kLockFile = ".lock";

// The lock files this process holds, by folder, open until it ends: a lock
// taken twice on one file by one process would stand in its own way.
std::mutex held_mutex;
std::map<std::string, int> held_files;

// Still the file at that path: a folder removed and made anew needs a new lock.
bool same_file(int fd, const std::string& path) {
  struct stat held {};
  struct stat named {};
  return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

int open_lock_file(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // A lock file that can no longer be written (a disk mounted read-only)
  // still locks.
  return fd >= 0 ? fd : open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace

HOST_FOLDER_LOCK host_lock_folder(const std::string& folder) {
  const std::string path = folder + (folder.empty() || folder.back() != '/' ? "/" : "") + kLockFile;
  const std::lock_guard<std::mutex> guard(held_mutex);
  const auto found = held_files.find(path);
  if (found != held_files.end()) {
    if (same_file(found->second, path)) return HOST_FOLDER_LOCK::held;
    close(found->second);
    held_files.erase(found);
  }
  const int fd = open_lock_file(path);
  if (fd < 0) return HOST_FOLDER_LOCK::unavailable;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    close(fd);
    return taken ? HOST_FOLDER_LOCK::taken : HOST_FOLDER_LOCK::unavailable;
  }
  held_files[path] = fd;
  return HOST_FOLDER_LOCK::held;
}

}  // namespace KOR
