#include "frmFILE.h"

#include <cstdint>
#include <string_view>

#include "Form1.h"
#include "Form2.h"
#include "Module1.h"
#include "number_text.h"

namespace hc {

frmFILE::frmFILE(Form1& clock, Form2& options, Module1& module, System& system)
    : Drive1(window.Add<DriveList>("Drive1")),
      Dir1(window.Add<DirList>("Dir1")),
      txtFP(window.Add<TextBox>("txtFP")),
      File1(window.Add<FileList>("File1")),
      lblSlideTime(window.Add<Label>("lblSlideTime")),
      txtST(window.Add<TextBox>("txtST")),
      cmdNO(window.Add<Button>("cmdNO")),
      cmdОК(window.Add<Button>("cmdОК")),
      lblSovet(window.Add<Label>("lblSovet")),
      imgPREW(window.Add<Image>("imgPREW")),
      clock_(clock),
      options_(options),
      module_(module),
      system_(system) {
  window.SetCaption("File manager");
  window.Resize(5325, 2640);
  Drive1.Move(0, 120, 2055, 315);
  Dir1.Move(0, 495, 2055, 1665);
  txtFP.Move(0, 2220, 4140, 360);
  File1.Move(2100, 120, 2055, 1650);
  File1.SetPattern("*.gif;*.jpg;*.bmp");
  // The period box sits inside the run of blanks of the label around it.
  lblSlideTime.Move(2140, 1890, 1935, 255);
  lblSlideTime.SetText("      Slide period             sec");
  lblSlideTime.SetTransparent(true);
  txtST.Move(3360, 1800, 375, 350);
  txtST.SetText("5");
  cmdNO.Move(4440, 1800, 855, 375);
  cmdNO.SetText("Cancel");
  cmdNO.SetCancel(true);
  cmdОК.Move(4200, 2220, 1095, 375);
  cmdОК.SetText("OK");
  cmdОК.SetDefault(true);
  lblSovet.Move(4200, 1000, 855, 735);
  lblSovet.SetText("49 x 49 px    black back  gif");
  lblSovet.SetFont(Font("Arial Narrow", 8.25, false, kCharsetCyrillic));
  imgPREW.Move(4200, 120, 1095, 850);

  Drive1.on_change = [this] { Drive1_Change(); };
  Dir1.on_change = [this] { Dir1_Change(); };
  File1.on_click = [this] { File1_Click(); };
  File1.on_double_click = [this] { File1_DblClick(); };
  cmdОК.on_click = [this] { cmdОК_Click(); };
  cmdNO.on_click = [this] { cmdNO_Click(); };
  window.on_close_request = [this] { cmdNO_Click(); };
  Form_Load();
}

void frmFILE::Form_Load() {
  window.Move(options_.window.Left() + options_.window.Width(), options_.window.Top());
}

namespace {

const char kAttention[] = "Attention";

// A period text may not hold a Latin or Cyrillic letter, a comma or a hyphen.
bool HasRefusedCharacter(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    char32_t code = c;
    int length = 1;
    if (c >= 0xC0 && c < 0xE0 && i + 1 < utf8.size()) {
      code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
      length = 2;
    }
    if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || code == ',' ||
        code == '-' || (code >= U'а' && code <= U'я') || (code >= U'А' && code <= U'Я'))
      return true;
    i += length;
  }
  return false;
}

}  // namespace

void frmFILE::PrepareJob(Job job, const std::string& hint) {
  File1.SetHeight(job == Job::kSlideShow ? 1800 : 2040);
  lblSovet.SetText(hint);
  // The period serves the slide show only; the longer list covers its place otherwise.
  txtST.SetVisible(job == Job::kSlideShow);
  lblSlideTime.SetVisible(job == Job::kSlideShow);
}

void frmFILE::Drive1_Change() {
  if (const FileError error = system_.CheckFolder(Drive1.Drive())) {
    txtFP.SetText(error.message);
    return;
  }
  Dir1.SetPath(Drive1.Drive());
  txtFP.SetText(Dir1.Path());
}

