#pragma once
// The programs list of the X screensaver's per-user resource file (~/.xscreensaver): one
// resource whose value spans lines joined by backslash-newline, its entries parted by "\n"
// escapes, each an optional "-" (disabled), an optional visual ("GL:"), an optional quoted
// label and a shell command.

#include <optional>
#include <string>

namespace hc::xscreensaver {

// The folder whose programs the daemon runs by bare name.
inline constexpr char kHacksFolder[] = "/usr/libexec/xscreensaver";

// The entry's command for a screensaver installed as `installed_file`: a bare name in the
// hacks folder, otherwise the full path, quoted for the shell when it needs to be.
std::string HackCommand(const std::string& installed_file);

// `text` with an entry for `command` below the line that starts its programs list (one is added
// when there is none); nothing when an entry already runs or is labelled `program_name`, enabled or
// not. Everything else in the text stays as it was.
std::optional<std::string> WithProgram(const std::string& text, const std::string& program_name,
                                       const std::string& command);

}  // namespace hc::xscreensaver
