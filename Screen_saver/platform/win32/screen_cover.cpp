#include <windows.h>
//
#include "native_window.h"
#include "screen_cover.h"

namespace hc::win32 {

namespace {

constexpr wchar_t kClassName[] = L"HalvekClockCover";

BOOL CALLBACK AddOther(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(info.rcMonitor);
  return TRUE;
}

}  // namespace

std::vector<RECT> OtherMonitors() {
  std::vector<RECT> others;
  EnumDisplayMonitors(nullptr, nullptr, &AddOther, reinterpret_cast<LPARAM>(&others));
  return others;
}

ScreenCover::ScreenCover(const RECT& monitor, HWND owner, SurfaceEvents& events) : events_(events) {
  // The system paints the whole cover black; nothing else is ever drawn on it.
  RegisterWindowClass(kClassName, &ScreenCover::Proc, 0,
                      static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  // Owned by the clock's window: no button of its own on the task bar, and it comes up
  // with the clock whenever that is brought to the front.
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, L"", WS_POPUP, monitor.left,
                          monitor.top, monitor.right - monitor.left, monitor.bottom - monitor.top,
                          owner, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd_) ShowWindow(hwnd_, SW_SHOWNA);
}

ScreenCover::~ScreenCover() {
  if (!hwnd_) return;
  Unbind(hwnd_);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK ScreenCover::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<ScreenCover*>(BoundObject(hwnd, message, lparam));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  self->hwnd_ = hwnd;
  return self->Handle(message, wparam, lparam);
}

LRESULT ScreenCover::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message == WM_MOUSEMOVE) {
    ReportPointer(hwnd_, lparam, events_);
    return 0;
  }
  // The pointer looks as it does over the clock's window.
  if (message == WM_SETCURSOR && LOWORD(lparam) == HTCLIENT && events_.SurfaceSetCursor())
    return TRUE;
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace hc::win32
