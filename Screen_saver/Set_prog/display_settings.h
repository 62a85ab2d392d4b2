#pragma once
// Hands the installed screensaver to the desktop's screensaver settings.

#include <string>
#include <vector>

#include "system.h"

namespace hc::setup {

// Starts the first of the system's settings commands that starts, without waiting for it
// and without a shell, so nothing in a path is read as a command; false when none did.
bool StartDisplaySettings(System& system, const std::string& target_folder,
                          const std::string& installed_file);

}  // namespace hc::setup
