#include "frmFILE.h"

#include "Form2.h"

namespace hc {

frmFILE::frmFILE(Form2& options, System& system)
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
      options_(options),
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
  Form_Load();
}

void frmFILE::Form_Load() {
  window.Move(options_.window.Left() + options_.window.Width(), options_.window.Top());
}

}  // namespace hc
