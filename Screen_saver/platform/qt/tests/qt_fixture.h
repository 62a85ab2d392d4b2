#pragma once
// A running backend for tests: the application, one window attached to it and ways to look
// at what it shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <functional>
#include <string>

#include "convert.h"
#include "model/window.h"
#include "qt_testing.h"

namespace hc::qt {

inline constexpr double kPx = kTwipsPerPixel;

// A pixel as "#rrggbb", so a failure says which colour was there.
inline std::string At(const QImage& image, int x, int y) {
  return image.pixelColor(x, y).name().toStdString();
}
inline std::string Hex(Color c) {
  return ToQColor(c).name().toStdString();
}

class QtFixture : public ::testing::Test {
 protected:
  // The window starts 400 x 300 pixels, dark blue, at the screen's top-left corner.
  QtFixture() {
    window.Resize(400 * kPx, 300 * kPx);
    window.SetBackColor(kBack);
  }

  // Attaches and shows the window, and waits until it is on screen.
  QWidget* Open() {
    app.Attach(window);
    window.Show();
    QWidget* view = ViewOf(app, window);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
    return view;
  }

  // Lets pending events and repaints run.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  QImage Shot() { return ViewOf(app, window)->grab().toImage(); }

  static constexpr Color kBack = Rgb(0, 0, 96);
  static constexpr Color kRed = Rgb(255, 0, 0);
  static constexpr Color kGreen = Rgb(0, 255, 0);
  static constexpr Color kYellow = Rgb(255, 255, 0);
  static constexpr Color kWhite = Rgb(255, 255, 255);

  int argc = 1;
  char name[16] = "qt_tests";
  char* argv[2] = {name, nullptr};
  // The application outlives the window, as in the programs.
  App app{argc, argv};
  Window window{"Form"};
};

// Pixels in twips, for element positions.
inline double T(int pixels) {
  return pixels * kPx;
}

}  // namespace hc::qt
