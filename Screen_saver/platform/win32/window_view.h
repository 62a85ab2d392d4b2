#pragma once
// One model window on screen: a top-level surface, a child surface for each frame and
// picture box, a native control for each other windowed element and a system timer for
// each timer element. It follows the model through the observer calls and delivers the
// user's keys, moves and clicks back to it.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "model/view_sync.h"
#include "model/window.h"
#include "pointer_moves.h"
#include "screen_cover.h"
#include "surface.h"
#include "system.h"

namespace hc::win32 {

class Session;

class WindowView : public ViewSync, public SurfaceEvents {
 public:
  WindowView(Window& window, Session& session, System& system);
  ~WindowView() override;

  const Window& Model() const { return window_; }
  Window& Model() { return window_; }
  HWND Handle() const { return top_->Handle(); }
  // Whether `hwnd` is this window, lies inside it or covers another monitor for it.
  bool Holds(HWND hwnd) const;
  // The element whose control or surface `hwnd` is; null for none.
  Element* ElementOf(HWND hwnd) const;
  // The native control that shows `e`; null for an element drawn on a surface.
  HWND ControlOf(const Element& e) const;
  // Where the keyboard was when this window was last shown: the active window and its
  // focused control, for a modal window to give the keyboard back to when it hides.
  HWND ShownFromWindow() const { return shown_from_window_; }
  HWND ShownFromFocus() const { return shown_from_focus_; }
  // The program ended: hide at once and stop every timer.
  void Shut();

  void WindowChanged() override;
  void VisibilityChanged() override;

  void SurfaceMouseMove(POINT screen) override;
  void SurfaceClick(Element& e) override;
  void SurfaceClose() override;
  void SurfaceSessionEnding() override;
  void SurfaceCommand(HWND control, int code) override;
  HBRUSH SurfaceControlColours(HWND control, HDC dc) override;
  void SurfaceTimer(UINT_PTR id) override;
  void SurfaceDpiChanged(const RECT& suggested) override;
  bool SurfaceSetCursor() override;

 protected:
  void AddTimer(const Timer& timer) override;
  void RestartTimer(const Timer& timer) override;
  void AddWindowed(Element& e) override;
  bool SyncNative(Element& e) override;
  void InvalidateDrawn(const Element& e, const RectTwips& area) override;
  void InvalidateAllDrawn() override;
  void Restack() override;

 private:
  void BuildControls();
  void CreateControl(Element& e);
  Surface& SurfaceOf(const Element* container) const;
  HWND ParentFor(const Element* container) const;
  void ApplyWindow();
  void ShowOnScreen();
  // Gathers (true) or hands over (false) what the surfaces are asked to repaint.
  void HoldInvalidation(bool held);
  // Black covers over the other monitors while a full-screen window shows, none otherwise.
  void CoverOtherMonitors(bool shown);

  Session& session_;
  System& system_;
  std::unique_ptr<Surface> top_;
  std::map<const Element*, std::unique_ptr<Surface>> surfaces_;
  std::map<const Element*, HWND> controls_;
  std::map<HWND, Element*> elements_of_;
  std::map<const Timer*, UINT_PTR> timer_ids_;
  std::map<UINT_PTR, const Timer*> timers_;
  bool controls_built_ = false;
  HWND shown_from_window_ = nullptr;
  HWND shown_from_focus_ = nullptr;
  std::vector<std::unique_ptr<ScreenCover>> covers_;
  PointerMoves pointer_moves_;
};

}  // namespace hc::win32
