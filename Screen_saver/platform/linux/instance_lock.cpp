#include "instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace hc {

int LockFile(const char* path) {
  // Close-on-exec: a program started from here must not inherit the claim and keep it
  // after this run ends. No following links: the fallback folder is shared by all users.
  const int fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return kCannotOpen;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  const int error = errno;
  ::close(fd);
  return error == EWOULDBLOCK ? kHeldElsewhere : kCannotOpen;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::Acquire(const std::string& path) {
  if (fd_ >= 0) return true;
  const int fd = LockFile(path.c_str());
  if (fd >= 0) fd_ = fd;
  return fd != kHeldElsewhere;
}

}  // namespace hc
