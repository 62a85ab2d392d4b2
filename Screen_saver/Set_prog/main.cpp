// The installer program: its window on the platform the build picked.

#include "Form1.h"
#include "app.h"

int main(int argc, char** argv) {
  const auto app = hc::StartApp(argc, argv);
  hc::setup::Form1 setup(app->GetSystem());
  app->Attach(setup.window);
  setup.Form_Load();
  setup.window.Show();
  return app->Run();
}
