#pragma once
// The system services on Linux with Qt.

#include <QLocale>
#include <string>
#include <vector>

#include "instance_lock.h"
#include "posix_files.h"

namespace hc::qt {

class Session;

// The first character of a locale's decimal separator; "." when that is not ASCII.
char DecimalSeparatorOf(const QLocale& locale);

class QtSystem : public PosixFiles {
 public:
  // `arguments` are those after the program name.
  QtSystem(Session& session, const std::vector<std::string>& arguments);

  Session& GetSession() { return session_; }

  std::string ProgramFolder() override;
  std::string CommandLine() override { return command_line_; }
  bool AnotherInstance() override;
  std::string DriveOf(const std::string& path) override;
  ScreenSize Screen() override;
  DateTime Now() override;
  Picture LoadPicture(const std::string& path, std::string* error) override;
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override;
  MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  void RunModal(Window& window) override;
  std::optional<Color> ChooseColor(Color initial) override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
  std::vector<std::string> Drives() override;
  std::vector<std::string> SubFolders(const std::string& folder) override;
  FileError CheckFolder(const std::string& folder) override;
  char DecimalSeparator() override;
  void SetCursorPos(int x, int y) override;
  std::string SystemFolder() override;
  bool StartCommand(const std::vector<std::string>& argv) override;
  void EndProgram() override;
  bool Ended() override;

 private:
  Session& session_;
  std::string command_line_;
  InstanceLock lock_;
};

}  // namespace hc::qt
