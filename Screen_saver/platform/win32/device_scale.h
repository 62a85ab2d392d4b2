#pragma once
// The program lays everything out in its own pixels, those of a 96-dpi screen; a window on
// a denser screen shows each of them as dpi/96 of its own pixels. Whatever the backend
// puts on the screen, or reads from it, goes through here.

#include <windows.h>

#include "model/pixels.h"

namespace hc::win32 {

class DeviceScale {
 public:
  explicit DeviceScale(UINT dpi) : dpi_(dpi ? dpi : kStandardDpi) {}
  // The density of the screen a window is on.
  static DeviceScale Of(HWND hwnd);
  // The density of the primary screen, which the full-screen clock covers.
  static DeviceScale OfScreen();

  UINT Dpi() const { return dpi_; }
  double TwipsPerPixel() const { return TwipsPerDevicePixel(ScaleAtDpi(dpi_)); }

  // Device pixels for lengths the model gives in twips.
  int Px(double twips) const { return hc::Px(twips, TwipsPerPixel()); }
  PixelBox Dirty(const RectTwips& r) const { return DirtyPixelsOf(r, TwipsPerPixel()); }
  PixelBox Bounds(const Element& e) const { return PixelBoundsOf(e, TwipsPerPixel()); }

  // Device pixels for lengths the model gives in its own pixels: line and outline widths,
  // a picture's natural size, a point on the screen.
  int Pixels(int program_pixels) const { return MulDiv(program_pixels, dpi_, kStandardDpi); }
  // The same, unrounded, for what is drawn smooth.
  double Scaled(double program_pixels) const { return program_pixels * ScaleAtDpi(dpi_); }

  // The height of a font of `points` as LOGFONT wants it: negative, the character's own.
  int FontHeight(double points) const;

 private:
  UINT dpi_;
};

}  // namespace hc::win32
