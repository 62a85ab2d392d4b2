#pragma once
// Where a picture goes inside the element that shows it.

#include "pixels.h"

namespace hc {

// The place of a `picture_width` x `picture_height` picture in a box of `box_width` x
// `box_height` pixels, relative to the box: the whole box when stretched; centred, and
// shrunk keeping its proportions when too large, for centre-fit; otherwise at its own size
// from the top-left corner (the box clips it).
PixelBox PictureTarget(int box_width, int box_height, int picture_width, int picture_height,
                       bool stretch, bool centre_fit);

}  // namespace hc
