// The three looks of the face and the placement pass that puts lines, circles and
// numbers at their angles.

#include <cmath>

#include "Form1.h"
#include "builtin.h"
#include "number_text.h"

namespace hc {

namespace {

void MakeRound(Shape& s, double width) {
  s.SetWidth(width);
  s.SetHeight(s.Width());
}

void MakeSquare(Label& l, double width) {
  l.SetWidth(width);
  l.SetHeight(l.Width());
}

}  // namespace

void Form1::RazmerKrugov() {
  const bool equal = module.ShapeWidth != 0;
  MakeRound(ShapeS(3), equal ? 1080 : 850);
  MakeRound(ShapeS(2), equal ? 1080 : 700);
  if (equal) {
    lblS(0).SetFontSize(HSizeSetting());
    lblS(1).SetFontSize(HSizeSetting());
  } else {
    // Derived from the hours label's size in effect, not from the setting.
    const double hours_size = lblS(2).GetFont().Size();
    lblS(0).SetFontSize(hours_size / 2);
    lblS(1).SetFontSize(hours_size * 2.1 / 3);
  }
  MakeSquare(lblS(0), equal ? 700 : 380);
  MakeSquare(lblS(1), equal ? 700 : 510);
  OrbitUnit = equal ? 540 : 420;
  LineFactor = equal ? 3 : 4;
  OrbitStep = equal ? 2.0f : 1.8f;
}

void Form1::DoClock2() {
  int store = 0;
  switch (ScreenW) {
    case 15360:
      store = 1;
      break;
    case 19200:
      store = ScreenH == 15360 ? 3 : 0;
      break;
    case 20490:
      store = 4;
      break;
    case 24000:
      store = 5;
      break;
    case 28800:
      store = 2;
      break;
    default:
      break;
  }
  if (store != 0) {
    if (!Pict(store).HasPicture()) Pict(store).SetPicture(BuiltinDial(system_, store));
    if (Pict(store).HasPicture()) window.SetPicture(Pict(store).GetPicture());
  }
  for (int k = 0; k <= 2; ++k) {
    LineS(k).SetVisible(false);
    lblS(k).SetFontSize(28);
    MakeRound(ShapeS(k + 2), 980);
  }
  ShapeS(1).SetBorderStyle(0);
}

void Form1::Do_Lines() {
  const std::int32_t cx = CenterLeft + CenterRadius;
  const std::int32_t cy = CenterTop + CenterRadius;
  const std::int32_t n = LineFactor;
  const float k = OrbitStep;
  const bool dial = Clock2Setting();
  const auto to_single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
  for (int i = 0; i <= 2; ++i) {
    const double a = HandAngle[i];
    Line& line = LineS(i);
    line.SetY1(cy);
    line.SetX1(cx);
    const double reach = static_cast<double>((n - i) * 2) * OrbitUnit;
    line.SetY2(to_single(cy + reach * std::sin(a)));
    line.SetX2(to_single(cx + reach * std::cos(a)));

    if (i == 2 && module.ShapeWidth == 0) {
      OrbitUnit = 380;
    } else {
      // The unit is read back from its text; a text that is no number keeps the last one.
      if (const auto unit = ParseInt32(OrbitUnitText, '.')) OrbitUnit = *unit;
    }
    const std::int32_t U = OrbitUnit;

    Shape& circle = ShapeS(i + 2);
    const float d = (static_cast<float>(n + 4) - k * static_cast<float>(i)) * static_cast<float>(U);
    circle.SetTop(to_single(cy + d * std::sin(a) - circle.Width() / 2));
    circle.SetLeft(to_single(cx + d * std::cos(a) - circle.Width() / 2));

    Label& label = lblS(i);
    const double spread = 1 - static_cast<double>(module.ShapeWidth);
    double down = (spread * 0.05 + 0.31) * U;
    double right = (spread * 0.03 + 0.38) * U;
    if (i == 2) {
      down = 152;
      right = 193;
    }
    if (dial) {
      down = 120;
      right = 150;
    }
    label.SetTop(to_single(circle.Top() + down));
    label.SetLeft(to_single(circle.Left() + right));
  }
}

}  // namespace hc
