#include "screen_cover.h"

#include <QMouseEvent>
#include <QPainter>

namespace hc::qt {

ScreenCover::ScreenCover(Window& window, const Delivery& deliver)
    : QWidget(nullptr, Qt::FramelessWindowHint), window_(window), deliver_(deliver) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void ScreenCover::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(event->rect(), Qt::black);
}

void ScreenCover::mouseMoveEvent(QMouseEvent* event) {
  deliver_.MouseMove(window_);
  event->accept();
}

}  // namespace hc::qt
