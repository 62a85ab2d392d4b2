// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
//
#include "win32_app.h"

#include "session.h"
#include "ui_system.h"

namespace hc::win32 {

struct App::Impl {
  Impl() : system(session) {}
  Session session;
  UiSystem system;
};

App::App() {
  // The backend scales to each monitor's density itself (as the manifest says for the
  // programs; the test programs have none).
  if (!SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
    SetProcessDPIAware();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  impl_ = std::make_unique<Impl>();
}

App::~App() = default;

System& App::GetSystem() {
  return impl_->system;
}

void App::Attach(Window& window) {
  impl_->session.Attach(window, impl_->system);
}

int App::Run() {
  return impl_->session.Ended() ? 0 : impl_->session.Loop();
}

Session& App::GetSession() {
  return impl_->session;
}

}  // namespace hc::win32

// The arguments come from the system's own wide command line (Win32System::CommandLine),
// which keeps letters outside the ANSI code page.
std::unique_ptr<hc::App> hc::StartApp(int& /*argc*/, char** /*argv*/, bool /*shows_nothing*/) {
  return std::make_unique<win32::App>();
}
