#pragma once
// The arguments by which a screensaver host (such as the X screensaver daemon) asks the
// program to draw into a window of the host's instead of a full-screen window of its own.

#include <optional>
#include <string>
#include <vector>

namespace hc::host {

struct HostWindowRequest {
  bool hosted = false;
  // The window to draw into; 0 for the root window.
  unsigned long window = 0;
  // Why the arguments could not be used; empty when they could.
  std::string error;
};

// A window id in decimal or in hexadecimal after "0x"; nothing for anything else.
std::optional<unsigned long> ParseWindowId(const std::string& text);

// Takes "--root"/"-root" and "--window-id ID"/"-window-id ID" out of `args`. With "--root"
// the window the host names in `xscreensaver_window` (its environment variable) wins over
// the root window; "--window-id" names the window itself.
HostWindowRequest TakeHostWindowArguments(std::vector<std::string>& args,
                                          const char* xscreensaver_window);

}  // namespace hc::host
