// Files are replaced whole on POSIX systems: the new text goes to a file made new under a
// unique name (never through a link), reaches the disk, and is renamed over the target.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "files.h"
#include "temporary_name.h"

namespace hc::files {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

// Flushes the folder's entries, so a rename in it survives a power cut.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

FileError WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const fs::path target = PathFromUtf8(path);
  struct stat old {};
  const bool replacing = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

  fs::path temporary;
  int fd = -1;
  int error = 0;
  for (int attempt = 0; attempt < kTemporaryNameTries && fd < 0; ++attempt) {
    temporary = TemporaryNameFor(target);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    error = errno;
    if (fd < 0 && error != EEXIST) break;
  }
  if (fd < 0) return {path + ": " + Reason(error)};

  bool ok = true;
  if (replacing) {
    // The file keeps its access rights, and its owner when the program runs as root.
    ::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0) (void)!::fchown(fd, old.st_uid, old.st_gid);
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return {path + ": " + Reason(error)};
  }
  SyncFolder(target.parent_path());
  return {};
}

std::string UsersFileAt(const std::string& utf8) {
  const fs::path path = PathFromUtf8(utf8);
  fs::path target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat link {};
    if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return Utf8Of(target);
    std::error_code ec;
    fs::path next = fs::read_symlink(target, ec);
    if (ec) return Utf8Of(target);
    if (next.is_relative()) next = target.parent_path() / next;
    struct stat named {};
    const bool named_exists = ::stat(next.c_str(), &named) == 0;
    const bool trusted =
        link.st_uid == ::geteuid() || (named_exists && named.st_uid == link.st_uid);
    if (!trusted) return Utf8Of(target);
    if (named_exists && !S_ISREG(named.st_mode)) return Utf8Of(target);
    target = next.lexically_normal();
  }
  return utf8;
}

bool Writable(const std::string& folder) {
  // The system answers for access rights, read-only mounts and ACLs alike, and nothing is
  // made that a planted link could turn into a write elsewhere.
  struct stat info {};
  const std::string name = folder.empty() ? "." : folder;
  return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::faccessat(AT_FDCWD, name.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace hc::files
