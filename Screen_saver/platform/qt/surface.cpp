#include "surface.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

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

bool Surface::OnThisSurface(const Element& e) const {
  return e.Container() == owner_ && !e.Windowed() && e.Kind() != ElementKind::kTimer;
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
    if (!OnThisSurface(*e) || !e->Visible()) continue;
    if (!DirtyRect(ToContainer(*e, e->Extent())).intersects(dirty)) continue;
    p.save();
    PaintDrawn(p, *e);
    p.restore();
  }
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  // Only the window's own client area reports moves; child widgets stop theirs.
  if (!owner_ && !session_.Ended() && window_.on_mouse_move) window_.on_mouse_move();
  event->accept();
}

Element* Surface::Target(const QPoint& pos) const {
  const auto& stacking = window_.Stacking();
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    Element* e = *it;
    if (!OnThisSurface(*e) || e->Kind() == ElementKind::kLine) continue;
    if (!e->Visible() || !e->Enabled() || !e->on_click) continue;
    if (BoundsOf(*e).contains(pos)) return e;
  }
  return nullptr;
}

void Surface::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? Target(event->position().toPoint()) : nullptr;
  event->accept();
}

void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a click of its own.
  mousePressEvent(event);
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
  Element* pressed = std::exchange(pressed_, nullptr);
  event->accept();
  if (event->button() != Qt::LeftButton || !pressed || session_.Ended()) return;
  // A click is a press and a release on the same element.
  if (Target(event->position().toPoint()) == pressed) pressed->UserClick();
}

void Surface::closeEvent(QCloseEvent* event) {
  // The window stays unless its close handler hides it.
  event->ignore();
  if (!owner_ && !session_.Ended() && window_.on_close_request) window_.on_close_request();
}

}  // namespace hc::qt
