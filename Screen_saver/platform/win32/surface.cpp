#include <windows.h>
#include <windowsx.h>
//
#include "gdi.h"
#include "native_window.h"
#include "painting.h"
#include "surface.h"

namespace hc::win32 {

namespace {

constexpr wchar_t kClassName[] = L"HalvekClockSurface";

}  // namespace

Surface::Surface(const Window& window, Element* owner, SurfaceEvents& events, HWND parent,
                 DWORD style, DWORD ex_style)
    : window_(window), owner_(owner), events_(events) {
  // Double clicks come as a second press, which is a click of its own.
  RegisterWindowClass(kClassName, &Surface::Proc, CS_DBLCLKS, nullptr);
  // Surfaces hold controls: the dialog keys (arrows among options) reach into them.
  hwnd_ = CreateWindowExW(ex_style | WS_EX_CONTROLPARENT, kClassName, L"", style | WS_CLIPCHILDREN,
                          0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), this);
}

Surface::~Surface() {
  if (hwnd_) {
    Unbind(hwnd_);
    DestroyWindow(hwnd_);
  }
  if (buffer_) DeleteObject(buffer_);
  if (held_) DeleteObject(held_);
}

void Surface::Invalidate(const RectTwips& area) {
  const PixelBox dirty = DeviceScale::Of(hwnd_).Dirty(area);
  if (dirty.Empty()) return;
  const RECT r = ToRect(dirty);
  if (!held_) {
    InvalidateRect(hwnd_, &r, FALSE);
    return;
  }
  HRGN part = CreateRectRgnIndirect(&r);
  CombineRgn(held_, held_, part, RGN_OR);
  DeleteObject(part);
}

void Surface::HoldInvalidation() {
  if (!held_) held_ = CreateRectRgn(0, 0, 0, 0);
}

void Surface::ReleaseInvalidation() {
  if (!held_) return;
  RECT box{};
  if (GetRgnBox(held_, &box) != NULLREGION) InvalidateRgn(hwnd_, held_, FALSE);
  DeleteObject(held_);
  held_ = nullptr;
}

void ReportPointer(HWND hwnd, LPARAM lparam, SurfaceEvents& events) {
  POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  ClientToScreen(hwnd, &p);
  events.SurfaceMouseMove(p);
}

LRESULT CALLBACK Surface::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<Surface*>(BoundObject(hwnd, message, lparam));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  // Messages come before CreateWindowExW returns the handle.
  self->hwnd_ = hwnd;
  return self->Handle(message, wparam, lparam);
}

Element* Surface::Target(LPARAM lparam) const {
  return ClickTarget(window_, owner_, GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam),
                     DeviceScale::Of(hwnd_).TwipsPerPixel());
}

LRESULT Surface::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      // A picture of the window asked for (PrintWindow): what it shows, whole.
      RECT client{};
      GetClientRect(hwnd_, &client);
      Render(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      // Everything is painted in WM_PAINT, over the whole area.
      return 1;
    case WM_MOUSEMOVE:
      if (!owner_) ReportPointer(hwnd_, lparam, events_);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      clicks_.Press(Target(lparam));
      return 0;
    case WM_LBUTTONUP:
      if (Element* clicked = clicks_.Release(Target(lparam))) events_.SurfaceClick(*clicked);
      return 0;
    case WM_CLOSE:
      // The window stays unless its close handler hides it.
      if (!owner_) events_.SurfaceClose();
      return 0;
    case WM_ENDSESSION:
      if (wparam && !owner_) events_.SurfaceSessionEnding();
      return 0;
    case WM_COMMAND:
      if (lparam) events_.SurfaceCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = events_.SurfaceControlColours(reinterpret_cast<HWND>(lparam),
                                                       reinterpret_cast<HDC>(wparam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_TIMER:
      events_.SurfaceTimer(wparam);
      return 0;
    case WM_DPICHANGED:
      // Moved to a screen of another density: the system suggests where the window goes.
      if (!owner_) events_.SurfaceDpiChanged(*reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && events_.SurfaceSetCursor()) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Surface::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  Render(dc, ps.rcPaint);
  EndPaint(hwnd_, &ps);
}

void Surface::Render(HDC target, const RECT& dirty) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (dirty.right <= dirty.left || dirty.bottom <= dirty.top || client.right <= 0 ||
      client.bottom <= 0)
    return;
  // Drawn into a buffer of the surface's size, then the changed part copied in one go.
  if (!buffer_ || buffer_size_.cx != client.right || buffer_size_.cy != client.bottom) {
    if (buffer_) DeleteObject(buffer_);
    buffer_ = CreateCompatibleBitmap(target, client.right, client.bottom);
    buffer_size_ = SIZE{client.right, client.bottom};
  }
  HDC buffer = CreateCompatibleDC(target);
  HGDIOBJ old = SelectObject(buffer, buffer_);
  IntersectClipRect(buffer, dirty.left, dirty.top, dirty.right, dirty.bottom);
  PaintSurface(buffer, dirty, buffer_size_, window_, owner_, DeviceScale::Of(hwnd_));
  BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer,
         dirty.left, dirty.top, SRCCOPY);
  SelectObject(buffer, old);
  DeleteDC(buffer);
}

}  // namespace hc::win32
