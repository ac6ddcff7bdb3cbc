#include "support/file_permissions.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace test_support {

namespace {

__user_cap_header_struct this_thread() { return {_LINUX_CAPABILITY_VERSION_3, 0}; }

}  // namespace

FILE_PERMISSIONS_ENFORCED::FILE_PERMISSIONS_ENFORCED() {
  __user_cap_header_struct header = this_thread();
  if (syscall(SYS_capget, &header, saved_) != 0) return;
  __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3];
  for (int i = 0; i < _LINUX_CAPABILITY_U32S_3; ++i) lowered[i] = saved_[i];
  lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  header = this_thread();
  lowered_ = syscall(SYS_capset, &header, lowered) == 0;
}

FILE_PERMISSIONS_ENFORCED::~FILE_PERMISSIONS_ENFORCED() {
  if (!lowered_) return;
  __user_cap_header_struct header = this_thread();
  syscall(SYS_capset, &header, saved_);
}

}  // namespace test_support
