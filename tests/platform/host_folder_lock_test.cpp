#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/host_folders.h"
#include "support/file_permissions.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using KOR::HOST_FOLDER_LOCK;
using KOR::host_lock_folder;

// Another process that tries to lock the lock file and, when it got the
// lock, holds it while this object lives.
class OTHER_PROCESS {
 public:
  explicit OTHER_PROCESS(const fs::path& lock_file) {
    const std::string path = lock_file.string();
    int result[2], release[2];
    if (pipe(result) != 0 || pipe(release) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      // Only system calls in the child of a threaded test program.
      const int fd = open(path.c_str(), O_RDWR | O_CREAT, 0644);
      const char got = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 0;
      char released = 0;
      if (write(result[1], &got, 1) == 1) {
        close(release[1]);
        [[maybe_unused]] const ssize_t n = read(release[0], &released, 1);
      }
      _exit(0);
    }
    close(result[1]);
    close(release[0]);
    release_ = release[1];
    char got = 0;
    got_lock_ = read(result[0], &got, 1) == 1 && got == 1;
    close(result[0]);
  }
  ~OTHER_PROCESS() {
    close(release_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  OTHER_PROCESS(const OTHER_PROCESS&) = delete;
  OTHER_PROCESS& operator=(const OTHER_PROCESS&) = delete;

  bool got_lock() const { return got_lock_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool got_lock_ = false;
};

// A folder is held by one process at a time, as often as that process asks,
// and free again once its holder has ended, however it ended.
TEST(host_folder_lock, OneProcessAtATimeHoldsAFolder) {
  test_support::TempFolder root("aquavex-lock");
  const fs::path mine = root.path() / "mine";
  const fs::path theirs = root.path() / "theirs";
  fs::create_directories(mine);
  fs::create_directories(theirs);

  EXPECT_EQ(host_lock_folder(mine.string()), HOST_FOLDER_LOCK::held);
  EXPECT_EQ(host_lock_folder(mine.string() + "/"), HOST_FOLDER_LOCK::held) << "asked again";
  EXPECT_FALSE(OTHER_PROCESS(mine / ".lock").got_lock());

  {
    const OTHER_PROCESS holder(theirs / ".lock");
    ASSERT_TRUE(holder.got_lock());
    EXPECT_EQ(host_lock_folder(theirs.string()), HOST_FOLDER_LOCK::taken);
  }
  EXPECT_EQ(host_lock_folder(theirs.string()), HOST_FOLDER_LOCK::held) << "its holder ended";

  // The folder removed and made anew while held: the new one is locked.
  fs::remove_all(mine);
  fs::create_directories(mine);
  EXPECT_EQ(host_lock_folder(mine.string()), HOST_FOLDER_LOCK::held);
  EXPECT_FALSE(OTHER_PROCESS(mine / ".lock").got_lock());
}

// Where no lock file can be had, nobody can hold the folder: that is not a
// second copy, and the saves themselves tell the player what is wrong.
TEST(host_folder_lock, AFolderThatCannotHoldALockFileIsNotTaken) {
  test_support::TempFolder root("aquavex-lock");
  const fs::path read_only = root.path() / "read-only";
  const fs::path read_only_locked = root.path() / "read-only-locked";
  fs::create_directories(read_only);
  fs::create_directories(read_only_locked);
  std::ofstream(read_only_locked / ".lock").flush();
  fs::permissions(read_only_locked / ".lock", fs::perms::owner_read);
  std::ofstream(root.path() / "a-file").flush();
  for (const fs::path& folder : {read_only, read_only_locked}) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  }
  const struct {
    fs::path folder;
    HOST_FOLDER_LOCK expected;
  } cases[] = {
      {root.path() / "missing", HOST_FOLDER_LOCK::unavailable},
      {root.path() / "a-file", HOST_FOLDER_LOCK::unavailable},
      {read_only, HOST_FOLDER_LOCK::unavailable},
      // A lock file made before, which can no longer be written, still locks.
      {read_only_locked, HOST_FOLDER_LOCK::held},
  };
  {
    test_support::FILE_PERMISSIONS_ENFORCED obeyed;
    for (const auto& c : cases) {
      EXPECT_EQ(host_lock_folder(c.folder.string()), c.expected) << c.folder;
    }
  }
  for (const fs::path& folder : {read_only, read_only_locked}) {
    fs::permissions(folder, fs::perms::owner_all);
  }
}

}  // namespace
