#include "qt_app.h"

#include <QApplication>
#include <QFont>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "display_check.h"
#include "host_window.h"
#include "linux/host_window_args.h"
#include "qt_system.h"
#include "session.h"
#include "term_signal.h"
#include "window_view.h"

namespace hc::qt {

namespace {

std::vector<std::string> Copy(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::vector<char*> Pointers(std::vector<std::string>& args) {
  std::vector<char*> pointers;
  for (auto& a : args) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  return pointers;
}

// What Qt left of the arguments, without the program name.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

// Without a display the toolkit would abort with a core dump. A run that shows nothing goes
// on without a screen; any other ends with the reason and status 1.
bool PrepareDisplay(int argc, char** argv, bool shows_nothing) {
  const std::string reason = NoDisplayReason();
  if (reason.empty()) return true;
  if (shows_nothing) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
  }
  const std::string program = argc > 0 ? std::string(argv[0]) : "HalvekClock";
  std::fprintf(stderr, "%s: %s\n", program.substr(program.rfind('/') + 1).c_str(), reason.c_str());
  std::exit(1);
}

}  // namespace

struct App::Impl {
  Impl(int argc_in, char** argv_in, bool shows_nothing)
      : args(Copy(argc_in, argv_in)),
        pointers(Pointers(args)),
        argc(argc_in),
        display_ready(PrepareDisplay(argc_in, argv_in, shows_nothing)),
        application(argc, pointers.data()),
        arguments(ProgramArguments(argc, pointers.data())),
        request(host::TakeHostWindowArguments(arguments, std::getenv("XSCREENSAVER_WINDOW"))),
        system(session, arguments),
        term_signal([this] { session.EndRequest(); }) {
    if (request.hosted && request.error.empty()) {
      if (auto host = HostWindow::Open(request.window, &request.error))
        session.HostIn(std::move(host));
    }
    if (!request.error.empty()) {
      std::fprintf(stderr, "HalvekClock: %s\n", request.error.c_str());
      std::exit(2);
    }
    // A program without a visible window goes on until it ends itself.
    QApplication::setQuitOnLastWindowClosed(false);
    // The dialogs were laid out for narrow Windows faces; metric-compatible or close
    // narrow faces keep their texts inside their boxes.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Nimbus Sans", "Arial"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Nimbus Sans"});
    QFont::insertSubstitutions("Arial Narrow", {"Liberation Sans Narrow", "Nimbus Sans Narrow"});
  }

  // QApplication keeps the arguments for its whole life and takes out its own options.
  std::vector<std::string> args;
  std::vector<char*> pointers;
  int argc;
  bool display_ready;
  QApplication application;
  Session session;
  // What is left of the arguments once the host's are taken out.
  std::vector<std::string> arguments;
  host::HostWindowRequest request;
  QtSystem system;
  TermSignal term_signal;
};

App::App(int& argc, char** argv, bool shows_nothing)
    : impl_(std::make_unique<Impl>(argc, argv, shows_nothing)) {}

App::~App() = default;

System& App::GetSystem() {
  return impl_->system;
}

void App::Attach(Window& window) {
  impl_->session.Attach(window, impl_->system);
}

int App::Run() {
  if (impl_->session.Ended()) return 0;
  return QApplication::exec();
}

}  // namespace hc::qt

std::unique_ptr<hc::App> hc::StartApp(int& argc, char** argv, bool shows_nothing) {
  return std::make_unique<qt::App>(argc, argv, shows_nothing);
}
