// The colours of the hands and circles and the font of the numbers.

#include "Form1.h"
#include "Form2.h"

namespace hc {

namespace {
// Screen fonts, effects (colour) and no style choice.
constexpr int kFontChooserOptions = 1048833;
}  // namespace

void Form2::lblCOLOR_Click(int Index) {
  CommonDialog& chooser = clock_.ComDial;
  const auto C = [&chooser] { return chooser.Color_; };
  switch (Index) {
    case 0:
    case 1:
      chooser.CancelError = false;
      chooser.Color_ = clock_.lblS(Index).ForeColor();
      chooser.ShowColor();
      txtCOLOR(Index).SetBackColor(C());
      if (Index == 0) clock_.ShapeS(1).SetBorderColor(C());
      break;
    case 2: {
      Label& hours = clock_.lblS(2);
      chooser.Flags = kFontChooserOptions;
      chooser.FontName = hours.GetFont().Name();
      chooser.FontSize = hours.GetFont().Size();
      chooser.Color_ = hours.ForeColor();
      chooser.CancelError = false;
      chooser.ShowFont();
      for (int k = 2; k >= 0; --k) clock_.lblS(k).SetFontName(chooser.FontName);
      hours.SetFontSize(chooser.FontSize);
      const double size = hours.GetFont().Size();
      if (module_.ShapeWidth == 1) {
        clock_.lblS(1).SetFontSize(size);
        clock_.lblS(0).SetFontSize(size);
      } else {
        clock_.lblS(1).SetFontSize(2 * size / 3);
        clock_.lblS(0).SetFontSize(size / 2);
      }
      break;
    }
    case 3:
      chooser.ShowColor();
      for (int i = 2; i <= 4; ++i) clock_.ShapeS(i).SetFillColor(C());
      break;
    default:
      return;
  }
  if (Index <= 2) {
    for (int k = 2; k >= 0; --k) txtCOLOR(k).SetText(SizeText(clock_.lblS(k).GetFont().Size()));
    clock_.LineS(Index).SetLineColor(C());
    clock_.lblS(Index).SetForeColor(C());
    clock_.ShapeS(Index + 2).SetBorderColor(C());
  }
  txtCOLOR(Index).SetBackColor(C());
}

}  // namespace hc
