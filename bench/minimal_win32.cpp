// The floor for a Win32 clock under Wine: one full-screen black window drawing a seconds
// hand once a second, nothing else. bench/wine_idle measures it beside the screensaver.

#include <windows.h>

#include <cmath>

namespace {

constexpr int kDial = 164;

RECT DialRect(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int left = (client.right - kDial) / 2, top = (client.bottom - kDial) / 2;
  return RECT{left, top, left + kDial, top + kDial};
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const RECT dial = DialRect(hwnd);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, dial.left, dial.top, dial.right, dial.bottom);
  SYSTEMTIME now;
  GetLocalTime(&now);
  const double angle = now.wSecond * 3.14159265358979 / 30.0;
  const int cx = (dial.left + dial.right) / 2, cy = (dial.top + dial.bottom) / 2;
  MoveToEx(dc, cx, cy, nullptr);
  LineTo(dc, cx + static_cast<int>(std::sin(angle) * (kDial / 2 - 4)),
         cy - static_cast<int>(std::cos(angle) * (kDial / 2 - 4)));
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_TIMER: {
      const RECT dial = DialRect(hwnd);
      InvalidateRect(hwnd, &dial, FALSE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"MinimalClock";
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"MinimalClock", WS_POPUP, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                              nullptr, instance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  SetTimer(hwnd, 1, 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
