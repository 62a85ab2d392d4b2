// The screensaver program: the clock window on the platform the build picked.

#include <cstdio>
#include <string>
#include <vector>

#include "Form1.h"
#include "Form2.h"
#include "app.h"
#include "program_info.h"

int main(int argc, char** argv) {
#ifndef _WIN32
  // Answered before the toolkit starts, so they need no display. A Windows screensaver is a
  // windowed program with no console to print to; its hosts pass only their modes.
  if (const auto info = hc::RequestedProgramInfo({argv + 1, argv + argc}, HC_VERSION)) {
    std::fputs(info->c_str(), stdout);
    return 0;
  }
#endif
  std::string command_line;
  for (int i = 1; i < argc; ++i) command_line += (i > 1 ? " " : "") + std::string(argv[i]);
  // The preview mode only writes a missing settings file: it needs no display.
  const auto app = hc::StartApp(argc, argv, hc::RunModeOf(command_line) == "/p");
  hc::Form1 clock(app->GetSystem(), [&app](hc::Window& w) { app->Attach(w); });
  clock.Form_Load();
  if (app->GetSystem().Ended()) return 0;
  clock.window.Show();
  // A dialog opened during start-up stays over the clock, which is shown after it.
  if (clock.Options().window.Visible()) clock.Options().window.Show();
  return app->Run();
}
