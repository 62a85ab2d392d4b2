#pragma once
// The claim that one run of the program holds for its user. It is an advisory lock on an
// open file: the kernel lets go of it when the process ends, however it ends.

#include <string>

namespace hc {

// Opens `path` and locks it without waiting. Returns the open descriptor, kHeldElsewhere
// when another process holds the lock, or kCannotOpen: also for a link, or a file this
// user does not own, which no other account can use to keep this user's clock away.
// Allocates nothing, so a child process may call it between fork and exit.
inline constexpr int kHeldElsewhere = -1;
inline constexpr int kCannotOpen = -2;
int LockFile(const char* path);

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when this process holds the claim (taken now or before). A lock file that cannot
  // be opened claims nothing but does not stop the program either. The lock's folder is
  // made, for this user alone, when it is missing.
  bool Acquire(const std::string& path);

 private:
  int fd_ = -1;
};

}  // namespace hc
