#include "display_settings.h"

namespace hc::setup {

bool StartDisplaySettings(System& system, const std::string& target_folder,
                          const std::string& installed_file) {
  for (const auto& command : system.ScreensaverSettingsCommands(target_folder, installed_file))
    if (system.StartCommand(command)) return true;
  return false;
}

}  // namespace hc::setup
