// Smooth edges computed without a toolkit: the area each shape covers, and the pixels its
// edge only partly covers.

#include "model/coverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace hc {
namespace {

double Area(const Coverage& c) {
  double sum = 0;
  for (std::uint8_t a : c.alpha) sum += a / 255.0;
  return sum;
}

int PartlyCovered(const Coverage& c) {
  int n = 0;
  for (std::uint8_t a : c.alpha) n += a > 0 && a < 255;
  return n;
}

TEST(Coverage, EllipsesAndRingsCoverTheirAreaWithSoftEdges) {
  constexpr double pi = std::numbers::pi;
  struct Case {
    double left, top, size, ring, area;
  };
  for (const Case& k : {Case{10, 20, 72, 0, pi * 36 * 36}, Case{10.5, 20.25, 72, 0, pi * 36 * 36},
                        Case{0, 0, 72, 2, pi * (36 * 36 - 34 * 34)},
                        Case{3, 3, 46.7, 1, pi * (23.35 * 23.35 - 22.35 * 22.35)}}) {
    const Coverage c = EllipseCoverage(k.left, k.top, k.size, k.size, k.ring);
    EXPECT_NEAR(Area(c), k.area, k.area * 0.01) << k.size << " ring " << k.ring;
    EXPECT_GT(PartlyCovered(c), k.size) << "the edge is smooth all round";
    const int cx = static_cast<int>(k.left + k.size / 2), cy = static_cast<int>(k.top + k.size / 2);
    EXPECT_EQ(c.At(cx, cy), k.ring > 0 ? 0 : 255) << "the middle";
    EXPECT_EQ(c.At(static_cast<int>(k.left), static_cast<int>(k.top)), 0) << "the box's corner";
  }
  // The outline lies inside the box: its outer edge is the box's.
  const Coverage ring = EllipseCoverage(0, 0, 72, 72, 2);
  EXPECT_EQ(ring.box, (PixelBox{0, 0, 72, 72}));
  EXPECT_GT(ring.At(0, 36), 200);
  EXPECT_GT(ring.At(1, 36), 200);
  EXPECT_LT(ring.At(2, 36), 50);
}

TEST(Coverage, LinesCoverTheirRectangleOnly) {
  // On a pixel row's middle a line one pixel wide covers that row whole; on its edge, two
  // rows by halves.
  const Coverage middle = LineCoverage({2, 10.5}, {12, 10.5}, 1);
  EXPECT_EQ(middle.At(5, 10), 255);
  EXPECT_EQ(middle.At(5, 9), 0);
  EXPECT_EQ(middle.At(5, 11), 0);
  EXPECT_EQ(middle.At(1, 10), 0) << "cut square at its end";
  const Coverage edge = LineCoverage({2, 10}, {12, 10}, 1);
  EXPECT_NEAR(edge.At(5, 9), 128, 1);
  EXPECT_NEAR(edge.At(5, 10), 128, 1);

  struct Case {
    PointF from, to;
    double width;
  };
  for (const Case& k : {Case{{100, 100}, {160, 180}, 4}, Case{{0.5, 50}, {70.2, 3.1}, 1},
                        Case{{30, 30}, {30, 90}, 3}}) {
    const double length = std::hypot(k.to.x - k.from.x, k.to.y - k.from.y);
    const Coverage c = LineCoverage(k.from, k.to, k.width);
    EXPECT_NEAR(Area(c), length * k.width, length * k.width * 0.02) << length;
    // A line 3 pixels wide or more covers the pixel under its middle whole.
    if (k.width >= 3) {
      EXPECT_EQ(c.At(static_cast<int>((k.from.x + k.to.x) / 2),
                     static_cast<int>((k.from.y + k.to.y) / 2)),
                255);
    }
  }
  EXPECT_TRUE(LineCoverage({5, 5}, {5, 5}, 2).box.Empty()) << "a line of no length covers nothing";
}

}  // namespace
}  // namespace hc
