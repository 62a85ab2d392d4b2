// The frames grabbed from the Qt backend on an offscreen 1024 x 768 screen.

#include <QImage>
#include <QWidget>
#include <memory>

#include "frame_grab.h"
#include "qt/qt_app.h"
#include "qt/qt_testing.h"

namespace hc::frames {

namespace {

int argc = 3;
char arg0[] = "clock_frames_test", arg1[] = "-platform",
     arg2[] = "offscreen:configfile=" HC_SCREEN_CONFIG;
char* argv[] = {arg0, arg1, arg2, nullptr};

std::unique_ptr<qt::App> app;

}  // namespace

App& TheApp() {
  if (!app) app = std::make_unique<qt::App>(argc, argv);
  return *app;
}

void EndApp() {
  app.reset();
}

Image Grab(Window& window) {
  const QImage grabbed =
      qt::ViewOf(*app, window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  Image image{grabbed.width(), grabbed.height(), {}};
  for (int y = 0; y < grabbed.height(); ++y)
    for (int x = 0; x < grabbed.width(); ++x) {
      const QRgb p = grabbed.pixel(x, y);
      image.pixels.push_back({qRed(p), qGreen(p), qBlue(p)});
    }
  return image;
}

}  // namespace hc::frames
