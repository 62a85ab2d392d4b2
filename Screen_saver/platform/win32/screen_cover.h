#pragma once
// A black window over a monitor other than the primary one, where the full-screen clock
// shows: a screensaver covers every monitor. Moves over it reach the view as moves over the
// clock's own window do. It never takes the focus, so keys go on reaching the clock's window
// and a dialog shown over the clock stays above it.

#include <windows.h>

#include <vector>

#include "surface.h"

namespace hc::win32 {

class ScreenCover {
 public:
  // Covers `monitor` (screen pixels); `owner` is the clock's window, whose events get its input.
  ScreenCover(const RECT& monitor, HWND owner, SurfaceEvents& events);
  ~ScreenCover();
  ScreenCover(const ScreenCover&) = delete;
  ScreenCover& operator=(const ScreenCover&) = delete;

  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  SurfaceEvents& events_;
  HWND hwnd_ = nullptr;
};

// Where every monitor but the primary one lies, in screen pixels.
std::vector<RECT> OtherMonitors();

}  // namespace hc::win32
