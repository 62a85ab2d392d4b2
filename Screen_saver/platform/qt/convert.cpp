#include "convert.h"

#include <algorithm>
#include <cmath>

namespace hc::qt {

int Px(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect PixelRect(const RectTwips& r) {
  const int left = Px(r.left), top = Px(r.top);
  return QRect(left, top, Px(r.Right()) - left, Px(r.Bottom()) - top);
}

QRect DirtyRect(const RectTwips& r) {
  if (r.Empty()) return {};
  const int left = static_cast<int>(std::floor(r.left / kTwipsPerPixel));
  const int top = static_cast<int>(std::floor(r.top / kTwipsPerPixel));
  const int right = static_cast<int>(std::ceil(r.Right() / kTwipsPerPixel));
  const int bottom = static_cast<int>(std::ceil(r.Bottom() / kTwipsPerPixel));
  return QRect(left, top, right - left, bottom - top).adjusted(-2, -2, 2, 2);
}

QRect BoundsOf(const Element& e) {
  return PixelRect({e.Left(), e.Top(), e.Width(), e.Height()});
}

RectTwips ToContainer(const Element& e, const RectTwips& window_area) {
  double dx = 0, dy = 0;
  for (const Element* c = e.Container(); c; c = c->Container()) {
    dx += c->Left();
    dy += c->Top();
  }
  return window_area.Translated(-dx, -dy);
}

QString DisplayText(const std::string& utf8) {
  QString text = QString::fromStdString(utf8);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QFont ToQFont(const Font& f) {
  QFont font(QString::fromStdString(f.Name()));
  font.setPixelSize(std::max(1, f.SizePixels()));
  font.setBold(f.Bold());
  return font;
}

Qt::Alignment HorizontalOf(Alignment a) {
  switch (a) {
    case Alignment::kCenter:
      return Qt::AlignHCenter;
    case Alignment::kRight:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

}  // namespace hc::qt
