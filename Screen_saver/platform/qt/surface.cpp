#include "surface.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "convert.h"
#include "painting.h"
#include "pictures.h"
#include "session.h"

namespace hc::qt {

Surface::Surface(Window& window, Element* owner, Session& session, QWidget* parent)
    : QWidget(parent), window_(window), owner_(owner), session_(session) {
  // Everything is painted here, over the whole area.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (!owner_) setMouseTracking(true);
}

void Surface::Invalidate(const RectTwips& area) {
  const QRect dirty = DirtyRect(area);
  if (!dirty.isEmpty()) update(dirty);
}

void Surface::PaintFace(QPainter& p, const QRect& dirty) {
  if (!owner_) {
    p.fillRect(dirty, ToQColor(window_.BackColor()));
    // The window's picture keeps its own size from the top-left corner.
    if (const QImage* image = ImageOf(window_.GetPicture())) {
      const QRect part = dirty & image->rect();
      if (!part.isEmpty()) p.drawImage(part.topLeft(), *image, part);
    }
    return;
  }
  if (owner_->Kind() == ElementKind::kFrame) {
    PaintFrame(p, rect(), static_cast<const Frame&>(*owner_));
    return;
  }
  const auto& box = static_cast<const PictureElement&>(*owner_);
  p.fillRect(dirty, ToQColor(box.BackColor()));
  PaintPicture(p, rect(), box);
}

void Surface::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect dirty = event->rect();
  PaintFace(p, dirty);
  for (const Element* e : window_.Stacking()) {
    if (!DrawnOn(*e, owner_) || !e->Visible()) continue;
    if (!DirtyRect(ToContainer(*e, e->Extent())).intersects(dirty)) continue;
    p.save();
    PaintDrawn(p, *e);
    p.restore();
  }
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  // Only the window's own client area reports moves; child widgets stop theirs.
  if (!owner_) session_.Deliver().MouseMove(window_);
  event->accept();
}

Element* Surface::Target(const QPoint& pos) const {
  return ClickTarget(window_, owner_, pos.x(), pos.y());
}

void Surface::mousePressEvent(QMouseEvent* event) {
  clicks_.Press(event->button() == Qt::LeftButton ? Target(event->position().toPoint()) : nullptr);
  event->accept();
}

void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a click of its own.
  mousePressEvent(event);
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Element* released_on =
      event->button() == Qt::LeftButton ? Target(event->position().toPoint()) : nullptr;
  if (Element* clicked = clicks_.Release(released_on)) session_.Deliver().Click(*clicked);
}

void Surface::closeEvent(QCloseEvent* event) {
  // The window stays unless its close handler hides it.
  event->ignore();
  if (!owner_) session_.Deliver().CloseRequest(window_);
}

}  // namespace hc::qt
