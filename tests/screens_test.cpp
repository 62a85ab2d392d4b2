// A full-screen window with two screens on the real Qt backend: the window fills the
// primary screen, the other is covered in black, and moves and keys over the cover reach
// the window's rules.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <string>
#include <vector>

#include "model/window.h"
#include "qt/qt_app.h"
#include "qt/qt_testing.h"

namespace hc {
namespace {

int argc = 3;
char arg0[] = "screens_test", arg1[] = "-platform",
     arg2[] = "offscreen:configfile=" HC_SCREEN_CONFIG;
char* argv[] = {arg0, arg1, arg2, nullptr};

TEST(TwoScreens, TheOtherScreenIsCoveredAndItsMovesAndKeysCount) {
  qt::App app(argc, argv);
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  const QRect primary = QGuiApplication::primaryScreen()->geometry();
  const QRect other = QGuiApplication::screens().at(1)->geometry();
  ASSERT_NE(primary, other);

  Window window("Form1");
  window.SetFullScreen(true);
  window.SetBackColor(Rgb(0, 0, 96));
  int moves = 0;
  std::vector<std::uint16_t> keys;
  window.on_mouse_move = [&] { ++moves; };
  window.on_key_press = [&](std::uint16_t k) { keys.push_back(k); };
  app.Attach(window);
  window.Show();
  QWidget* view = qt::ViewOf(app, window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
  EXPECT_EQ(view->geometry(), primary);

  QWidget* cover = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != view && w->isVisible() && w->geometry() == other) cover = w;
  ASSERT_TRUE(cover) << "no window over the other screen";
  const QImage shot = cover->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), QColor(Qt::black));

  QTest::mouseMove(cover, QPoint(10, 10));
  QTest::mouseMove(cover, QPoint(20, 30));
  EXPECT_EQ(moves, 2);
  QTest::keyClick(cover, Qt::Key_A);
  EXPECT_EQ(keys, std::vector<std::uint16_t>{'a'});

  window.Hide();
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && w->geometry() == other) << "the cover goes with the window";
}

}  // namespace
}  // namespace hc
