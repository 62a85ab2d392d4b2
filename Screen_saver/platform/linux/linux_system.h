#pragma once
// The system services Linux gives without any toolkit: the program's folder and claim,
// mounts as drives, the clock, files and starting programs. A backend adds the screen,
// pictures, message boxes and choosers.

#include <string>
#include <vector>

#include "instance_lock.h"
#include "standard_files.h"

namespace hc {

class LinuxSystem : public StandardFiles {
 public:
  std::string ProgramFolder() override;
  bool AnotherInstance() override;
  std::string DriveOf(const std::string& path) override;
  DateTime Now() override;
  std::vector<std::string> Drives() override;
  std::string SystemFolder() override;
  std::string UserDataFolder() override;
  std::string ScreensaverFileName() override { return "HalvekClock"; }
  std::vector<std::vector<std::string>> ScreensaverSettingsCommands(
      const std::string& target_folder, const std::string& installed_file) override;
  ScreensaverRegistration RegisterScreensaver(const std::string& installed_file) override;
  bool StartCommand(const std::vector<std::string>& argv) override;

 private:
  InstanceLock lock_;
};

}  // namespace hc
