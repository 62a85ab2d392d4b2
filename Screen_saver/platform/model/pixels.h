#pragma once
// Twips on a screen of whole pixels: how every backend rounds the model's positions.

#include "element.h"
#include "units.h"

namespace hc {

// A rectangle of whole pixels; empty when width or height is not positive.
struct PixelBox {
  int left = 0, top = 0, width = 0, height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
  bool Intersects(const PixelBox& o) const {
    return !Empty() && !o.Empty() && left < o.Right() && o.left < Right() && top < o.Bottom() &&
           o.top < Bottom();
  }
  bool operator==(const PixelBox&) const = default;
};

// Each takes the twips one pixel covers: the program's own pixels by default, a denser
// screen's device pixels where a backend draws in those.

// Whole pixels nearest to a twip value.
int Px(double twips, double twips_per_pixel = kTwipsPerPixel);

// Edges are rounded one by one, so elements that meet in twips meet on screen.
PixelBox PixelsOf(const RectTwips& r, double twips_per_pixel = kTwipsPerPixel);

// The pixels an area of twips can have touched: outward to whole pixels, then 2 pixels
// more for anti-aliased edges.
PixelBox DirtyPixelsOf(const RectTwips& r, double twips_per_pixel = kTwipsPerPixel);

// An element's own box relative to its container.
PixelBox PixelBoundsOf(const Element& e, double twips_per_pixel = kTwipsPerPixel);

// An area given relative to the window's client area, made relative to the element's container.
RectTwips ToContainer(const Element& e, const RectTwips& window_area);

}  // namespace hc
