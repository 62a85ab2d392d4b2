#include "Form2.h"

#include <cmath>

#include "Form1.h"
#include "Module1.h"
#include "number_text.h"

namespace hc {

namespace {

// Frame captions: bold, Cyrillic character set.
const Font kFrameFont("MS Sans Serif", 8.25, true, kCharsetCyrillic);
constexpr Color kBlue = 0xFF0000;

ElementArray<hc::Frame> MakeFrames(Window& window) {
  const double bounds[4][4] = {{120, 360, 2415, 975},
                               {120, 1440, 2415, 975},
                               {120, 2520, 2415, 1560},
                               {120, 4200, 2415, 1455}};
  ElementArray<hc::Frame> frames;
  for (int i = 0; i <= 3; ++i) {
    hc::Frame& frame = window.Add<hc::Frame>("Frame", i);
    frame.Move(bounds[i][0], bounds[i][1], bounds[i][2], bounds[i][3]);
    frame.SetFont(kFrameFont);
    frames.Put(i, frame);
  }
  return frames;
}

}  // namespace

Form2::Form2(Form1& clock, Module1& module, System& system)
    : Frame(MakeFrames(window)),
      Line1(window.Add<Line>("Line1")),
      lblCH(window.Add<Label>("lblCH", -1, &Frame(2))),
      picTMP(window.Add<PictureBox>("picTMP", -1, &Frame(2))),
      txtOUT(window.Add<TextBox>("txtOUT", -1, &Frame(2))),
      Label1(window.Add<Label>("Label1")),
      clock_(clock),
      module_(module),
      system_(system) {
  CreateElements();
  Form_Load();
}

void Form2::CreateElements() {
  window.SetCaption("Options");
  window.Resize(2655, 6870);

  const char* const languages[] = {"Russian", "English"};
  for (int i = 0; i <= 1; ++i) {
    Label& label = window.Add<Label>("lblLOC", i);
    label.SetText(languages[i]);
    label.Move(i == 0 ? 1150 : 1920, 120, 615, 195);
    label.SetTransparent(true);
    label.SetForeColor(kBlue);
    lblLOC.Put(i, label);
  }
  lblLOC.OnClick([this](int i) { lblLOC_Click(i); });
  Line1.SetPoints(1830, 120, 1800, 360);

  const auto option = [this](ElementArray<OptionButton>& array, const char* name, int index,
                             int container, double left, double top, double width, double height) {
    OptionButton& o = window.Add<OptionButton>(name, index, &Frame(container));
    o.Move(left, top, width, height);
    array.Put(index, o);
  };
  option(optWT, "optWT", 0, 0, 120, 240, 1935, 375);
  option(optWT, "optWT", 1, 0, 120, 510, 1935, 375);
  option(optSW, "optSW", 0, 1, 120, 240, 2055, 375);
  option(optSW, "optSW", 1, 1, 120, 510, 2055, 375);
  option(optPIC, "optPIC", 0, 2, 120, 240, 1215, 350);
  option(optPIC, "optPIC", 1, 2, 120, 510, 1215, 350);
  option(optPIC, "optPIC", 2, 2, 120, 800, 1215, 350);
  optWT.OnClick([this](int i) { optWT_Click(i); });
  optSW.OnClick([this](int i) { optSW_Click(i); });
  optPIC.OnClick([this](int i) { optPIC_Click(i); });

  CheckBox& clock2 = window.Add<CheckBox>("chkBG", 1, &Frame(2));
  clock2.Move(1440, 280, 855, 255);
  clock2.SetText("Clock2");
  CheckBox& back = window.Add<CheckBox>("chkBG", 0, &Frame(2));
  back.Move(1440, 550, 735, 255);
  chkBG.Put(0, back);
  chkBG.Put(1, clock2);
  chkBG.OnClick([this](int i) { chkBG_Click(i); });

  lblCH.Move(1680, 840, 615, 255);
  lblCH.SetVisible(false);
  lblCH.SetForeColor(kBlue);
  lblCH.SetTransparent(true);
  picTMP.Move(2280, 840, 255, 255);
  picTMP.SetVisible(false);
  txtOUT.Move(120, 1150, 2175, 285);

  const double swatches[4][4] = {
      {120, 840, 465, 195}, {120, 600, 465, 195}, {120, 330, 465, 225}, {120, 1080, 465, 195}};
  const double labels[4][4] = {
      {720, 840, 1575, 255}, {720, 600, 1575, 255}, {720, 360, 1575, 255}, {720, 1080, 1695, 255}};
  for (int k = 0; k <= 3; ++k) {
    TextBox& swatch = window.Add<TextBox>("txtCOLOR", k, &Frame(3));
    swatch.Move(swatches[k][0], swatches[k][1], swatches[k][2], swatches[k][3]);
    swatch.SetReadOnly(true);
    txtCOLOR.Put(k, swatch);
    Label& label = window.Add<Label>("lblCOLOR", k, &Frame(3));
    label.Move(labels[k][0], labels[k][1], labels[k][2], labels[k][3]);
    label.SetTransparent(true);
    lblCOLOR.Put(k, label);
  }

  Button& save = window.Add<Button>("cmdOK", 0);
  save.Move(120, 5880, 1335, 375);
  save.SetDefault(true);
  Button& cancel = window.Add<Button>("cmdOK", 1);
  cancel.Move(1560, 5880, 975, 375);
  cancel.SetCancel(true);
  cmdOK.Put(0, save);
  cmdOK.Put(1, cancel);
  cmdOK.OnClick([this](int i) { cmdOK_Click(i); });
  // Closing the dialog by its own control is a Cancel.
  window.on_close_request = [this] { cmdOK_Click(1); };
  lblCOLOR.OnClick([this](int i) { lblCOLOR_Click(i); });
  lblCH.on_click = [this] { lblCH_Click(); };

  Label1.Move(120, 6360, 2415, 495);
  Label1.SetAlign(Alignment::kCenter);
  Label1.SetTransparent(true);
  Label1.SetFont(Font("Arial Narrow", 8.25));

  // Tab goes down the dialog as it reads, whatever order the elements were made in.
  window.SetTabOrder({&optWT(0), &optWT(1), &optSW(0), &optSW(1), &optPIC(0), &optPIC(1),
                      &optPIC(2), &chkBG(1), &chkBG(0), &txtOUT, &txtCOLOR(2), &txtCOLOR(1),
                      &txtCOLOR(0), &txtCOLOR(3), &cmdOK(0), &cmdOK(1)});
}

void Form2::Form_Load() {
  window.Move(50, 50);
  const auto left = static_cast<int>(std::lround(window.Left()));
  const auto top = static_cast<int>(std::lround(window.Top()));
  system_.SetCursorPos(left / kTwipsPerPixel + 140, top / kTwipsPerPixel + 50);
}

std::string Form2::SizeText(double points) const {
  return FormatFontSize(points, system_.DecimalSeparator());
}

void Form2::Predustanovki() {
  optWT(module_.ViewTime != 0 ? 1 : 0).SetValue(true);
  optSW(module_.ShapeWidth != 0 ? 1 : 0).SetValue(true);
}

void Form2::optWT_Click(int Index) {
  module_.ViewTime = static_cast<float>(Index);
}

void Form2::optSW_Click(int Index) {
  module_.ShapeWidth = static_cast<float>(Index);
  if (window.Visible()) {
    clock_.RazmerKrugov();
    clock_.OrbitUnitText = std::to_string(clock_.OrbitUnit);
    clock_.Do_Lines();
  }
  txtCOLOR(1).SetText(SizeText(clock_.lblS(1).GetFont().Size()));
  txtCOLOR(0).SetText(SizeText(clock_.lblS(0).GetFont().Size()));
}

void Form2::chkBG_Click(int Index) {
  if (Index == 0) {
    if (chkBG(0).Value() == 1) {
      chkBG(1).SetValue(0);
      clock_.ShapeS(4).SetWidth(1080);
      module_.IniValue[kClock2] = "0";
      clock_.ShapeS(4).SetHeight(1080);
      optSW(0).SetEnabled(true);
      clock_.DoBackGround();
      clock_.RazmerKrugov();
      lblCH.SetVisible(true);
    } else {
      clock_.window.SetPicture(nullptr);
      lblCH.SetVisible(false);
    }
    return;
  }
  if (chkBG(1).Value() == 1) {
    chkBG(0).SetValue(0);
    optSW(1).SetValue(true);
    module_.IniValue[kClock2] = "1";
    optSW(0).SetEnabled(false);
    clock_.DoClock2();
  } else {
    clock_.window.SetPicture(nullptr);
  }
}

void Form2::lblLOC_Click(int Index) {
  clock_.Localise(static_cast<float>(Index));
}

}  // namespace hc
