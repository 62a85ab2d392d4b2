#pragma once
// The system services both programs ask of their platform. Each backend gives its
// platform's natural equivalent; a test double gives scripted answers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/picture.h"
#include "model/window.h"

namespace hc {

struct ScreenSize {
  std::int64_t width = 0;  // twips
  std::int64_t height = 0;
};

// Local date and time in whole seconds.
struct DateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;

  // The time of day as a fraction of a day.
  double TimeOfDay() const { return (hour * 3600.0 + minute * 60.0 + second) / 86400.0; }
};

enum class MsgButtons { kOk, kOkCancel };
enum class DialogLanguage { kEnglish, kRussian };
enum class MsgIcon { kNone, kInformation };
enum class MsgResult { kOk, kCancel };

// A font as the font chooser offers it: face, size and colour, no style.
struct FontChoice {
  std::string name;
  double size = 8.25;
  Color color = 0;
};

// The outcome of a file operation: empty when it worked, otherwise what went wrong.
struct FileError {
  std::string message;
  explicit operator bool() const { return !message.empty(); }
};

// What became of handing an installed screensaver to the desktop's list of screensavers.
struct ScreensaverRegistration {
  enum class Outcome {
    kNoList,  // the desktop keeps no list this could join
    kAdded,
    kListedAlready,
    kFailed,
  };
  Outcome outcome = Outcome::kNoList;
  // The file that holds the list.
  std::string list;
  // Where the list's former text is kept, when there was one to keep.
  std::string backup;
  // What went wrong.
  std::string detail;

  bool operator==(const ScreensaverRegistration&) const = default;
};

class System {
 public:
  virtual ~System() = default;

  // The running program's folder, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // The argument text the program was started with.
  virtual std::string CommandLine() = 0;
  // True when the same program already runs for this user; otherwise this run holds the
  // claim until it ends (a crashed run leaves nothing behind).
  virtual bool AnotherInstance() = 0;
  // What joins a folder and a name: "\" on Windows, "/" elsewhere.
  virtual std::string PathSeparator() = 0;
  // The part of a path that names its drive, as a folder to open ("C:\" on Windows; the mount
  // point elsewhere).
  virtual std::string DriveOf(const std::string& path) = 0;

  virtual ScreenSize Screen() = 0;
  // The twips one pixel of the screen covers: kTwipsPerPixel on a screen of standard
  // density, fewer on a denser one.
  virtual double TwipsPerScreenPixel() { return kTwipsPerPixel; }
  virtual DateTime Now() = 0;

  // Bare names of the ordinary (not hidden) files matching `pattern` (a folder, the separator and a
  // wildcard pattern matched without regard to case), in listing order. A folder path
  // ending in the separator matches every ordinary file in it; a plain path matches itself.
  virtual std::vector<std::string> ListFiles(const std::string& pattern) = 0;
  // Whether files can be made in the folder.
  virtual bool FolderWritable(const std::string& folder) = 0;
  // The file that saving the user's own file at `path` replaces: the file named by a link the
  // user keeps there (a dotfiles folder), else `path` itself. Writes replace a link itself.
  virtual std::string UsersFileAt(const std::string& path) = 0;
  // Makes the folder and the folders above it that are missing.
  virtual FileError MakeFolder(const std::string& folder) = 0;
  // The user's own folder for the program's settings and pictures, used when the program's
  // folder cannot be written; empty where there is none.
  virtual std::string UserDataFolder() = 0;
  // The first match of ListFiles, or empty: the existence test.
  std::string FirstFile(const std::string& pattern) {
    auto names = ListFiles(pattern);
    return names.empty() ? std::string() : names.front();
  }
  // Replaces the target; written to a temporary name first, so a failed copy leaves it whole.
  virtual FileError FileCopy(const std::string& from, const std::string& to) = 0;
  virtual FileError RemoveFile(const std::string& path) = 0;
  // The lines of a text file without their line ends; nothing when it cannot be read.
  virtual std::optional<std::vector<std::string>> ReadLines(const std::string& path) = 0;
  // Creates or replaces the file, each line ending in CR LF, through a temporary name.
  virtual FileError WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
  // The path as a line of those text files can hold it: itself, or another name of the same
  // file or folder where the files' character set has no letter for part of it; nothing
  // when it has no such name.
  virtual std::optional<std::string> PathForTextFile(const std::string& path) = 0;

  // GIF, JPEG or BMP, told by content; an empty picture and `error` set when it cannot be.
  virtual Picture LoadPicture(const std::string& path, std::string* error = nullptr) = 0;
  virtual Picture DecodePicture(const std::vector<std::uint8_t>& bytes,
                                const std::string& name) = 0;

  virtual MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;
  // Shows the window modally and returns when it hides.
  virtual void RunModal(Window& window) = 0;

  // Whether the program draws into a window a screensaver host owns, which keeps keys and
  // mouse for itself.
  virtual bool InHostsWindow() { return false; }
  // The language the system's own choosers speak, where the platform lets a program choose;
  // elsewhere they speak the system's.
  virtual void SetDialogLanguage(DialogLanguage) {}
  // The colour and font choosers; nothing when the user cancels.
  virtual std::optional<Color> AskColor(Color initial) = 0;
  virtual std::optional<FontChoice> AskFont(const FontChoice& initial) = 0;

  // The drives a user picks from: drive letters on Windows; elsewhere the root, the home
  // folder's file system and removable media.
  virtual std::vector<std::string> Drives() = 0;
  // The folders directly inside a folder, by name.
  virtual std::vector<std::string> SubFolders(const std::string& folder) = 0;
  // Why a folder cannot be opened (a drive that is not ready, a missing folder); empty when it can.
  virtual FileError CheckFolder(const std::string& folder) = 0;

  // The user's decimal separator.
  virtual char DecimalSeparator() = 0;
  // Moves the mouse pointer to screen pixel (x, y).
  virtual void SetCursorPos(int x, int y) = 0;

  // The folder the desktop takes screensavers from.
  virtual std::string SystemFolder() = 0;
  // The screensaver program's file name on this platform.
  virtual std::string ScreensaverFileName() = 0;
  // The commands that hand an installed screensaver to the desktop's screensaver settings,
  // best first; the installer starts the first that starts.
  virtual std::vector<std::vector<std::string>> ScreensaverSettingsCommands(
      const std::string& target_folder, const std::string& installed_file) = 0;
  // Adds the installed screensaver to the desktop's list of screensavers, unless the list
  // names it already; a list that is changed keeps a copy of its former text.
  virtual ScreensaverRegistration RegisterScreensaver(const std::string& installed_file) = 0;
  // Starts a program without a shell and without waiting; false when it could not start.
  virtual bool StartCommand(const std::vector<std::string>& argv) = 0;

  // Ends the program at once: windows close, timers stop, no handler runs afterwards.
  virtual void EndProgram() = 0;
  virtual bool Ended() = 0;
};

}  // namespace hc
