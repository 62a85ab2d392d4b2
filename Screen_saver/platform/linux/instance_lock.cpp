#include "instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace hc {

int LockFile(const char* path) {
  // Close-on-exec: a program started from here must not inherit the claim and keep it
  // after this run ends. No following links: the fallback folder is shared by all users.
  const int fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return kCannotOpen;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid() || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return kCannotOpen;
  }
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
  if (path.empty()) return true;
  const auto cut = path.rfind('/');
  if (cut != std::string::npos && cut > 0) {
    std::error_code ec;
    const std::filesystem::path folder = path.substr(0, cut);
    if (!std::filesystem::exists(folder, ec)) {
      std::filesystem::create_directories(folder.parent_path(), ec);
      ::mkdir(folder.c_str(), 0700);
    }
  }
  const int fd = LockFile(path.c_str());
  if (fd >= 0) fd_ = fd;
  return fd != kHeldElsewhere;
}

}  // namespace hc
