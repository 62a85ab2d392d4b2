// The frames grabbed from the Qt backend: on an offscreen 1024 x 768 screen, or with
// QT_QPA_PLATFORM=xcb on the X display of that size the test runs on, where the clock's window
// is put together in the X server and read back from it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "frame_grab.h"
#include "qt/qt_app.h"
#include "qt/qt_testing.h"

namespace hc::frames {

namespace {

bool OnX() {
  return qEnvironmentVariable("QT_QPA_PLATFORM") == "xcb";
}

char arg0[] = "clock_frames_test", arg1[] = "-platform",
     arg2[] = "offscreen:configfile=" HC_SCREEN_CONFIG;
char* argv[] = {arg0, arg1, arg2, nullptr};
int argc = 3;

std::unique_ptr<qt::App> app;

QImage FromServer(QWidget& view) {
  EXPECT_TRUE(QTest::qWaitForWindowExposed(view.windowHandle()));
  // The paints the changes asked for are posted events; once they ran, their drawing is on
  // its way to the server, which answers the read after it.
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return view.screen()->grabWindow(view.winId()).toImage();
}

}  // namespace

App& TheApp() {
  if (!app) {
    if (OnX()) argc = 1;
    app = std::make_unique<qt::App>(argc, argv);
  }
  return *app;
}

void EndApp() {
  app.reset();
}

Image Grab(Window& window) {
  QWidget& view = *qt::ViewOf(*app, window);
  const QImage grabbed =
      (OnX() ? FromServer(view) : view.grab().toImage()).convertToFormat(QImage::Format_RGB32);
  Image image{grabbed.width(), grabbed.height(), {}};
  for (int y = 0; y < grabbed.height(); ++y)
    for (int x = 0; x < grabbed.width(); ++x) {
      const QRgb p = grabbed.pixel(x, y);
      image.pixels.push_back({qRed(p), qGreen(p), qBlue(p)});
    }
  return image;
}

}  // namespace hc::frames
