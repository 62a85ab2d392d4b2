#pragma once
// A black window over a screen other than the one the full-screen clock shows on, so a
// screensaver covers every monitor. Moves over it count for the clock's window, as moves
// over the clock itself do; keys reach the clock's window through its view.

#include <QWidget>

#include "model/delivery.h"
#include "model/window.h"

namespace hc::qt {

class ScreenCover : public QWidget {
 public:
  ScreenCover(Window& window, const Delivery& deliver);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Window& window_;
  const Delivery& deliver_;
};

}  // namespace hc::qt
