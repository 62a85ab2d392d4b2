#pragma once
// The programs' one way onto their platform. The build picks a backend (HC_BACKEND), and
// that backend starts here; no program names a toolkit.

#include <memory>

#include "model/window.h"
#include "system.h"

namespace hc {

class App {
 public:
  virtual ~App() = default;

  virtual System& GetSystem() = 0;
  // Renders the window and delivers its events from now on. Attach every window before
  // the program's load handler runs, so nothing it does goes unseen.
  virtual void Attach(Window& window) = 0;
  // Runs the event loop until the program ends; returns the exit code.
  virtual int Run() = 0;
};

// Starts the backend the build picked; the arguments after the program's name make the
// command line. A run that `shows_nothing` (a preview mode) goes on without a display.
std::unique_ptr<App> StartApp(int& argc, char** argv, bool shows_nothing = false);

}  // namespace hc
