#include <windows.h>
//
#include <utility>

#include "model/tab_order.h"
#include "session.h"
#include "window_view.h"

namespace hc::win32 {

namespace {

constexpr UINT kWake = WM_APP + 1;
constexpr wchar_t kWakeClass[] = L"HalvekClockWake";

LRESULT CALLBACK WakeProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kWake) {
    reinterpret_cast<Session*>(lparam)->RunLater();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// A message-only window: work put off reaches it even while a system box runs its own loop,
// which would drop a message posted to the thread.
HWND WakeWindow() {
  static HWND hwnd = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WakeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWakeClass;
    RegisterClassExW(&wc);
    return CreateWindowExW(0, kWakeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }();
  return hwnd;
}

KeyKind KindOfVirtualKey(WPARAM key) {
  if (key == VK_RETURN) return KeyKind::kEnter;
  if (key == VK_ESCAPE) return KeyKind::kEscape;
  return KeyKind::kOther;
}

}  // namespace

Session::Session() = default;
Session::~Session() = default;

WindowView& Session::Attach(Window& window, System& system) {
  views_.push_back(std::make_unique<WindowView>(window, *this, system));
  return *views_.back();
}

WindowView* Session::ViewOf(const Window& window) const {
  for (const auto& v : views_)
    if (&v->Model() == &window) return v.get();
  return nullptr;
}

WindowView* Session::ViewOfHandle(void* hwnd) const {
  for (const auto& v : views_)
    if (v->Holds(static_cast<HWND>(hwnd))) return v.get();
  return nullptr;
}

void Session::End() {
  if (ended_) return;
  ended_ = true;
  for (const auto& v : views_) v->Shut();
  PostQuitMessage(0);
}

void Session::EndRequest() {
  std::vector<Window*> windows;
  for (const auto& v : views_) windows.push_back(&v->Model());
  delivery_.EndRequest(windows);
  End();
}

void Session::Later(std::function<void()> work) {
  later_.push_back(std::move(work));
  if (!wake_posted_)
    wake_posted_ = PostMessageW(WakeWindow(), kWake, 0, reinterpret_cast<LPARAM>(this));
}

void Session::RunLater() {
  wake_posted_ = false;
  auto work = std::exchange(later_, {});
  for (auto& w : work)
    if (!ended_) w();
}

bool Session::PreTranslate(void* message) {
  MSG& msg = *static_cast<MSG*>(message);
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR && msg.message != WM_SYSKEYDOWN)
    return false;
  WindowView* view = ViewOfHandle(msg.hwnd);
  if (!view) return false;
  const Element* focused = view->ElementOf(msg.hwnd);
  if (msg.message == WM_CHAR) {
    // Enter and Escape went at their key-down; they make characters 13 and 27 too.
    if (msg.wParam == '\r' || msg.wParam == 27) return false;
    return delivery_.KeyPress(view->Model(), KeyKind::kOther,
                              static_cast<std::uint16_t>(msg.wParam), focused);
  }
  if (msg.wParam == VK_TAB && !view->Model().on_key_press) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    if (const Element* next = NextTabStop(view->Model(), focused, backwards))
      if (HWND control = view->ControlOf(*next)) {
        SetFocus(control);
        // A box reached by Tab offers its whole text for typing over, as dialogs do.
        if (next->Kind() == ElementKind::kTextBox) SendMessageW(control, EM_SETSEL, 0, -1);
      }
    return true;
  }
  const KeyKind kind = KindOfVirtualKey(msg.wParam);
  // A control that wants Enter or Escape for itself now (a list dropped down closes on
  // them) gets it rather than the dialog's buttons.
  if (kind != KeyKind::kOther && msg.message == WM_KEYDOWN &&
      (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
       DLGC_WANTMESSAGE))
    return false;
  if (kind != KeyKind::kOther) {
    const std::uint16_t character = kind == KeyKind::kEnter ? 13 : 27;
    return delivery_.KeyPress(view->Model(), kind, character, focused);
  }
  // A key that makes no character is told now; one that does, when its character comes.
  if (MapVirtualKeyW(static_cast<UINT>(msg.wParam), MAPVK_VK_TO_CHAR) == 0)
    return delivery_.KeyPress(view->Model(), KeyKind::kOther, std::nullopt, focused);
  return false;
}

bool Session::PumpOne() {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    // A quit seen by a nested loop is left for the outer ones.
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  if (PreTranslate(&msg)) return true;
  // Tab and the arrow keys move between the controls of a dialog.
  if (WindowView* view = ViewOfHandle(msg.hwnd); view && !view->Model().on_key_press)
    if (IsDialogMessageW(view->Handle(), &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

int Session::Loop() {
  while (!ended_ && PumpOne()) {
  }
  return 0;
}

void Session::WaitWhileShown(const Window& window) {
  // The other windows take no input while this one waits for its answer.
  std::vector<HWND> disabled;
  const WindowView* modal = ViewOf(window);
  for (const auto& v : views_)
    if (v.get() != modal && IsWindowEnabled(v->Handle())) {
      EnableWindow(v->Handle(), FALSE);
      disabled.push_back(v->Handle());
    }
  while (!ended_ && window.Visible() && PumpOne()) {
  }
  for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
  // The window the user came from gets the keyboard back where it was: with every other
  // window disabled while this one hid, the system had none of ours to give it to.
  if (ended_ || !modal) return;
  HWND active = modal->ShownFromWindow();
  HWND focused = modal->ShownFromFocus();
  if (!ViewOfHandle(active) || !IsWindowVisible(active)) return;
  SetForegroundWindow(active);
  SetActiveWindow(active);
  if (focused && IsChild(active, focused) && IsWindowVisible(focused)) SetFocus(focused);
}

void* Session::OwnerForDialogs() const {
  HWND active = GetActiveWindow();
  if (ViewOfHandle(active)) return active;
  for (auto it = views_.rbegin(); it != views_.rend(); ++it)
    if ((*it)->Model().Visible()) return (*it)->Handle();
  return nullptr;
}

}  // namespace hc::win32
