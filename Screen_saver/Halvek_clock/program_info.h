#pragma once
// What the program says about itself when a user asks on the command line, before any
// window or display is needed. No screensaver host passes these arguments, so every other
// argument still starts the clock.

#include <optional>
#include <string>
#include <vector>

namespace hc {

// The text for `--help` / `-h` or `--version`, when one of the arguments (after the
// program's name) asks for it; nothing when the clock should start. The first such argument
// decides.
std::optional<std::string> RequestedProgramInfo(const std::vector<std::string>& arguments,
                                                const std::string& version);

std::string HelpText();
std::string VersionText(const std::string& version);

}  // namespace hc
