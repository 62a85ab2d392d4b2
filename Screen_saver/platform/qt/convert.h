#pragma once
// Model values in Qt terms: colours, twips to pixels, UTF-8 text and fonts.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "model/element.h"
#include "model/font.h"
#include "model/pixels.h"
#include "model/units.h"

namespace hc::qt {

inline QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

inline QRect ToQRect(const PixelBox& b) {
  return QRect(b.left, b.top, b.width, b.height);
}

// The model's pixel rounding (model/pixels.h) in Qt's terms.
inline QRect PixelRect(const RectTwips& r) {
  return ToQRect(PixelsOf(r));
}
inline QRect DirtyRect(const RectTwips& r) {
  return ToQRect(DirtyPixelsOf(r));
}
inline QRect BoundsOf(const Element& e) {
  return ToQRect(PixelBoundsOf(e));
}

// Line ends are CR LF in the program's texts; Qt breaks lines at LF only.
QString DisplayText(const std::string& utf8);

QFont ToQFont(const Font& f);

Qt::Alignment HorizontalOf(Alignment a);

}  // namespace hc::qt
