#pragma once
// Model values in Qt terms: colours, twips to pixels, UTF-8 text and fonts.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "model/element.h"
#include "model/font.h"
#include "model/units.h"

namespace hc::qt {

inline QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Whole pixels nearest to a twip value.
int Px(double twips);

// Edges are rounded one by one, so elements that meet in twips meet on screen.
QRect PixelRect(const RectTwips& r);

// The pixels an area of twips can have touched: outward to whole pixels, then 2 pixels
// more for anti-aliased edges.
QRect DirtyRect(const RectTwips& r);

// An element's own box relative to its container.
QRect BoundsOf(const Element& e);

// An area given relative to the window's client area, made relative to the element's container.
RectTwips ToContainer(const Element& e, const RectTwips& window_area);

// Line ends are CR LF in the program's texts; Qt breaks lines at LF only.
QString DisplayText(const std::string& utf8);

QFont ToQFont(const Font& f);

Qt::Alignment HorizontalOf(Alignment a);

}  // namespace hc::qt
