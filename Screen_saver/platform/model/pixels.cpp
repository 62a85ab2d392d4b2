#include "pixels.h"

#include <cmath>

namespace hc {

int Px(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

PixelBox PixelsOf(const RectTwips& r) {
  const int left = Px(r.left), top = Px(r.top);
  return {left, top, Px(r.Right()) - left, Px(r.Bottom()) - top};
}

PixelBox DirtyPixelsOf(const RectTwips& r) {
  if (r.Empty()) return {};
  constexpr int kAntialiasMargin = 2;
  const int left = static_cast<int>(std::floor(r.left / kTwipsPerPixel)) - kAntialiasMargin;
  const int top = static_cast<int>(std::floor(r.top / kTwipsPerPixel)) - kAntialiasMargin;
  const int right = static_cast<int>(std::ceil(r.Right() / kTwipsPerPixel)) + kAntialiasMargin;
  const int bottom = static_cast<int>(std::ceil(r.Bottom() / kTwipsPerPixel)) + kAntialiasMargin;
  return {left, top, right - left, bottom - top};
}

PixelBox PixelBoundsOf(const Element& e) {
  return PixelsOf({e.Left(), e.Top(), e.Width(), e.Height()});
}

RectTwips ToContainer(const Element& e, const RectTwips& window_area) {
  double dx = 0, dy = 0;
  for (const Element* c = e.Container(); c; c = c->Container()) {
    dx += c->Left();
    dy += c->Top();
  }
  return window_area.Translated(-dx, -dy);
}

}  // namespace hc
