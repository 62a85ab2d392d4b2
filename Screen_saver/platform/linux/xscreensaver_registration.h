#pragma once
// Adds a screensaver to the X screensaver's per-user list of programs.

#include <string>

#include "system.h"

namespace hc::xscreensaver {

// Adds the entry for `installed_file` to the list in `list_file` (~/.xscreensaver), through a
// temporary file, after keeping the former text as `list_file` + ".bak". A missing list file
// is created only when `daemon_installed`: without the daemon nobody would read it.
ScreensaverRegistration Register(const std::string& list_file, const std::string& installed_file,
                                 bool daemon_installed);

}  // namespace hc::xscreensaver