void frmFILE::Dir1_Change() {
  File1.SetPath(Dir1.Path());
  txtFP.SetText(File1.Path());
}

std::string frmFILE::SelectedPath() const {
  const std::string& folder = File1.Path();
  const std::string separator = system_.PathSeparator();
  const bool ends =
      folder.size() >= separator.size() &&
      folder.compare(folder.size() - separator.size(), separator.size(), separator) == 0;
  return folder + (ends ? "" : separator) + File1.FileName();
}

void frmFILE::File1_Click() {
  const std::string path = SelectedPath();
  if (Picture p = system_.LoadPicture(path)) imgPREW.SetPicture(p);
  txtFP.SetText(path);
}

void frmFILE::File1_DblClick() {
  txtFP.SetText(SelectedPath());
  cmdОК.Press();
}

void frmFILE::cmdОК_Click() {
  if (imgPREW.Stretch()) {
    ChooseBackground();
  } else if (!Dir1.Path().empty() && options_.optPIC(2).Value()) {
    ChooseSlideFolder();
  } else {
    ChooseCentrePicture();
  }
}

void frmFILE::ChooseBackground() {
  const std::string chosen = txtFP.Text();
  const std::string background = clock_.UserFiles().ForReading(kBackgroundFile);
  if (chosen != background) {
    // Only a readable picture may replace the background, and only once the old one is kept.
    std::string reason;
    if (!system_.LoadPicture(chosen, &reason)) {
      system_.MsgBox(module_.MsgNoPicture + "\r\n" + reason, MsgButtons::kOk, MsgIcon::kInformation,
                     kAttention);
      return;
    }
    const std::string kept = clock_.UserFiles().ForWriting(kKeptBackgroundFile);
    const bool had_background = !system_.FirstFile(background).empty();
    // A second choice before Save or Cancel keeps the picture kept by the first: that one
    // is what Cancel must put back.
    FileError error;
    if (system_.FirstFile(kept).empty())
      error = system_.FileCopy(had_background ? background : chosen, kept);
    if (!error) error = system_.FileCopy(chosen, clock_.UserFiles().ForWriting(kBackgroundFile));
    if (error) {
      system_.MsgBox(module_.MsgFileFailed + "\r\n" + error.message, MsgButtons::kOk,
                     MsgIcon::kInformation, kAttention);
      return;
    }
    clock_.DoBackGround();
  }
  window.Hide();
}

void frmFILE::ChooseSlideFolder() {
  const std::string text = txtST.Text();
  const auto seconds = HasRefusedCharacter(text) ? std::nullopt : ParseNumber(text, '.');
  // The period must be at least the timer's millisecond and fit the slide timer.
  if (!seconds || *seconds * 1000 < 1 || *seconds * 1000 > static_cast<double>(kMaxTimerInterval)) {
    system_.MsgBox(module_.MsgSlidePeriod, MsgButtons::kOkCancel, MsgIcon::kNone, kAttention);
    return;
  }
  module_.SlideShowTime = static_cast<float>(*seconds);
  options_.txtOUT.SetText(File1.Path() + system_.PathSeparator());
  module_.PicCenter = options_.txtOUT.Text();
  clock_.StartSlideShow();
  window.Hide();
}

void frmFILE::ChooseCentrePicture() {
  if (File1.FileName().empty()) {
    const MsgResult answer =
        system_.MsgBox(module_.MsgNoFile, MsgButtons::kOkCancel, MsgIcon::kNone, kAttention);
    if (answer == MsgResult::kCancel) window.Hide();
    return;
  }
  const std::string path = SelectedPath();
  options_.txtOUT.SetText(path);
  window.Hide();
  std::string reason;
  if (Picture p = system_.LoadPicture(path, &reason)) {
    clock_.Pict(0).SetPicture(p);
  } else {
    system_.MsgBox(module_.MsgNoPicture + "\r\n" + reason, MsgButtons::kOk, MsgIcon::kInformation,
                   kAttention);
  }
}

void frmFILE::cmdNO_Click() {
  window.Hide();
  for (int i = 0; i <= 2; ++i) options_.optPIC(i).SetValue(false);
}

}  // namespace hc
