#pragma once
// The Qt 6 Widgets backend: renders windows of the element model and delivers their
// events, and gives the system services on Linux. Nothing outside this folder sees Qt.

#include <memory>

#include "system.h"

namespace hc::qt {

class App {
 public:
  // Starts the toolkit; the arguments after the program name make the command line.
  App(int& argc, char** argv);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  System& GetSystem();
  // Renders the window and delivers its events from now on. Attach every window before
  // the program's load handler runs, so nothing it does goes unseen.
  void Attach(Window& window);
  // Runs the event loop until the program ends; returns the exit code.
  int Run();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hc::qt
