#pragma once
// Drawing elements of the model with a QPainter, in their container's pixels.

#include <QPainter>
#include <QRect>
#include <QSize>

#include "model/element.h"

namespace hc::qt {

// A picture element's picture inside `box`, clipped to it.
void PaintPicture(QPainter& p, const QRect& box, const PictureElement& e);

// A shape, line, label or image; nothing for any other kind.
void PaintDrawn(QPainter& p, const Element& e);

// A frame's face: its back colour, an etched border and the caption over it.
void PaintFrame(QPainter& p, const QRect& area, const Frame& frame);

}  // namespace hc::qt
