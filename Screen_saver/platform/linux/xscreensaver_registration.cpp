#include "xscreensaver_registration.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "files.h"
#include "xscreensaver_list.h"

namespace hc::xscreensaver {

namespace fs = std::filesystem;

ScreensaverRegistration Register(const std::string& list_file, const std::string& installed_file,
                                 bool daemon_installed) {
  using Outcome = ScreensaverRegistration::Outcome;
  ScreensaverRegistration result{Outcome::kFailed, list_file, {}, {}};
  std::error_code ec;
  const bool exists = fs::exists(list_file, ec);
  if (!exists && !daemon_installed) return {Outcome::kNoList, list_file, {}, {}};

  std::string text;
  if (exists) {
    std::ifstream in(list_file, std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in || in.bad()) {
      result.detail = list_file + ": " + std::strerror(errno);
      return result;
    }
    text = bytes.str();
  }

  const std::string name = fs::path(installed_file).filename().string();
  const auto changed = WithProgram(text, name, HackCommand(installed_file));
  if (!changed) return {Outcome::kListedAlready, list_file, {}, {}};

  // A list kept elsewhere under a link (as dotfile managers do) stays a link.
  std::string target = list_file;
  if (exists && fs::is_symlink(fs::symlink_status(list_file, ec)))
    target = fs::canonical(list_file, ec).string();
  if (ec) {
    result.detail = list_file + ": " + ec.message();
    return result;
  }
  // Both files keep the former one's rights: a list may be the user's alone.
  const auto rights = exists ? fs::status(target, ec).permissions() : fs::perms::unknown;
  const auto write = [&](const std::string& path, const std::string& bytes) {
    FileError e = files::WriteFileAtomically(path, bytes);
    if (!e && rights != fs::perms::unknown) fs::permissions(path, rights, ec);
    return e;
  };
  if (exists) {
    const std::string backup = list_file + ".bak";
    if (FileError e = write(backup, text)) {
      result.detail = e.message;
      return result;
    }
    result.backup = backup;
  }
  if (FileError e = write(target, *changed)) {
    result.detail = e.message;
    return result;
  }
  result.outcome = Outcome::kAdded;
  return result;
}

}  // namespace hc::xscreensaver
