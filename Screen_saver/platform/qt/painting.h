#pragma once
// Drawing elements of the model with a QPainter, in their container's pixels.

#include <QPainter>
#include <QRect>
#include <QSize>

#include "model/element.h"

namespace hc::qt {

// Where a picture of `picture` size goes in a box of `box` size: the whole box when
// stretched; centred, and shrunk keeping its proportions when too large, for centre-fit;
// otherwise at its own size from the top-left corner (the box clips it).
QRect PictureTarget(const QSize& box, const QSize& picture, bool stretch, bool centre_fit);

// A picture element's picture inside `box`, clipped to it.
void PaintPicture(QPainter& p, const QRect& box, const PictureElement& e);

// A shape, line, label or image; nothing for any other kind.
void PaintDrawn(QPainter& p, const Element& e);

// A frame's face: its back colour, an etched border and the caption over it.
void PaintFrame(QPainter& p, const QRect& area, const Frame& frame);

}  // namespace hc::qt
