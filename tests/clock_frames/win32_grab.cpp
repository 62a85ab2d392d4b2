// The frames grabbed from the screen under the Windows backend (a 1024 x 768 display).

#include <windows.h>

#include <memory>

#include "frame_grab.h"
#include "win32/session.h"
#include "win32/win32_app.h"
#include "win32/window_view.h"

namespace hc::frames {

namespace {

std::unique_ptr<win32::App> app;

}  // namespace

App& TheApp() {
  if (!app) app = std::make_unique<win32::App>();
  return *app;
}

void EndApp() {
  app.reset();
}

Image Grab(Window& window) {
  HWND hwnd = app->GetSession().ViewOf(window)->Handle();
  // What waits to be painted is painted, and the display has it, before the copy.
  UpdateWindow(hwnd);
  GdiFlush();
  Sleep(200);
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  const int width = client.right, height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  Image image{width, height, {}};
  const auto* p = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height; ++i, p += 4) image.pixels.push_back({p[2], p[1], p[0]});
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return image;
}

}  // namespace hc::frames
