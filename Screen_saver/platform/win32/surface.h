#pragma once
// A native window that draws what lies on a container: the model window's own client area,
// a frame or a picture box. It paints through an off-screen buffer, so a tick that changes
// a few parts never flickers, and hands the user's input on to its view. Include after
// <windows.h>.

#include <windows.h>

#include <string>

#include "model/hit_test.h"
#include "model/window.h"

namespace hc::win32 {

// What a surface's native window tells the view that owns it.
class SurfaceEvents {
 public:
  virtual ~SurfaceEvents() = default;
  // The pointer was reported over the window's own client area, at `screen` (screen pixels);
  // not every report is a move.
  virtual void SurfaceMouseMove(POINT screen) = 0;
  virtual void SurfaceClick(Element& e) = 0;
  // The window's own close control.
  virtual void SurfaceClose() = 0;
  // The user's session is ending and the program with it.
  virtual void SurfaceSessionEnding() = 0;
  // A control on this surface notified its parent (WM_COMMAND).
  virtual void SurfaceCommand(HWND control, int code) = 0;
  // The brush for a control on this surface, or null for the system's.
  virtual HBRUSH SurfaceControlColours(HWND control, HDC dc) = 0;
  virtual void SurfaceTimer(UINT_PTR id) = 0;
  // The window is now on a screen of another density; `suggested` is the system's place
  // for it there, in that screen's pixels.
  virtual void SurfaceDpiChanged(const RECT& suggested) = 0;
  // Sets the pointer over the window; false leaves it to the system.
  virtual bool SurfaceSetCursor() = 0;
};

// Tells `events` of a pointer report (WM_MOUSEMOVE) over the client area of `hwnd`.
void ReportPointer(HWND hwnd, LPARAM lparam, SurfaceEvents& events);

class Surface {
 public:
  // `owner` is the frame or picture box; null for the window's own client area, which is
  // a top-level window with `style`.
  Surface(const Window& window, Element* owner, SurfaceEvents& events, HWND parent, DWORD style,
          DWORD ex_style);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HWND Handle() const { return hwnd_; }
  Element* Owner() const { return owner_; }
  // Repaints what an area, given in twips relative to this surface, covers.
  void Invalidate(const RectTwips& area);
  // Between these, the areas to repaint are gathered and handed to the system once at the
  // end: a tick moves a dozen parts, and under Wine each hand-over is a trip to its server
  // that wakes the program.
  void HoldInvalidation();
  void ReleaseInvalidation();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  // Paints the part `dirty` of the surface into `target`, at the same place.
  void Render(HDC target, const RECT& dirty);
  Element* Target(LPARAM lparam) const;

  const Window& window_;
  Element* owner_;
  SurfaceEvents& events_;
  HWND hwnd_ = nullptr;
  ClickTracker clicks_;
  // What was asked to be repainted while held; null when not held.
  HRGN held_ = nullptr;
  // The surface as last painted, kept so that a tick repaints only what it changed.
  HBITMAP buffer_ = nullptr;
  SIZE buffer_size_{0, 0};
};

}  // namespace hc::win32
