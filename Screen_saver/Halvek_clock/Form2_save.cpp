// Save and Cancel: the two ways out of the options dialog.

#include "Form1.h"
#include "Form2.h"
#include "settings_file.h"

namespace hc {

namespace {
const char kAttention[] = "Attention";
}

void Form2::cmdOK_Click(int Index) {
  if (Index == 0)
    Save();
  else
    Cancel();
}

void Form2::ReportFailure(const std::string& heading, const FileError& error) {
  system_.MsgBox(heading + "\r\n" + error.message, MsgButtons::kOk, MsgIcon::kInformation,
                 kAttention);
}

void Form2::Save() {
  const std::string path = txtOUT.Text();
  if (path.empty()) {
    module_.PicCenter = optPIC(0).Text();
  } else if (!system_.FirstFile(path).empty()) {
    if (!optPIC(0).Value()) {
      const std::optional<std::string> stored = system_.PathForTextFile(path);
      if (!stored) {
        // A path written as the code page spells it would name nothing at the next start:
        // the dialog stays open for another choice.
        system_.MsgBox(module_.MsgPathNotKept + "\r\n" + path, MsgButtons::kOk,
                       MsgIcon::kInformation, kAttention);
        return;
      }
      module_.PicCenter = *stored;
    }
  } else {
    system_.MsgBox(module_.MsgPicNotFound, MsgButtons::kOk, MsgIcon::kInformation, kAttention);
    system_.EndProgram();
    return;
  }

  SavedDisplay shown;
  shown.back = chkBG(0).Value();
  shown.hours = clock_.lblS(2).ForeColor();
  shown.minutes = clock_.lblS(1).ForeColor();
  shown.seconds = clock_.lblS(0).ForeColor();
  shown.circles = clock_.ShapeS(2).FillColor();
  shown.hours_size = clock_.lblS(2).GetFont().Size();
  shown.font_name = clock_.lblS(2).GetFont().Name();
  shown.clock2 = chkBG(1).Value();
  const auto lines = SaveSettingsLines(module_, shown, system_.DecimalSeparator());
  if (const FileError error =
          system_.WriteLines(clock_.UserFiles().ForWriting(kSettingsFile), lines)) {
    // Ending here would lose every choice: the dialog stays open for another try.
    ReportFailure(module_.MsgNotSaved, error);
    return;
  }

  const std::string kept = clock_.UserFiles().ForReading(kKeptBackgroundFile);
  if (!system_.FirstFile(kept).empty()) {
    // A kept picture left behind means "not saved" to the next start, which puts it back:
    // the dialog stays open until it is gone or the user cancels.
    if (const FileError error = system_.RemoveFile(kept)) {
      ReportFailure(module_.MsgFileFailed, error);
      return;
    }
  }
  system_.EndProgram();
}

void Form2::Cancel() {
  if (const FileError error = RestoreKeptBackground()) ReportFailure(module_.MsgFileFailed, error);
  system_.EndProgram();
}

FileError Form2::RestoreKeptBackground() {
  const std::string kept = clock_.UserFiles().ForReading(kKeptBackgroundFile);
  if (system_.FirstFile(kept).empty()) return {};
  // The kept picture is removed only once it is back in place.
  if (FileError error = system_.FileCopy(kept, clock_.UserFiles().ForWriting(kBackgroundFile)))
    return error;
  return system_.RemoveFile(kept);
}

}  // namespace hc
