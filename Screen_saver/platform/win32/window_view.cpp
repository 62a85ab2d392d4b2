#include <windows.h>
//

#include "controls.h"
#include "gdi.h"
#include "session.h"
#include "wide.h"
#include "window_view.h"

namespace hc::win32 {

namespace {

constexpr DWORD kFramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kPopupStyle = WS_POPUP;

bool IsSurfaceKind(const Element& e) {
  return e.Kind() == ElementKind::kFrame || e.Kind() == ElementKind::kPictureBox;
}

}  // namespace

WindowView::WindowView(Window& window, Session& session, System& system)
    : ViewSync(window),
      session_(session),
      system_(system),
      // Every window of a screensaver stays above other programs' windows, the dialogs
      // above the full-screen clock among them.
      top_(
          std::make_unique<Surface>(window, nullptr, *this, nullptr, kFramedStyle, WS_EX_TOPMOST)) {
  Follow();
  ApplyWindow();
  if (window_.Visible()) ShowOnScreen();
}

WindowView::~WindowView() {
  for (auto& [id, timer] : timers_) KillTimer(top_->Handle(), id);
}

bool WindowView::Holds(HWND hwnd) const {
  if (!hwnd) return false;
  for (const auto& cover : covers_)
    if (hwnd == cover->Handle()) return true;
  return hwnd == top_->Handle() || IsChild(top_->Handle(), hwnd);
}

Element* WindowView::ElementOf(HWND hwnd) const {
  const auto it = elements_of_.find(hwnd);
  return it == elements_of_.end() ? nullptr : it->second;
}

HWND WindowView::ControlOf(const Element& e) const {
  const auto it = controls_.find(&e);
  return it == controls_.end() ? nullptr : it->second;
}

void WindowView::Shut() {
  for (auto& [id, timer] : timers_) KillTimer(top_->Handle(), id);
  ShowWindow(top_->Handle(), SW_HIDE);
  CoverOtherMonitors(false);
}

void WindowView::AddTimer(const Timer& timer) {
  const UINT_PTR id = timers_.size() + 1;
  timers_[id] = &timer;
  timer_ids_[&timer] = id;
  RestartTimer(timer);
}

void WindowView::AddWindowed(Element& e) {
  if (controls_built_) CreateControl(e);
}

void WindowView::BuildControls() {
  // Every element is known before the controls are made, so none is made twice.
  Discover();
  controls_built_ = true;
  // Elements come after their containers, so each container's surface is there first.
  for (const auto& e : window_.Elements())
    if (e->Windowed()) CreateControl(*e);
  Restack();
}

HWND WindowView::ParentFor(const Element* container) const {
  return SurfaceOf(container).Handle();
}

void WindowView::CreateControl(Element& e) {
  HWND handle = nullptr;
  if (IsSurfaceKind(e)) {
    auto surface =
        std::make_unique<Surface>(window_, &e, *this, ParentFor(e.Container()), WS_CHILD, 0);
    handle = surface->Handle();
    surfaces_[&e] = std::move(surface);
  } else {
    handle = MakeControl(e, ParentFor(e.Container()));
    if (!handle) return;
    controls_[&e] = handle;
  }
  elements_of_[handle] = &e;
  SyncNative(e);
}

bool WindowView::SyncNative(Element& e) {
  if (auto it = controls_.find(&e); it != controls_.end()) {
    SyncControl(e, it->second, system_);
    return true;
  }
  const auto it = surfaces_.find(&e);
  if (it == surfaces_.end()) return false;
  HWND hwnd = it->second->Handle();
  const PixelBox b = DeviceScale::Of(hwnd).Bounds(e);
  SetWindowPos(hwnd, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(hwnd, e.Enabled());
  ShowWindow(hwnd, e.Visible() ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(hwnd, nullptr, FALSE);
  return true;
}

void WindowView::RestartTimer(const Timer& timer) {
  const UINT_PTR id = timer_ids_.at(&timer);
  if (timer.Running() && !session_.Ended())
    SetTimer(top_->Handle(), id, static_cast<UINT>(timer.Interval()), nullptr);
  else
    KillTimer(top_->Handle(), id);
}

Surface& WindowView::SurfaceOf(const Element* container) const {
  if (container)
    if (auto it = surfaces_.find(container); it != surfaces_.end()) return *it->second;
  return *top_;
}

void WindowView::InvalidateDrawn(const Element& e, const RectTwips& area) {
  SurfaceOf(e.Container()).Invalidate(ToContainer(e, area));
}

void WindowView::InvalidateAllDrawn() {
  InvalidateRect(top_->Handle(), nullptr, FALSE);
  for (auto& [e, surface] : surfaces_) InvalidateRect(surface->Handle(), nullptr, FALSE);
}

void WindowView::Restack() {
  // Back to front: each one placed on top of those before it.
  for (Element* e : window_.Stacking()) {
    HWND hwnd = nullptr;
    if (auto it = controls_.find(e); it != controls_.end()) hwnd = it->second;
    if (auto it = surfaces_.find(e); it != surfaces_.end()) hwnd = it->second->Handle();
    if (hwnd) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void WindowView::WindowChanged() {
  Discover();
  ApplyWindow();
  InvalidateRect(top_->Handle(), nullptr, FALSE);
}

void WindowView::VisibilityChanged() {
  Discover();
  if (window_.Visible()) {
    ShowOnScreen();
  } else {
    ShowWindow(top_->Handle(), SW_HIDE);
    CoverOtherMonitors(false);
  }
}

void WindowView::ApplyWindow() {
  HWND hwnd = top_->Handle();
  SetWindowTextW(hwnd, Wide(window_.Caption()).c_str());
  const bool popup = window_.Borderless() || window_.FullScreen();
  const DWORD style = popup ? kPopupStyle : kFramedStyle;
  const LONG_PTR current = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const LONG_PTR wanted = (current & ~static_cast<LONG_PTR>(kFramedStyle | kPopupStyle)) | style;
  if (current != wanted) SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
  RECT r{};
  if (window_.FullScreen()) {
    r = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  } else {
    // The model gives the client area's size; the frame goes around it.
    const DeviceScale scale = DeviceScale::Of(hwnd);
    const int left = scale.Px(window_.Left()), top = scale.Px(window_.Top());
    r = RECT{left, top, left + scale.Px(window_.Width()), top + scale.Px(window_.Height())};
    AdjustWindowRectExForDpi(&r, static_cast<DWORD>(wanted), FALSE, WS_EX_TOPMOST, scale.Dpi());
    OffsetRect(&r, left - r.left, top - r.top);
  }
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowView::ShowOnScreen() {
  if (session_.Ended()) return;
  // A window's controls are made when it is first shown: a dialog that never opens costs
  // nothing at start-up. Until then the model alone holds what they would show.
  if (!controls_built_) BuildControls();
  HWND hwnd = top_->Handle();
  if (HWND active = GetActiveWindow(); active != hwnd) {
    shown_from_window_ = active;
    shown_from_focus_ = GetFocus();
  }
  ShowWindow(hwnd, SW_SHOW);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  SetFocus(hwnd);
  CoverOtherMonitors(window_.FullScreen());
}

void WindowView::CoverOtherMonitors(bool shown) {
  covers_.clear();
  if (!shown) return;
  for (const RECT& monitor : OtherMonitors())
    covers_.push_back(std::make_unique<ScreenCover>(monitor, top_->Handle(), *this));
}

void WindowView::SurfaceMouseMove(POINT screen) {
  // A cover takes no input while the window it stands for waits behind a modal one.
  if (pointer_moves_.Moved(screen) && IsWindowEnabled(top_->Handle()))
    session_.Deliver().MouseMove(window_);
}

void WindowView::SurfaceClick(Element& e) {
  session_.Deliver().Click(e);
}

void WindowView::SurfaceClose() {
  session_.Deliver().CloseRequest(window_);
}

void WindowView::SurfaceSessionEnding() {
  session_.EndRequest();
}

void WindowView::SurfaceCommand(HWND control, int code) {
  if (Element* e = ElementOf(control); e && controls_.count(e))
    ControlNotified(
        *e, control, code, session_.Deliver(),
        [this](std::function<void()> work) { session_.Later(std::move(work)); }, system_);
}

HBRUSH WindowView::SurfaceControlColours(HWND control, HDC dc) {
  const Element* e = ElementOf(control);
  return e ? ControlColours(*e, dc) : nullptr;
}

void WindowView::SurfaceTimer(UINT_PTR id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return;
  HoldInvalidation(true);
  session_.Deliver().Tick(*it->second);
  HoldInvalidation(false);
}

void WindowView::HoldInvalidation(bool held) {
  std::vector<Surface*> all{top_.get()};
  for (auto& [e, surface] : surfaces_) all.push_back(surface.get());
  for (Surface* s : all) held ? s->HoldInvalidation() : s->ReleaseInvalidation();
}

void WindowView::SurfaceDpiChanged(const RECT& suggested) {
  HWND hwnd = top_->Handle();
  SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Everything inside is laid out again in the new screen's pixels, its fonts among them.
  for (const auto& e : window_.Elements())
    if (e->Windowed()) SyncNative(*e);
  InvalidateAllDrawn();
}

bool WindowView::SurfaceSetCursor() {
  switch (window_.GetPointer()) {
    case Pointer::kBlank:
      SetCursor(nullptr);
      return true;
    case Pointer::kCross:
      SetCursor(LoadCursorW(nullptr, IDC_CROSS));
      return true;
    default:
      return false;
  }
}

}  // namespace hc::win32
