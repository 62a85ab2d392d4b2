#include "display_settings.h"

namespace hc::setup {

std::vector<CommandLine> DisplaySettingsCommands(const std::string& target_folder,
                                                 const std::string& installed_file) {
#ifdef _WIN32
  (void)target_folder;
  return {{"rundll32", "desk.cpl,", "InstallScreenSaver", installed_file}};
#else
  // The X screensaver's settings take no program from the command line (they refuse any
  // file argument), so they are opened as they are; its older releases call them "demo".
  // Without it, the file manager shows the folder that now holds the screensaver.
  (void)installed_file;
  return {{"xscreensaver-settings"}, {"xscreensaver-demo"}, {"xdg-open", target_folder}};
#endif
}

bool StartDisplaySettings(System& system, const std::string& target_folder,
                          const std::string& installed_file) {
  for (const CommandLine& command : DisplaySettingsCommands(target_folder, installed_file))
    if (system.StartCommand(command)) return true;
  return false;
}

}  // namespace hc::setup
