#include "coverage.h"

#include <algorithm>
#include <cmath>

namespace hc {

namespace {

// Samples per pixel side: 16 samples give 17 levels, finer than an edge can show.
constexpr int kSamples = 4;

// Counts the samples of each pixel of `box` for which `inside` holds.
template <class Inside>
Coverage Sample(const PixelBox& box, const Inside& inside) {
  Coverage c{box, std::vector<std::uint8_t>(
                      static_cast<std::size_t>(std::max(0, box.width) * std::max(0, box.height)))};
  if (box.Empty()) return c;
  constexpr double step = 1.0 / kSamples;
  constexpr int total = kSamples * kSamples;
  for (int y = 0; y < box.height; ++y)
    for (int x = 0; x < box.width; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += inside(box.left + x + (sx + 0.5) * step, box.top + y + (sy + 0.5) * step);
      c.alpha[static_cast<std::size_t>(y * box.width + x)] =
          static_cast<std::uint8_t>((hits * 255 + total / 2) / total);
    }
  return c;
}

PixelBox Around(double left, double top, double right, double bottom) {
  const int l = static_cast<int>(std::floor(left)), t = static_cast<int>(std::floor(top));
  return {l, t, static_cast<int>(std::ceil(right)) - l, static_cast<int>(std::ceil(bottom)) - t};
}

// Whether (x, y) lies inside the ellipse of centre (cx, cy) and half-axes (rx, ry).
bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (x - cx) / rx, dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace

Coverage EllipseCoverage(double left, double top, double width, double height, double ring) {
  const double cx = left + width / 2, cy = top + height / 2;
  const double rx = width / 2, ry = height / 2;
  return Sample(Around(left, top, left + width, top + height), [=](double x, double y) {
    return InEllipse(x, y, cx, cy, rx, ry) &&
           (ring <= 0 || !InEllipse(x, y, cx, cy, rx - ring, ry - ring));
  });
}

Coverage LineCoverage(PointF from, PointF to, double width) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  const double half = width / 2;
  if (length <= 0 || half <= 0) return {};
  const double ux = dx / length, uy = dy / length;
  // The line's rectangle: along it from 0 to its length, across it within half its width.
  const double ox = -uy * half, oy = ux * half;
  const double xs[] = {from.x + ox, from.x - ox, to.x + ox, to.x - ox};
  const double ys[] = {from.y + oy, from.y - oy, to.y + oy, to.y - oy};
  const PixelBox box = Around(*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4),
                              *std::max_element(xs, xs + 4), *std::max_element(ys, ys + 4));
  return Sample(box, [=](double x, double y) {
    const double along = (x - from.x) * ux + (y - from.y) * uy;
    const double across = (x - from.x) * -uy + (y - from.y) * ux;
    return along >= 0 && along <= length && std::abs(across) <= half;
  });
}

}  // namespace hc
