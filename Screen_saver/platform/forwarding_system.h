#pragma once
// A system that passes every service on to another one. Derive from it to change a few
// answers of a real system (another program folder, a fixed clock, a failing disk) and
// keep the rest as they are.

#include "system.h"

namespace hc {

class ForwardingSystem : public System {
 public:
  explicit ForwardingSystem(System& inner) : inner_(inner) {}

  std::string ProgramFolder() override { return inner_.ProgramFolder(); }
  std::string CommandLine() override { return inner_.CommandLine(); }
  bool AnotherInstance() override { return inner_.AnotherInstance(); }
  std::string PathSeparator() override { return inner_.PathSeparator(); }
  std::string DriveOf(const std::string& path) override { return inner_.DriveOf(path); }
  ScreenSize Screen() override { return inner_.Screen(); }
  double TwipsPerScreenPixel() override { return inner_.TwipsPerScreenPixel(); }
  DateTime Now() override { return inner_.Now(); }
  std::vector<std::string> ListFiles(const std::string& pattern) override {
    return inner_.ListFiles(pattern);
  }
  FileError FileCopy(const std::string& from, const std::string& to) override {
    return inner_.FileCopy(from, to);
  }
  FileError RemoveFile(const std::string& path) override { return inner_.RemoveFile(path); }
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override {
    return inner_.ReadLines(path);
  }
  FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
    return inner_.WriteLines(path, lines);
  }
  Picture LoadPicture(const std::string& path, std::string* error = nullptr) override {
    return inner_.LoadPicture(path, error);
  }
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override {
    return inner_.DecodePicture(bytes, name);
  }
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
    return inner_.MsgBox(text, buttons, icon, title);
  }
  void RunModal(Window& window) override { inner_.RunModal(window); }
  std::optional<Color> AskColor(Color initial) override { return inner_.AskColor(initial); }
  std::optional<FontChoice> AskFont(const FontChoice& initial) override {
    return inner_.AskFont(initial);
  }
  std::vector<std::string> Drives() override { return inner_.Drives(); }
  std::vector<std::string> SubFolders(const std::string& folder) override {
    return inner_.SubFolders(folder);
  }
  FileError CheckFolder(const std::string& folder) override { return inner_.CheckFolder(folder); }
  bool FolderWritable(const std::string& folder) override { return inner_.FolderWritable(folder); }
  std::string UsersFileAt(const std::string& path) override { return inner_.UsersFileAt(path); }
  std::optional<std::string> PathForTextFile(const std::string& path) override {
    return inner_.PathForTextFile(path);
  }
  void SetDialogLanguage(DialogLanguage language) override { inner_.SetDialogLanguage(language); }
  bool InHostsWindow() override { return inner_.InHostsWindow(); }
  FileError MakeFolder(const std::string& folder) override { return inner_.MakeFolder(folder); }
  std::string UserDataFolder() override { return inner_.UserDataFolder(); }
  char DecimalSeparator() override { return inner_.DecimalSeparator(); }
  void SetCursorPos(int x, int y) override { inner_.SetCursorPos(x, y); }
  std::string SystemFolder() override { return inner_.SystemFolder(); }
  std::string ScreensaverFileName() override { return inner_.ScreensaverFileName(); }
  std::vector<std::vector<std::string>> ScreensaverSettingsCommands(
      const std::string& target_folder, const std::string& installed_file) override {
    return inner_.ScreensaverSettingsCommands(target_folder, installed_file);
  }
  ScreensaverRegistration RegisterScreensaver(const std::string& installed_file) override {
    return inner_.RegisterScreensaver(installed_file);
  }
  bool StartCommand(const std::vector<std::string>& argv) override {
    return inner_.StartCommand(argv);
  }
  void EndProgram() override { inner_.EndProgram(); }
  bool Ended() override { return inner_.Ended(); }

 private:
  System& inner_;
};

}  // namespace hc
