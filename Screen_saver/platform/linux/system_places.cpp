#include "system_places.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace hc::places {

namespace fs = std::filesystem;

namespace {

// Mount tables write blanks, tabs, line ends and backslashes as three octal digits.
std::string DecodeMountField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

bool Within(const std::string& path, const std::string& mount) {
  if (mount == "/") return true;
  return path == mount || (path.size() > mount.size() &&
                           path.compare(0, mount.size(), mount) == 0 && path[mount.size()] == '/');
}

std::string Normalised(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(path, ec);
  if (ec) p = path;
  fs::path canonical = fs::weakly_canonical(p, ec);
  std::string text = (ec ? p.lexically_normal() : canonical).string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::string ProgramFile() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.rfind('/');
  if (cut == std::string::npos) return ".";
  std::string folder = path.substr(0, cut);
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder;
}

std::vector<std::string> MountPoints(const std::string& mounts_text) {
  std::vector<std::string> points;
  std::istringstream lines(mounts_text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, point;
    if (fields >> device >> point) points.push_back(DecodeMountField(point));
  }
  return points;
}

std::string ReadMounts() {
  std::ifstream in("/proc/self/mounts");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string MountPointOf(const std::string& path, const std::vector<std::string>& mount_points) {
  const std::string full = Normalised(path);
  std::string best = "/";
  for (const auto& mount : mount_points)
    if (mount.size() > best.size() && Within(full, mount)) best = mount;
  return best;
}

std::vector<std::string> DrivesFrom(const std::vector<std::string>& mount_points,
                                    const std::string& home) {
  std::vector<std::string> drives{"/"};
  const auto add = [&drives](const std::string& d) {
    if (std::find(drives.begin(), drives.end(), d) == drives.end()) drives.push_back(d);
  };
  if (!home.empty()) add(MountPointOf(home, mount_points));
  for (const auto& mount : mount_points)
    for (const char* removable : {"/media/", "/run/media/", "/mnt/"})
      if (mount.rfind(removable, 0) == 0) add(mount);
  return drives;
}

std::string ChooseSystemFolder(const std::string& home,
                               const std::function<bool(const std::string&)>& is_folder) {
  const std::string shared = "/usr/libexec/xscreensaver";
  return is_folder(shared) ? shared : home + "/.local/bin";
}

std::string UserConfigFolder(const char* xdg_config_home, const std::string& home,
                             const std::string& program) {
  // A relative value is invalid by the base directory rules and is ignored.
  if (xdg_config_home && xdg_config_home[0] == '/')
    return std::string(xdg_config_home) + "/" + program;
  if (home.empty()) return "";
  return home + "/.config/" + program;
}

std::string DisplayName(const LockPlace& place) {
  std::string name;
  if (place.display && *place.display) {
    name = place.display;
    const auto colon = name.rfind(':');
    const auto dot = name.find('.', colon == std::string::npos ? 0 : colon);
    if (colon != std::string::npos && dot != std::string::npos) name.erase(dot);
  } else if (place.wayland_display && *place.wayland_display) {
    name = place.wayland_display;
  } else {
    name = "none";
  }
  return name;
}

std::string InstanceLockPath(const std::string& program_file, unsigned uid,
                             const LockPlace& place) {
  std::string program = fs::path(program_file).filename().string();
  if (program.empty()) program = "program";
  std::string folder;
  if (place.runtime_dir && place.runtime_dir[0] == '/') {
    folder = place.runtime_dir;
  } else if (place.cache_home && place.cache_home[0] == '/') {
    folder = std::string(place.cache_home) + "/" + program;
  } else if (!place.home.empty()) {
    folder = place.home + "/.cache/" + program;
  } else {
    return "";
  }
  // The display goes into a file name: anything but plain characters becomes "_".
  std::string display = DisplayName(place);
  for (char& c : display)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
  return folder + "/" + program + "-" + std::to_string(uid) + "-" + display + ".lock";
}

LockPlace LockPlaceFromEnvironment() {
  const char* home = std::getenv("HOME");
  return {std::getenv("XDG_RUNTIME_DIR"), std::getenv("XDG_CACHE_HOME"), home ? home : "",
          std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")};
}

}  // namespace hc::places
