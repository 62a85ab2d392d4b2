#pragma once
// Puts the screensaver's files from the installer's folder into the target folder, and
// says for each file what became of it.

#include <array>
#include <string>
#include <vector>

#include "system.h"

namespace hc::setup {

inline constexpr char kBackgroundFile[] = "Halvek_Clock_bg.jpg";
inline constexpr char kDialogControlFile[] = "Comdlg32.ocx";
// The background for screens 1280 pixels wide, and where the usual one waits meanwhile.
inline constexpr char kWideBackgroundFile[] = "Halvek_Clock_bg2.jpg";
inline constexpr char kKeptBackgroundFile[] = "Halvek_Clock_tmp.jpg";
inline constexpr double kWideScreenTwips = 19200;

// What is copied, in this order: the screensaver under its name on this platform first.
std::array<std::string, 3> SetupFiles(System& system);

enum class Outcome {
  kCopied,
  // The dialog control file is already in the target folder and stays as it is.
  kExistsAlready,
  kTargetUnusable,
  kNotWritten,
  // The wide-screen background was not used: the usual one is missing beside it...
  kSwapNeedsBackground,
  // ...or a file under the kept name is there already and would be lost.
  kSwapNameTaken,
  // The usual background could not be put back; it waits under the kept name.
  kNotRestored,
  // The usual background is back, but the copy under the kept name stayed.
  kNotDeleted,
};

struct FileResult {
  std::string name;
  Outcome outcome;
  // What the platform said went wrong, when it said anything.
  std::string detail;

  bool operator==(const FileResult&) const = default;
};

// Copies SetupFiles from `source` to `target`, with the wide-screen background in place of
// the usual one on a screen of that width. Files missing from `source` are left out of the
// result; the rest appear in the order things happened: the swap, SetupFiles in order, the
// swap's undo. `source` ends as it began.
std::vector<FileResult> InstallFiles(System& system, const std::string& source,
                                     const std::string& target);

}  // namespace hc::setup
