#include "Form1.h"

#include "copy_report.h"
#include "display_settings.h"
#include "install_files.h"
#include "paths.h"
#include "registration_report.h"
#include "setup_picture.h"

namespace hc::setup {

namespace {

constexpr Color kBlue = Rgb(0, 0, 255);
// The localised texts need Cyrillic letters, and a face narrow enough for them to fit their
// boxes where the classic dialog face is missing and a wider one would stand in.
const Font kTextFont("Arial", 8.25, false, kCharsetCyrillic);

struct Place {
  ElementKind kind;
  const char* name;
  int index;
  double left, top, width, height;
};

// In tab order; the picture, last, takes no focus.
constexpr Place kLayout[] = {
    {ElementKind::kButton, "cmdOK", 0, 3480, 2880, 1335, 375},
    {ElementKind::kLabel, "lbl", 0, 1800, 120, 4335, 735},
    {ElementKind::kTextBox, "txtSYS", -1, 1800, 840, 4455, 285},
    {ElementKind::kLabel, "lbl", 1, 1800, 1200, 4335, 615},
    {ElementKind::kOptionButton, "opt", 0, 1800, 1900, 4455, 375},
    {ElementKind::kOptionButton, "opt", 1, 1800, 2280, 4455, 495},
    {ElementKind::kButton, "cmdOK", 1, 4920, 2880, 1335, 375},
    {ElementKind::kLabel, "lblLoc", 0, 1800, 3000, 615, 255},
    {ElementKind::kLabel, "lblLoc", 1, 2640, 3000, 615, 255},
    {ElementKind::kImage, "Image1", -1, 120, 120, 1455, 3135},
};

Element& Make(Window& w, const Place& p) {
  switch (p.kind) {
    case ElementKind::kButton:
      return w.Add<Button>(p.name, p.index);
    case ElementKind::kTextBox:
      return w.Add<TextBox>(p.name, p.index);
    case ElementKind::kOptionButton:
      return w.Add<OptionButton>(p.name, p.index);
    case ElementKind::kImage:
      return w.Add<Image>(p.name, p.index);
    default:
      return w.Add<Label>(p.name, p.index);
  }
}

template <class T>
T& Named(const Window& window, const char* name, int index = -1) {
  return static_cast<T&>(*window.Find(name, index));
}

template <class T>
ElementArray<T> Array(const Window& window, const char* name, int count) {
  ElementArray<T> array;
  for (int i = 0; i < count; ++i) array.Put(i, Named<T>(window, name, i));
  return array;
}

}  // namespace

bool Form1::MakeElements(Window& w) {
  for (const Place& p : kLayout) Make(w, p).Move(p.left, p.top, p.width, p.height);
  w.Add<Line>("Line1").SetPoints(2500, 3000, 2500, 3240);
  w.Add<Line>("Line2").SetPoints(1800, 2880, 3360, 2880);
  return true;
}

Form1::Form1(System& system)
    : cmdOK(Array<Button>(window, "cmdOK", 2)),
      lbl(Array<Label>(window, "lbl", 2)),
      txtSYS(Named<TextBox>(window, "txtSYS")),
      opt(Array<OptionButton>(window, "opt", 2)),
      lblLoc(Array<Label>(window, "lblLoc", 2)),
      Image1(Named<Image>(window, "Image1")),
      Line1(Named<Line>(window, "Line1")),
      Line2(Named<Line>(window, "Line2")),
      system_(system) {
  window.SetCaption("HalvekClock setup");
  window.Resize(6345, 3360);
  // The title bar's close control is a Cancel.
  window.on_close_request = [this] { cmdOK_Click(1); };

  // Texts sit on the window's own grey.
  for (int i = 0; i <= 1; ++i) {
    lbl(i).SetFont(kTextFont);
    lbl(i).SetTransparent(true);
    opt(i).SetFont(kTextFont);
    opt(i).SetBackColor(window.BackColor());
    lblLoc(i).SetTransparent(true);
  }
  txtSYS.SetFont(kTextFont);

  cmdOK(0).SetText("OK");
  cmdOK(0).SetDefault(true);
  cmdOK(1).SetText("Cancel");
  cmdOK(1).SetCancel(true);
  cmdOK.OnClick([this](int i) { cmdOK_Click(i); });

  // Designed for the English the window opens in: the chosen language reads black.
  lblLoc(0).SetText("Russian");
  lblLoc(0).SetForeColor(kBlue);
  lblLoc(1).SetText("English");
  lblLoc.OnClick([this](int i) { lblLoc_Click(i); });

  Image1.SetPicture(SetupPicture(system_));
}

void Form1::Form_Load() {
  txtSYS.SetText(system_.SystemFolder());
  DoSetupLocalisation(module, *this, kEnglish);
  // A small window nobody placed is easiest found in the middle of the screen.
  const ScreenSize screen = system_.Screen();
  window.Move((screen.width - window.Width()) / 2, (screen.height - window.Height()) / 2);
}

void Form1::lblLoc_Click(int Index) {
  DoSetupLocalisation(module, *this, static_cast<float>(Index));
  lblLoc(0).SetForeColor(Index != 0 ? kBlue : 0);
  lblLoc(1).SetForeColor(Index != 0 ? 0 : kBlue);
}

void Form1::cmdOK_Click(int Index) {
  if (Index == 0) Install();
  system_.EndProgram();
}

void Form1::Install() {
  // The box's text as it stands, edited or not, names the target.
  const std::string target = txtSYS.Text();
  const auto results = InstallFiles(system_, system_.ProgramFolder(), target);
  const std::string installed =
      JoinPath(target, system_.ScreensaverFileName(), system_.PathSeparator());
  const bool in_target = !target.empty() && !system_.FirstFile(installed).empty();
  // An installed package's setup has nothing beside it to copy: the programs are in place,
  // and an empty list of copied files would only puzzle.
  CopyReport = results.empty() && in_target ? InstalledAlreadyReport(module, target)
                                            : setup::CopyReport(module, results);
  const bool install = !opt(1).Value() && in_target;
  // The settings that open next read the list, so it is changed before they start.
  if (install) CopyReport += RegistrationReport(module, system_.RegisterScreensaver(installed));
  system_.MsgBox(CopyReport, MsgButtons::kOk, MsgIcon::kInformation, "Result");
  if (install) StartDisplaySettings(system_, target, installed);
}

}  // namespace hc::setup
