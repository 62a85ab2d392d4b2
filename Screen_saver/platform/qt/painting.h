#pragma once
// Drawing elements of the model with a QPainter, in their container's pixels.

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>
#include <string>

#include "model/element.h"

namespace hc::qt {

// A picture element's picture inside `box`, clipped to it.
void PaintPicture(QPainter& p, const QRect& box, const PictureElement& e);

// A line's outline in its container's pixels: its width across, flat ends, corners in order.
std::array<QPointF, 4> OutlineOf(const Line& l);

// A shape, line, label or image; nothing for any other kind.
void PaintDrawn(QPainter& p, const Element& e);

// A frame's face: its back colour, an etched border and the caption over it.
void PaintFrame(QPainter& p, const QRect& area, const Frame& frame);

// Everything the painters here read of `e` but its place, as text: two elements that give
// the same text paint the same pixels at the same bounds. Empty for an element whose look
// this does not capture (a frame, a box with drawn elements, a line).
std::string LookOf(const Element& e);

// Whether PaintWindowed draws `e` as its control would show: picture boxes and frames with
// what is drawn on them, and read-only text boxes on the window itself.
bool CanPaintWindowed(const Element& e);
// A windowed element drawn in its container's pixels, for a window painted all in one.
void PaintWindowed(QPainter& p, const Element& e);

}  // namespace hc::qt
