// Start-up, run modes and the rules that end the program.

#include <algorithm>
#include <cctype>
#include <cmath>

#include "Form1.h"
#include "Form2.h"
#include "builtin.h"
#include "frmFILE.h"
#include "number_text.h"
#include "settings_file.h"

namespace hc {

namespace {

constexpr std::int16_t kMaxCount = 32767;

std::int32_t Whole(double twips) {
  return static_cast<std::int32_t>(std::lround(twips));
}

std::string TrimmedLower(std::string text) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
  text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

void Form1::Form_Load() {
  if (system_.AnotherInstance()) {
    system_.EndProgram();
    return;
  }
  // A run that ended with a background chosen but neither saved nor cancelled left the
  // former picture kept: it goes back first, or the next choice would copy over it. A
  // picture that cannot be put back stays kept for the next start.
  (void)Options().RestoreKeptBackground();
  window.SetFullScreen(true);
  Timer4.SetInterval(1000);
  Timer4.SetEnabled(true);

  const ScreenSize screen = system_.Screen();
  ScreenH = static_cast<std::int32_t>(screen.height);
  ScreenW = static_cast<std::int32_t>(screen.width);
  window.Move(0, 0);
  window.Resize(ScreenW, ScreenH);
  StartTime = system_.Now().TimeOfDay();

  PlaceHint();
  lblF1.SetForeColor(Rgb(90, 90, 90));
  // In a screensaver host's window the key is the host's: it ends the screensaver.
  if (system_.InHostsWindow()) lblF1.SetVisible(false);

  module.HintPicture = Files().lblSovet.Text();
  module.IniValue = DefaultIniTable();
  ReadSettings();

  picTMP1.SetPicture(Pict(0).GetPicture());
  Options().picTMP.SetPicture(picTMP1.GetPicture());
  ApplyCentrePicture();

  CreateCircles();
  DoBackGround();
  RazmerKrugov();

  Form2& options = Options();
  if (Clock2Setting()) options.chkBG(1).SetValue(1);
  const char sep = system_.DecimalSeparator();
  const auto back = ParseInt32(module.IniValue[kBack], sep);
  // The box has three states; anything else reads as unticked.
  options.chkBG(0).SetValue(back && *back >= 0 && *back <= 2 ? *back : 0);
  OrbitUnitText = std::to_string(OrbitUnit);
  FillSwatches();

  Do_Lines();
  CheckCommandLine();
  if (!system_.Ended()) options.chkBG(1).SetEnabled(true);
}

void Form1::ReadSettings() {
  const char sep = system_.DecimalSeparator();
  const SettingsRead read =
      ReadSettingsFile(system_, UserFiles().ForReading(kSettingsFile), module.IniValue);
  if (read == SettingsRead::kRead) {
    const IniTable& t = module.IniValue;
    module.ViewTime = SlotNumber(t[kViewTime], sep).value_or(0);
    module.ShapeWidth = SlotNumber(t[kShapeWidth], sep).value_or(0);
    module.PicCenter = t[kPicCenter];
    module.SlideShowTime = SlotNumber(t[kSlideShowTime], sep).value_or(0);
    // Only 0 and 1 name a language; anything else reads as English.
    const float language = IsSingleDigit(t[kLocalisation]) ? t[kLocalisation][0] - '0' : kEnglish;
    module.Localisation = language == kRussian ? kRussian : kEnglish;
    Localise(module.Localisation);
    if (module.SlideShowTime > 0) {
      if (!system_.FirstFile(module.PicCenter).empty()) Options().txtOUT.SetText(module.PicCenter);
      StartSlideShow();
    }
    return;
  }
  module.ViewTime = 0;
  module.ShapeWidth = 0;
  module.Localisation = kEnglish;
  Localise(kEnglish);
  module.PicCenter = Options().optPIC(0).Text();
  module.SlideShowTime = 0;
  // A file that exists but cannot be read still holds the user's settings: the clock runs
  // on the defaults and leaves it alone.
  if (read == SettingsRead::kUnreadable) return;
  // A folder that cannot be written leaves the clock running on the defaults.
  system_.WriteLines(UserFiles().ForWriting(kSettingsFile),
                     DefaultSettingsLines(module, Options().chkBG(0).Value(), sep));
}

void Form1::Localise(float language) {
  DoLocalisation(module, Options(), Files(), language);
  // The system's choosers speak the dialogs' language where they can.
  system_.SetDialogLanguage(language == kRussian ? DialogLanguage::kRussian
                                                 : DialogLanguage::kEnglish);
}

void Form1::CreateCircles() {
  const IniTable& t = module.IniValue;
  const char sep = system_.DecimalSeparator();
  const IniTable defaults = DefaultIniTable();
  const auto colour = [&](IniSlot slot) {
    return SlotColor(t[slot], sep).value_or(*SlotColor(defaults[slot], sep));
  };
  LineS(2).SetLineColor(colour(kHColor));
  LineS(1).SetLineColor(colour(kMColor));
  LineS(0).SetLineColor(colour(kSColor));

  for (int i = 1; i <= 4; ++i) {
    Shape& s = window.Add<Shape>("ShapeS", i);
    s.CopyFrom(ShapeS(0));
    ShapeS.Put(i, s);
    s.SetVisible(true);
    s.SetBorderStyle(1);
    s.SetBorderWidth(2);
    s.SetFillOpaque(true);
    s.SetFillColor(colour(kCColor));
    s.SetWidth(1080);
    s.SetHeight(s.Width());
    s.SetShape(ShapeKind::kCircle);
    window.BringToFront(s);
    if (i == 1) {
      s.SetWidth(1080);
      s.SetHeight(s.Width());
      s.SetBorderColor(colour(kSColor));
      s.SetBorderWidth(1);
      s.SetFillColor(0);
      CentreOnScreen(s);
      CenterTop = Whole(s.Top());
      CenterLeft = Whole(s.Left());
      CenterRadius = Whole(s.Width()) / 2;
      continue;
    }
    const int k = i - 2;
    s.SetBorderColor(LineS(k).LineColor());
    window.SendToBack(LineS(k));
    LineS(k).SetVisible(true);
    Label& label = lblS(k);
    window.BringToFront(label);
    label.SetVisible(true);
    label.SetForeColor(LineS(k).LineColor());
    label.SetWidth(700);
    label.SetHeight(label.Width() - 50);
    label.SetFontSize(HSizeSetting());
    label.SetFontBold(true);
    label.SetFontName(t[kFName]);
  }
}

void Form1::ApplyCentrePicture() {
  Form2& options = Options();
  if (module.SlideShowTime > 0) {
    if (SlideFiles.size() > 1) {
      if (Picture p = system_.LoadPicture(module.PicCenter + SlideFiles[1])) Pict(0).SetPicture(p);
    }
    options.txtOUT.SetText(module.IniValue[kPicCenter]);
  } else if (!system_.FirstFile(module.PicCenter).empty() &&
             module.PicCenter != options.optPIC(0).Text()) {
    if (Picture p = system_.LoadPicture(module.PicCenter)) Pict(0).SetPicture(p);
    options.txtOUT.SetText(module.IniValue[kPicCenter]);
  }
  if (!Pict(0).HasPicture()) Pict(0).SetPicture(picTMP1.GetPicture());
  CentreOnScreen(Pict(0));
}

void Form1::FillSwatches() {
  Form2& options = Options();
  for (int k = 2; k >= 0; --k) options.txtCOLOR(k).SetBackColor(lblS(k).ForeColor());
  options.txtCOLOR(3).SetBackColor(ShapeS(3).FillColor());
  for (int k = 0; k <= 2; ++k)
    options.txtCOLOR(k).SetText(options.SizeText(lblS(k).GetFont().Size()));
}

void Form1::PlaceHint() {
  lblF1.SetLeft(ScreenW - lblF1.Width());
  lblF1.SetTop(ScreenH - lblF1.Height());
}

void Form1::CentreOnScreen(Element& e) {
  e.SetTop(ScreenH / 2 - Whole(e.Height()) / 2);
  e.SetLeft(ScreenW / 2 - Whole(e.Width()) / 2);
}

void Form1::Form_Resize() {
  ScreenW = Whole(window.Width());
  ScreenH = Whole(window.Height());
  PlaceHint();
  CentreOnScreen(Pict(0));
  CentreOnScreen(ShapeS(1));
  CenterTop = Whole(ShapeS(1).Top());
  CenterLeft = Whole(ShapeS(1).Left());
  if (Clock2Setting()) {
    // The dial made for the new size, or none: the old one would lie off centre.
    window.SetPicture(nullptr);
    DoClock2();
  }
  Do_Lines();
}

float Form1::HSizeSetting() const {
  const auto size = SlotNumber(module.IniValue[kHSize], system_.DecimalSeparator());
  return size && *size > 0 && *size <= 1000 ? *size : 30.0f;
}

bool Form1::Clock2Setting() const {
  const auto value = ParseNumber(module.IniValue[kClock2], system_.DecimalSeparator());
  return value && *value == 1;
}

std::string RunModeOf(const std::string& command_line) {
  return TrimmedLower(command_line).substr(0, 2);
}

void Form1::CheckCommandLine() {
  RunMode = RunModeOf(system_.CommandLine());
  if (RunMode == "/c") {
    Options().window.Show();
    window.SetPointer(Pointer::kCross);
  } else if (RunMode == "/p") {
    system_.EndProgram();
  }
}

void Form1::Form_KeyPress(std::uint16_t KeyAscii) {
  if (KeyAscii != '1') {
    system_.EndProgram();
    return;
  }
  Options().window.Show();
  window.SetPointer(Pointer::kCross);
  Options().Predustanovki();
}

void Form1::Form_MouseMove() {
  if (MoveCount < kMaxCount) ++MoveCount;
  if (MoveCount <= 5) return;
  if (!Options().window.Visible() && RunMode != "/c") {
    system_.EndProgram();
    return;
  }
  Options().window.Show();
}

}  // namespace hc
