#include "program_info.h"

namespace hc {

std::optional<std::string> RequestedProgramInfo(const std::vector<std::string>& arguments,
                                                const std::string& version) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return HelpText();
    if (argument == "--version") return VersionText(version);
  }
  return std::nullopt;
}

std::string HelpText() {
  return "Usage: HalvekClock [/s | /c | /p | --root | --window-id ID]\n"
         "A clock screensaver: three coloured circles orbit a centre picture.\n"
         "\n"
         "Run modes, as a screensaver host gives them:\n"
         "  /s          run the clock full screen (also with no argument, or any other);\n"
         "              a character key or the sixth mouse move ends it, the key 1 opens\n"
         "              the options dialog\n"
         "  /c          open the options dialog over the running clock\n"
         "  /p          write a missing settings file and end at once (a preview)\n"
         "\n"
         "As a hack of the X screensaver, drawing into a window the daemon owns:\n"
         "  --root, -root\n"
         "              draw into the window XSCREENSAVER_WINDOW names, else the root\n"
         "              window\n"
         "  --window-id ID, -window-id ID\n"
         "              draw into the window ID (decimal, or hex with 0x)\n"
         "\n"
         "  -h, --help  print this help and end\n"
         "  --version   print the version and end\n"
         "\n"
         "Settings: Halvek_Clock.ini beside the program or, when its folder cannot be\n"
         "written, in $XDG_CONFIG_HOME/HalvekClock/ (by default ~/.config/HalvekClock/).\n"
         "One clock runs per user on each display; its lock lives in $XDG_RUNTIME_DIR.\n";
}

std::string VersionText(const std::string& version) {
  return "HalvekClock " + version + "\n";
}

}  // namespace hc
