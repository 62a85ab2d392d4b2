#pragma once
// The Windows backend: renders windows of the element model as native windows and delivers
// their events, and gives the system services on Windows.

#include <memory>

#include "app.h"

namespace hc::win32 {

class Session;

class App : public hc::App {
 public:
  App();
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  System& GetSystem() override;
  void Attach(Window& window) override;
  int Run() override;
  Session& GetSession();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hc::win32
