#include "painting.h"

#include <QFontMetrics>
#include <algorithm>

#include "convert.h"
#include "model/picture_fit.h"
#include "pictures.h"

namespace hc::qt {

namespace {

void PaintShape(QPainter& p, const Shape& s) {
  const QRectF bounds = BoundsOf(s);
  const bool outlined = s.BorderStyle() != 0;
  // The outline lies inside the bounds: its centre line is half its width in.
  const double half = outlined ? s.BorderWidth() / 2.0 : 0;
  const QRectF path = bounds.adjusted(half, half, -half, -half);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (outlined) {
    QPen pen(ToQColor(s.BorderColor()), s.BorderWidth());
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  p.setBrush(s.FillOpaque() ? QBrush(ToQColor(s.FillColor())) : QBrush(Qt::NoBrush));
  if (s.Kind2() == ShapeKind::kCircle)
    p.drawEllipse(path);
  else
    p.drawRect(path);
}

void PaintLine(QPainter& p, const Line& l) {
  constexpr double k = kTwipsPerPixel;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(ToQColor(l.LineColor()), l.LineWidth(), Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(l.X1() / k, l.Y1() / k), QPointF(l.X2() / k, l.Y2() / k));
}

void PaintLabel(QPainter& p, const Label& l) {
  const QRect bounds = BoundsOf(l);
  if (!l.Transparent()) p.fillRect(bounds, ToQColor(l.BackColor()));
  p.setFont(ToQFont(l.GetFont()));
  p.setPen(l.Enabled() ? ToQColor(l.ForeColor()) : QColor(128, 128, 128));
  // A label one line high keeps its text on that line, clipped, rather than wrapping a
  // second line below its bounds over whatever lies there.
  const bool wraps = bounds.height() >= 2 * QFontMetrics(p.font()).height();
  p.save();
  p.setClipRect(bounds, Qt::IntersectClip);
  p.drawText(
      bounds,
      static_cast<int>(HorizontalOf(l.Align()) | Qt::AlignTop) | (wraps ? Qt::TextWordWrap : 0),
      DisplayText(l.Text()));
  p.restore();
}

}  // namespace

void PaintPicture(QPainter& p, const QRect& box, const PictureElement& e) {
  const QImage* image = ImageOf(e.GetPicture());
  if (!image || box.isEmpty()) return;
  const QRect target = ToQRect(PictureTarget(box.width(), box.height(), image->width(),
                                             image->height(), e.Stretch(), e.CentreFit()))
                           .translated(box.topLeft());
  p.save();
  p.setClipRect(box, Qt::IntersectClip);
  if (target.size() == image->size()) {
    p.drawImage(target.topLeft(), *image);
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, *image);
  }
  p.restore();
}

void PaintDrawn(QPainter& p, const Element& e) {
  switch (e.Kind()) {
    case ElementKind::kShape:
      PaintShape(p, static_cast<const Shape&>(e));
      break;
    case ElementKind::kLine:
      PaintLine(p, static_cast<const Line&>(e));
      break;
    case ElementKind::kLabel:
      PaintLabel(p, static_cast<const Label&>(e));
      break;
    case ElementKind::kImage:
      PaintPicture(p, BoundsOf(e), static_cast<const PictureElement&>(e));
      break;
    default:
      break;
  }
}

void PaintFrame(QPainter& p, const QRect& area, const Frame& frame) {
  p.fillRect(area, ToQColor(frame.BackColor()));
  const QFont font = ToQFont(frame.GetFont());
  const QFontMetrics metrics(font);
  const QString caption = DisplayText(frame.Text());
  const int text_height = caption.isEmpty() ? 0 : metrics.height();
  const QRect border = area.adjusted(0, text_height / 2, -2, -2);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QColor(255, 255, 255));
  p.drawRect(border.translated(1, 1));
  p.setPen(QColor(128, 128, 128));
  p.drawRect(border);
  if (caption.isEmpty()) return;
  const QRect text_box(area.left() + 6, area.top(), metrics.horizontalAdvance(caption) + 4,
                       text_height);
  p.fillRect(text_box, ToQColor(frame.BackColor()));
  p.setFont(font);
  p.setPen(ToQColor(frame.ForeColor()));
  p.drawText(text_box, Qt::AlignCenter, caption);
}

}  // namespace hc::qt
