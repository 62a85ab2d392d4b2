#pragma once
// The Qt 6 Widgets backend: renders windows of the element model and delivers their
// events, and gives the system services on Linux. Nothing outside this folder sees Qt.

#include <memory>

#include "app.h"

namespace hc::qt {

class App : public hc::App {
 public:
  // Starts the toolkit; the arguments after the program name make the command line.
  App(int& argc, char** argv, bool shows_nothing = false);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  System& GetSystem() override;
  void Attach(Window& window) override;
  int Run() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hc::qt
