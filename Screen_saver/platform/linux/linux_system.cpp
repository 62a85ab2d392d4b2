#include "linux_system.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "system_places.h"
#include "xscreensaver_registration.h"

extern char** environ;

namespace hc {

namespace {

std::string Home() {
  const char* home = std::getenv("HOME");
  return home ? home : "";
}

// Whether a program of that name is on the search path.
bool OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const auto end = std::min(folders.find(':', start), folders.size());
    const std::string folder = folders.substr(start, end - start);
    if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string LinuxSystem::ProgramFolder() {
  return places::FolderOf(places::ProgramFile());
}

bool LinuxSystem::AnotherInstance() {
  const places::LockPlace place = places::LockPlaceFromEnvironment();
  if (lock_.Acquire(places::InstanceLockPath(places::ProgramFile(), ::geteuid(), place)))
    return false;
  // Ending silently would look like a clock that never started.
  std::fprintf(stderr, "HalvekClock: another clock runs on this display (%s); this one ends.\n",
               places::DisplayName(place).c_str());
  return true;
}

std::string LinuxSystem::DriveOf(const std::string& path) {
  return places::MountPointOf(path, places::MountPoints(places::ReadMounts()));
}

DateTime LinuxSystem::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::vector<std::string> LinuxSystem::Drives() {
  return places::DrivesFrom(places::MountPoints(places::ReadMounts()), Home());
}

std::string LinuxSystem::SystemFolder() {
  return places::ChooseSystemFolder(Home(), [](const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
  });
}

std::string LinuxSystem::UserDataFolder() {
  return places::UserConfigFolder(std::getenv("XDG_CONFIG_HOME"), Home(), "HalvekClock");
}

std::vector<std::vector<std::string>> LinuxSystem::ScreensaverSettingsCommands(
    const std::string& target_folder, const std::string& /*installed_file*/) {
  // The X screensaver's settings take no program from the command line (they refuse any
  // file argument), so they are opened as they are; its older releases call them "demo".
  // Without it, the file manager shows the folder that now holds the screensaver.
  return {{"xscreensaver-settings"}, {"xscreensaver-demo"}, {"xdg-open", target_folder}};
}

ScreensaverRegistration LinuxSystem::RegisterScreensaver(const std::string& installed_file) {
  // The daemon reads its list from the home folder alone; a list the user already keeps is
  // joined even while the daemon is not installed (yet).
  return xscreensaver::Register(Home() + "/.xscreensaver", installed_file, OnPath("xscreensaver"));
}

bool LinuxSystem::StartCommand(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) return false;
  std::vector<std::string> words = argv;
  std::vector<char*> args;
  for (auto& w : words) args.push_back(w.data());
  args.push_back(nullptr);
  // A go-between child starts the program and ends at once, so the program belongs to
  // init and never lingers as a child of ours. Its exit status says whether exec worked.
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    pid_t program = 0;
    // The program and its arguments go to exec as they are: no shell ever reads them.
    const int error = ::posix_spawnp(&program, args[0], nullptr, nullptr, args.data(), environ);
    ::_exit(error == 0 ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace hc
