#include "pixels.h"

#include <cmath>

namespace hc {

int Px(double twips, double twips_per_pixel) {
  return static_cast<int>(std::lround(twips / twips_per_pixel));
}

PixelBox PixelsOf(const RectTwips& r, double twips_per_pixel) {
  const int left = Px(r.left, twips_per_pixel), top = Px(r.top, twips_per_pixel);
  return {left, top, Px(r.Right(), twips_per_pixel) - left, Px(r.Bottom(), twips_per_pixel) - top};
}

PixelBox DirtyPixelsOf(const RectTwips& r, double twips_per_pixel) {
  if (r.Empty()) return {};
  constexpr int kAntialiasMargin = 2;
  const auto down = [twips_per_pixel](double twips) {
    return static_cast<int>(std::floor(twips / twips_per_pixel)) - kAntialiasMargin;
  };
  const auto up = [twips_per_pixel](double twips) {
    return static_cast<int>(std::ceil(twips / twips_per_pixel)) + kAntialiasMargin;
  };
  const int left = down(r.left), top = down(r.top);
  return {left, top, up(r.Right()) - left, up(r.Bottom()) - top};
}

PixelBox PixelBoundsOf(const Element& e, double twips_per_pixel) {
  return PixelsOf({e.Left(), e.Top(), e.Width(), e.Height()}, twips_per_pixel);
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
