#pragma once
// Units shared by every window and element: twips, colours and rectangles.

#include <algorithm>
#include <cstdint>

namespace hc {

// Twips per pixel wherever the program converts: the program lays out in pixels of a
// screen of standard density, 1440 twips to the inch at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = kTwipsPerInch / kTwipsPerPixel;

// A denser screen shows each of the program's pixels as `scale` of its own (its dpi / 96):
// one of its pixels covers fewer twips.
constexpr double TwipsPerDevicePixel(double scale) {
  return kTwipsPerPixel / scale;
}
constexpr double ScaleAtDpi(double dpi) {
  return dpi / kStandardDpi;
}

// Colours are 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// A rectangle in twips; empty when width or height is not positive.
struct RectTwips {
  double left = 0, top = 0, width = 0, height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }

  RectTwips United(const RectTwips& o) const {
    if (Empty()) return o;
    if (o.Empty()) return *this;
    const double l = std::min(left, o.left), t = std::min(top, o.top);
    return {l, t, std::max(Right(), o.Right()) - l, std::max(Bottom(), o.Bottom()) - t};
  }
  RectTwips Translated(double dx, double dy) const { return {left + dx, top + dy, width, height}; }
  bool operator==(const RectTwips&) const = default;
};

}  // namespace hc
