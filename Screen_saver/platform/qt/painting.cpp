#include "painting.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "convert.h"
#include "model/hit_test.h"
#include "model/picture_fit.h"
#include "model/window.h"
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
  QFont font = ToQFont(l.GetFont());
  const QString text = DisplayText(l.Text());
  // A label one line high keeps its text on that line, clipped, rather than wrapping a
  // second line below its bounds over whatever lies there.
  const bool wraps = bounds.height() >= 2 * QFontMetrics(font).height();
  if (!wraps) {
    // This desktop's faces run wider than those the windows were laid out with: a line a
    // little too long is drawn a little narrower rather than losing its last letters.
    constexpr int kNarrowestStretch = 80;
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width > bounds.width() && bounds.width() > 0)
      font.setStretch(std::max(kNarrowestStretch, bounds.width() * 100 / width));
  }
  p.setFont(font);
  p.setPen(l.Enabled() ? ToQColor(l.ForeColor()) : QColor(128, 128, 128));
  p.save();
  p.setClipRect(bounds, Qt::IntersectClip);
  p.drawText(
      bounds,
      static_cast<int>(HorizontalOf(l.Align()) | Qt::AlignTop) | (wraps ? Qt::TextWordWrap : 0),
      text);
  p.restore();
}

// A text box without a frame as a line edit shows it: a margin of 2 pixels at the sides and
// 1 above and below, the line centred between them.
void PaintTextBox(QPainter& p, const TextBox& box) {
  const QRect bounds = BoundsOf(box);
  p.fillRect(bounds, ToQColor(box.BackColor()));
  p.setFont(ToQFont(box.GetFont()));
  p.setPen(box.Enabled() ? ToQColor(box.ForeColor()) : QColor(128, 128, 128));
  p.setClipRect(bounds, Qt::IntersectClip);
  p.drawText(bounds.adjusted(2, 1, -2, -1),
             static_cast<int>(HorizontalOf(box.Align()) | Qt::AlignVCenter),
             DisplayText(box.Text()));
}

// A picture box or frame: its face, then what is drawn on it, clipped to it.
void PaintContainer(QPainter& p, const Element& e) {
  const QRect bounds = BoundsOf(e);
  p.save();
  if (e.Kind() == ElementKind::kFrame) {
    PaintFrame(p, bounds, static_cast<const Frame&>(e));
  } else {
    const auto& box = static_cast<const PictureElement&>(e);
    p.fillRect(bounds, ToQColor(box.BackColor()));
    PaintPicture(p, bounds, box);
  }
  p.setClipRect(bounds, Qt::IntersectClip);
  p.translate(bounds.topLeft());
  for (const Element* drawn : e.Owner().Stacking()) {
    if (!DrawnOn(*drawn, &e) || !drawn->Visible()) continue;
    p.save();
    PaintDrawn(p, *drawn);
    p.restore();
  }
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

std::array<QPointF, 4> OutlineOf(const Line& l) {
  constexpr double k = kTwipsPerPixel;
  const QPointF from(l.X1() / k, l.Y1() / k), to(l.X2() / k, l.Y2() / k);
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length == 0) return {from, from, from, from};
  const QPointF across = QPointF(-along.y(), along.x()) * (l.LineWidth() / 2.0 / length);
  return {from + across, to + across, to - across, from - across};
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

bool CanPaintWindowed(const Element& e) {
  if (e.Container()) return false;
  switch (e.Kind()) {
    case ElementKind::kPictureBox:
    case ElementKind::kFrame:
      return true;
    case ElementKind::kTextBox:
      return static_cast<const TextBox&>(e).ReadOnly() && !static_cast<const TextBox&>(e).Border();
    default:
      return false;
  }
}

void PaintWindowed(QPainter& p, const Element& e) {
  if (e.Kind() == ElementKind::kTextBox) {
    p.save();
    PaintTextBox(p, static_cast<const TextBox&>(e));
    p.restore();
  } else {
    PaintContainer(p, e);
  }
}

namespace {

std::string TextLook(const TextElement& e) {
  const Font& f = e.GetFont();
  return e.Text() + '\n' + f.Name() + ',' + std::to_string(f.SizePixels()) + ',' +
         std::to_string(f.Bold()) + ',' + std::to_string(e.ForeColor()) + ',' +
         std::to_string(e.BackColor()) + ',' + std::to_string(static_cast<int>(e.Align())) + ',' +
         std::to_string(e.Enabled());
}

}  // namespace

std::string LookOf(const Element& e) {
  switch (e.Kind()) {
    case ElementKind::kShape: {
      const auto& s = static_cast<const Shape&>(e);
      return "shape " + std::to_string(static_cast<int>(s.Kind2())) + ',' +
             std::to_string(s.FillColor()) + ',' + std::to_string(s.FillOpaque()) + ',' +
             std::to_string(s.BorderColor()) + ',' + std::to_string(s.BorderWidth()) + ',' +
             std::to_string(s.BorderStyle());
    }
    case ElementKind::kLabel:
      return "label " + std::to_string(static_cast<const Label&>(e).Transparent()) + ',' +
             TextLook(static_cast<const Label&>(e));
    case ElementKind::kTextBox:
      return "text box " + TextLook(static_cast<const TextBox&>(e));
    case ElementKind::kPictureBox:
      for (const Element* drawn : e.Owner().Stacking())
        if (DrawnOn(*drawn, &e)) return "";
      [[fallthrough]];
    case ElementKind::kImage: {
      const auto& p = static_cast<const PictureElement&>(e);
      // The picture is told by its object, which the caller keeps alive with the look.
      const auto address = reinterpret_cast<std::uintptr_t>(p.GetPicture().get());
      return "picture " + std::to_string(address) + ',' + std::to_string(p.Stretch()) + ',' +
             std::to_string(p.CentreFit()) + ',' + std::to_string(p.BackColor());
    }
    default:
      return "";
  }
}

}  // namespace hc::qt
