#include "font.h"

#include <cmath>

namespace hc {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;
}

double EffectiveFontSize(double points) {
  if (!std::isfinite(points)) return 0.75;
  const double pixels = std::max(1.0, std::round(points * kPixelsPerPoint));
  return pixels / kPixelsPerPoint;
}

int Font::SizePixels() const {
  return static_cast<int>(std::lround(size_ * kPixelsPerPoint));
}

}  // namespace hc
