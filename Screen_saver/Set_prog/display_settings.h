#pragma once
// Hands the installed screensaver to the desktop's screensaver settings.

#include <string>
#include <vector>

#include "system.h"

namespace hc::setup {

using CommandLine = std::vector<std::string>;

// The commands to try, best first; each is started without a shell, so nothing in a path
// is read as a command.
std::vector<CommandLine> DisplaySettingsCommands(const std::string& target_folder,
                                                 const std::string& installed_file);

// Starts the first of the commands that starts, without waiting for it; false when none did.
bool StartDisplaySettings(System& system, const std::string& target_folder,
                          const std::string& installed_file);

}  // namespace hc::setup
