// The screensaver program: the clock window on the platform the build picked.

#include "Form1.h"
#include "Form2.h"
#include "app.h"

int main(int argc, char** argv) {
  const auto app = hc::StartApp(argc, argv);
  hc::Form1 clock(app->GetSystem(), [&app](hc::Window& w) { app->Attach(w); });
  clock.Form_Load();
  if (app->GetSystem().Ended()) return 0;
  clock.window.Show();
  // A dialog opened during start-up stays over the clock, which is shown after it.
  if (clock.Options().window.Visible()) clock.Options().window.Show();
  return app->Run();
}
