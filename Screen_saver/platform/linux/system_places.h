#pragma once
// Where things are on a Linux system, asked without any toolkit: where the program lives, mount
// points, the screensaver folder and the per-user lock file's name.

#include <functional>
#include <string>
#include <vector>

namespace hc::places {

// The running executable's path ("" when it cannot be told).
std::string ProgramFile();

// The folder part of a path, without a trailing "/" (the root gives "").
std::string FolderOf(const std::string& path);

// Mount points listed in /proc/self/mounts text, with the octal escapes ("\040") decoded.
std::vector<std::string> MountPoints(const std::string& mounts_text);
std::string ReadMounts();

// The mount point holding `path`: the longest one that is a whole-component prefix of it.
// A relative path is taken from the current folder.
std::string MountPointOf(const std::string& path, const std::vector<std::string>& mount_points);

// The root, the mount holding `home` and mounts of removable media, each once.
std::vector<std::string> DrivesFrom(const std::vector<std::string>& mount_points,
                                    const std::string& home);

// The folder the desktop's screensaver host looks in when it is installed; otherwise the
// user's own program folder.
std::string ChooseSystemFolder(const std::string& home,
                               const std::function<bool(const std::string&)>& is_folder);

// The program's folder among the user's settings: under $XDG_CONFIG_HOME when it is an
// absolute path, else under ~/.config; empty without either.
std::string UserConfigFolder(const char* xdg_config_home, const std::string& home,
                             const std::string& program);

// Where the one-clock-per-display lock lives, from the environment.
struct LockPlace {
  const char* runtime_dir = nullptr;      // XDG_RUNTIME_DIR
  const char* cache_home = nullptr;       // XDG_CACHE_HOME
  std::string home;                       // HOME
  const char* display = nullptr;          // DISPLAY
  const char* wayland_display = nullptr;  // WAYLAND_DISPLAY
};

// The display a clock shows on, as one name: the X display without its screen number
// (":0.1" is ":0"), else the Wayland display, else "none".
std::string DisplayName(const LockPlace& place);

// The lock file of a program for one user and one display, in a folder only that user
// may write: the runtime folder when there is one, else the program's folder in the
// user's cache. Empty when there is neither.
std::string InstanceLockPath(const std::string& program_file, unsigned uid, const LockPlace& place);

// The place the running program's environment gives.
LockPlace LockPlaceFromEnvironment();

}  // namespace hc::places
