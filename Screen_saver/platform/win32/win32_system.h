#pragma once
// The system services Windows gives without any window: the program's folder and claim,
// drive letters, the clock, files in the system's code page, the system folder and
// starting programs. The backend adds the screen, pictures, boxes and choosers.

#include <string>
#include <vector>

#include "standard_files.h"

namespace hc::win32 {

// The argument text of a command line: what follows the program's name (quoted or not)
// and the blanks after it.
std::string ArgumentsOf(const std::wstring& command_line);

// One command line from arguments, each quoted only where it needs to be, so that the
// started program's own parsing gives back the same arguments.
std::wstring CommandLineOf(const std::vector<std::string>& argv);

class Win32System : public StandardFiles {
 public:
  Win32System();
  ~Win32System() override;

  std::string ProgramFolder() override;
  std::string CommandLine() override;
  bool AnotherInstance() override;
  std::string DriveOf(const std::string& path) override;
  DateTime Now() override;
  std::vector<std::string> Drives() override;
  std::string SystemFolder() override;
  std::string UserDataFolder() override;
  std::string ScreensaverFileName() override { return "HalvekClock.scr"; }
  std::vector<std::vector<std::string>> ScreensaverSettingsCommands(
      const std::string& target_folder, const std::string& installed_file) override;
  ScreensaverRegistration RegisterScreensaver(const std::string& installed_file) override;
  bool StartCommand(const std::vector<std::string>& argv) override;
  char DecimalSeparator() override;
  void SetCursorPos(int x, int y) override;
  // 8-bit text in the system's ANSI code page, as files written by earlier versions hold.
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
  FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::optional<std::string> PathForTextFile(const std::string& path) override;

 private:
  void* mutex_ = nullptr;
};

}  // namespace hc::win32
