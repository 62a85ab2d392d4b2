#include "term_signal.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hc::qt {

namespace {

int g_pair[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int) {
  const char byte = 1;
  (void)!::write(g_pair[0], &byte, 1);
}

}  // namespace

TermSignal::TermSignal(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(g_pair[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char byte = 0;
    (void)!::read(g_pair[1], &byte, 1);
    if (on_signal_) on_signal_();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TermSignal::~TermSignal() {
  for (const int signal : kSignals) ::signal(signal, SIG_DFL);
  notifier_.reset();
  for (int& fd : g_pair) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace hc::qt
