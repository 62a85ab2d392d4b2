#include <commctrl.h>
#include <windows.h>
//
#include "app.h"
#include "session.h"
#include "ui_system.h"

namespace hc::win32 {

namespace {

// The program's pixels are the screen's: 15 twips each, whatever scale the desktop uses.
void UseScreenPixels() {
  SetProcessDPIAware();
}

class App : public hc::App {
 public:
  App() : system_(session_) {
    UseScreenPixels();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
  }

  System& GetSystem() override { return system_; }
  void Attach(Window& window) override { session_.Attach(window, system_); }
  int Run() override { return session_.Ended() ? 0 : session_.Loop(); }

 private:
  Session session_;
  UiSystem system_;
};

}  // namespace

}  // namespace hc::win32

// The arguments come from the system's own wide command line (see
// Win32System::CommandLine), which keeps letters outside the ANSI code page.
std::unique_ptr<hc::App> hc::StartApp(int& /*argc*/, char** /*argv*/) {
  return std::make_unique<win32::App>();
}
