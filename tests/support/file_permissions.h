#pragma once

#include <linux/capability.h>

namespace test_support {

// While it lives, the calling thread obeys file permissions even when the
// tests run as root (as in many containers): a read-only folder or an
// unreadable file then stops it as it stops a player. Nothing changes for
// a thread that obeys them anyway.
class FILE_PERMISSIONS_ENFORCED {
 public:
  FILE_PERMISSIONS_ENFORCED();
  ~FILE_PERMISSIONS_ENFORCED();
  FILE_PERMISSIONS_ENFORCED(const FILE_PERMISSIONS_ENFORCED&) = delete;
  FILE_PERMISSIONS_ENFORCED& operator=(const FILE_PERMISSIONS_ENFORCED&) = delete;

 private:
  __user_cap_data_struct saved_[_LINUX_CAPABILITY_U32S_3] = {};
  bool lowered_ = false;
};

}  // namespace test_support
