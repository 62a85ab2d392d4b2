// The installer program: its window on the Qt backend.

#include "Form1.h"
#include "qt/qt_app.h"

int main(int argc, char** argv) {
  hc::qt::App app(argc, argv);
  hc::setup::Form1 setup(app.GetSystem());
  app.Attach(setup.window);
  setup.Form_Load();
  setup.window.Show();
  return app.Run();
}
