#pragma once
// A copy of pixels a device context draws, for tests that look at what Windows shows.

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace hc::testing {

// The pixels `draw` puts into a `width` x `height` bitmap compatible with `reference`, as
// 0x00RRGGBB row by row from the top.
template <class Draw>
std::vector<DWORD> CopyPixels(HDC reference, int width, int height, Draw draw) {
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  HDC copy = CreateCompatibleDC(reference);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, bitmap);
  draw(copy);
  GdiFlush();
  if (bits) std::memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  return pixels;
}

}  // namespace hc::testing
