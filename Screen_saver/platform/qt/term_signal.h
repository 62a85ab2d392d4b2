#pragma once
// SIGTERM (a screensaver host ending a hack, a logout), SIGINT and SIGHUP (the terminal
// gone) end the program cleanly: the signal handler only writes a byte, and the event
// loop does the rest.

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace hc::qt {

class TermSignal {
 public:
  explicit TermSignal(std::function<void()> on_signal);
  ~TermSignal();
  TermSignal(const TermSignal&) = delete;
  TermSignal& operator=(const TermSignal&) = delete;

 private:
  std::function<void()> on_signal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace hc::qt
