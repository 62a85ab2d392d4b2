#pragma once
// How much of each pixel a smooth shape covers, for a backend whose drawing library gives
// hard edges: it blends the shape's colour by these amounts itself. Geometry in pixels, a
// pixel (x, y) being the square [x, x+1) x [y, y+1).

#include <cstdint>
#include <vector>

#include "pixels.h"

namespace hc {

struct Coverage {
  PixelBox box;                     // the pixels the shape can touch
  std::vector<std::uint8_t> alpha;  // row by row over the box, 0 (none) to 255 (whole)

  std::uint8_t At(int x, int y) const {
    return box.Contains(x, y)
               ? alpha[static_cast<std::size_t>((y - box.top) * box.width + (x - box.left))]
               : 0;
  }
};

struct PointF {
  double x = 0, y = 0;
};

// The ellipse inside the box (left, top, width, height); `ring` > 0 keeps only the band that
// wide inside its edge (an outline), 0 the whole ellipse (a fill).
Coverage EllipseCoverage(double left, double top, double width, double height, double ring);

// A straight line `width` wide between two points, its ends cut square at the points.
Coverage LineCoverage(PointF from, PointF to, double width);

}  // namespace hc
