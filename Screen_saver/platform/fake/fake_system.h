#pragma once
// A system for logic tests: real files in a temporary folder, a virtual clock, scripted
// message boxes and modal dialogs, and a record of everything the program asked for.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../standard_files.h"

namespace hc::fake {

// A picture that knows only its size and source.
class FakePicture : public PictureData {
 public:
  using PictureData::PictureData;
};

// Reads the size from a GIF, BMP or JPEG header; nothing for anything else.
Picture DecodeHeader(const std::vector<std::uint8_t>& bytes, const std::string& source);

struct MessageRecord {
  std::string text;
  MsgButtons buttons;
  MsgIcon icon;
  std::string title;
};

class FakeSystem : public StandardFiles {
 public:
  FakeSystem();

  // Settings of the scripted world.
  std::string program_folder;
  std::string command_line;
  bool another_instance = false;
  bool in_hosts_window = false;
  ScreenSize screen{15360, 11520};
  double twips_per_screen_pixel = kTwipsPerPixel;
  DateTime start_time{2026, 12, 9, 10, 8, 0};
  std::int64_t elapsed_ms = 0;  // advanced by the event pump
  char decimal_separator = '.';
  std::string system_folder = "/usr/libexec/xscreensaver";
  std::string screensaver_file_name = "HalvekClock";
  bool start_command_works = true;
  // The answer to every registration of a screensaver.
  ScreensaverRegistration registration;
  // Answers for the next message boxes, in order; OK when none is left.
  std::deque<MsgResult> answers;
  // Answers of the colour and font choosers, in order; a cancel when none is left.
  std::deque<std::optional<Color>> color_answers;
  std::deque<std::optional<FontChoice>> font_answers;
  // Folders that behave like a drive that is not ready.
  std::vector<std::string> unready_folders;
  // Files that exist but cannot be read (as for another user's file without read rights).
  std::vector<std::string> unreadable_files;
  // Paths that cannot be written, copied to or removed, as on a read-only medium; a folder
  // given here covers everything inside it.
  std::vector<std::string> read_only_paths;
  // Folders that are drives of their own, as mounted media are: a path inside one has it
  // as its drive, and the drive list offers them after the program folder's drive.
  std::vector<std::string> mounted_drives;
  // Paths the text files cannot spell, with the other name each has (nothing: none), as
  // Windows' short names under a code page without their letters.
  std::map<std::string, std::optional<std::string>> text_file_paths;
  // The user's own folder; empty: none.
  std::string user_data_folder;
  // Runs while a window is shown modally; it must hide the window to return.
  std::function<void(Window&)> modal_script;

  // What the program did.
  std::vector<MessageRecord> messages;
  std::vector<std::pair<int, int>> cursor_moves;
  std::vector<std::vector<std::string>> started_commands;
  std::vector<std::string> registered_screensavers;
  std::vector<std::string> modal_windows;
  std::vector<Color> color_chooser_opened_with;
  std::vector<FontChoice> font_chooser_opened_with;
  // The language the choosers were last told to speak.
  std::optional<DialogLanguage> dialog_language;
  bool ended = false;

  std::string ProgramFolder() override { return program_folder; }
  std::string CommandLine() override { return command_line; }
  bool AnotherInstance() override { return another_instance; }
  std::string DriveOf(const std::string& path) override;
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
  FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
  std::optional<std::string> PathForTextFile(const std::string& path) override;
  FileError FileCopy(const std::string& from, const std::string& to) override;
  FileError RemoveFile(const std::string& path) override;
  bool FolderWritable(const std::string& folder) override;
  std::string UserDataFolder() override { return user_data_folder; }
  ScreenSize Screen() override { return screen; }
  double TwipsPerScreenPixel() override { return twips_per_screen_pixel; }
  DateTime Now() override;
  Picture LoadPicture(const std::string& path, std::string* error) override;
  Picture DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) override;
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
  void RunModal(Window& window) override;
  std::optional<Color> AskColor(Color initial) override;
  std::optional<FontChoice> AskFont(const FontChoice& initial) override;
  void SetDialogLanguage(DialogLanguage language) override { dialog_language = language; }
  bool InHostsWindow() override { return in_hosts_window; }
  std::vector<std::string> Drives() override;
  FileError CheckFolder(const std::string& folder) override;
  char DecimalSeparator() override { return decimal_separator; }
  void SetCursorPos(int x, int y) override { cursor_moves.emplace_back(x, y); }
  std::string SystemFolder() override { return system_folder; }
  std::string ScreensaverFileName() override { return screensaver_file_name; }
  // Two commands, so that a test sees the second tried when the first does not start.
  std::vector<std::vector<std::string>> ScreensaverSettingsCommands(
      const std::string& target_folder, const std::string& installed_file) override {
    return {{"screensaver-settings", installed_file}, {"open-folder", target_folder}};
  }
  ScreensaverRegistration RegisterScreensaver(const std::string& installed_file) override {
    registered_screensavers.push_back(installed_file);
    return registration;
  }
  bool StartCommand(const std::vector<std::string>& argv) override;
  void EndProgram() override { ended = true; }
  bool Ended() override { return ended; }

 private:
  // Why `path` may not be changed; empty when it may.
  FileError ReadOnly(const std::string& path);
};

// Adds whole seconds to a date and time, across days, months and years.
DateTime AddSeconds(const DateTime& t, std::int64_t seconds);

}  // namespace hc::fake
