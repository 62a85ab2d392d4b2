#pragma once
// Model values in GDI terms.

#include <windows.h>

#include <string>

#include "device_scale.h"
#include "model/element.h"
#include "model/font.h"
#include "model/pixels.h"

namespace hc::win32 {

// The model's colours are laid out as COLORREF already (red in the low byte).
inline COLORREF ToColorRef(Color c) {
  return static_cast<COLORREF>(c & 0xFFFFFF);
}

inline RECT ToRect(const PixelBox& b) {
  return RECT{b.left, b.top, b.Right(), b.Bottom()};
}

// One font handle per distinct font and screen density, kept for the program's life: a
// clock face uses a handful, and controls keep pointing at theirs. A font keeps its size in
// points on every screen.
HFONT FontHandle(const Font& font, const DeviceScale& scale);

// The program's line ends are CR LF already, as Windows draws them; text goes out wide.
std::wstring DisplayText(const std::string& utf8);

// Starts GDI+ the first time it is needed; it stays up until the program ends.
void EnsureGdiplus();

}  // namespace hc::win32
