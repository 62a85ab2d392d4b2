#include "screen_cover.h"

#include <QMouseEvent>
#include <QPainter>

#include "session.h"

namespace hc::qt {

ScreenCover::ScreenCover(Window& window, Session& session)
    : QWidget(nullptr, Qt::FramelessWindowHint), window_(window), session_(session) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void ScreenCover::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(event->rect(), Qt::black);
}

void ScreenCover::mouseMoveEvent(QMouseEvent* event) {
  session_.Deliver().MouseMove(window_);
  event->accept();
}

}  // namespace hc::qt
