#include "convert.h"

#include <algorithm>

namespace hc::qt {

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
