// The frames grabbed from the clock window of the Windows backend (on a 1024 x 768 display).

#include <windows.h>

#include <memory>

#include "../windows/dib_copy.h"
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
  // The window paints itself into the copy, as for any program that takes its picture.
  const std::vector<DWORD> pixels = testing::CopyPixels(screen, width, height, [&](HDC copy) {
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy), PRF_CLIENT);
  });
  ReleaseDC(hwnd, screen);
  Image image{width, height, {}};
  for (const DWORD p : pixels)
    image.pixels.push_back({static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                            static_cast<unsigned char>(p)});
  return image;
}

}  // namespace hc::frames
