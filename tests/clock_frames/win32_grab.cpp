// The frames grabbed from the clock window of the Windows backend (on a 1024 x 768 display).

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
  // The window is shown and everything waiting to be painted is painted before the copy.
  for (const DWORD until = GetTickCount() + 300; GetTickCount() < until; Sleep(10)) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = client.right, height = client.bottom;
  HDC screen = GetDC(hwnd);
  HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(copy, bitmap);
  // The window paints itself into the copy, as for any program that takes its picture.
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy), PRF_CLIENT);
  GdiFlush();
  Image image{width, height, {}};
  const auto* p = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height; ++i, p += 4) image.pixels.push_back({p[2], p[1], p[0]});
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(hwnd, screen);
  return image;
}

}  // namespace hc::frames
