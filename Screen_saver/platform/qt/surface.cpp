#include "surface.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "convert.h"
#include "painting.h"
#include "pictures.h"

namespace hc::qt {

namespace {

// The looks kept for one element: a minute's worth of seconds, and a few more.
constexpr std::size_t kKeptLooks = 64;

// `area` at `scale`, grown to whole pixels and by one more, which smoothed edges reach.
QRect Scaled(const QRect& area, double scale) {
  return QRectF(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale)
      .toAlignedRect()
      .adjusted(-1, -1, 1, 1);
}

}  // namespace

Surface::Surface(Window& window, Element* owner, const Delivery& deliver,
                 std::function<double()> face_scale, QWidget* parent)
    : QWidget(parent),
      window_(window),
      owner_(owner),
      deliver_(deliver),
      face_scale_(std::move(face_scale)) {
  // Everything is painted here, over the whole area.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (!owner_) setMouseTracking(true);
}

Surface::~Surface() = default;

bool Surface::PaintInServer() {
  if (owner_) return false;
  // The server's pictures are in device pixels, the face is laid out in logical ones: at
  // any other scale the toolkit's own painting draws it at the device's resolution.
  if (devicePixelRatioF() != 1.0 || Scale() != 1) return false;
  canvas_ = XCanvas::For(winId());
  if (!canvas_) return false;
  // The server holds what shows: no backing store, and no flush that waits on the server.
  setAttribute(Qt::WA_PaintOnScreen);
  setAttribute(Qt::WA_NoSystemBackground);
  return true;
}

QPaintEngine* Surface::paintEngine() const {
  return canvas_ ? nullptr : QWidget::paintEngine();
}

double Surface::Scale() const {
  return !owner_ && window_.FullScreen() && face_scale_ ? face_scale_() : 1;
}

void Surface::Invalidate(const RectTwips& area) {
  QRect dirty = DirtyRect(area);
  if (dirty.isEmpty()) return;
  if (const double scale = Scale(); scale != 1) dirty = Scaled(dirty, scale);
  update(dirty);
}

void Surface::PaintFace(QPainter& p, const QRegion& dirty) {
  if (!owner_) {
    p.fillRect(dirty.boundingRect(), ToQColor(window_.BackColor()));
    // The window's picture keeps its own size from the top-left corner. Copied one
    // rectangle at a time it stays a plain copy: through a clip of several rectangles Qt
    // hands the rows to worker threads, waking them on every tick.
    if (const QImage* image = ImageOf(window_.GetPicture())) {
      p.save();
      for (const QRect& r : dirty) {
        const QRect part = r & image->rect();
        if (part.isEmpty()) continue;
        p.setClipRect(part);
        p.drawImage(part.topLeft(), *image, part);
      }
      p.restore();
    }
    return;
  }
  if (owner_->Kind() == ElementKind::kFrame) {
    PaintFrame(p, rect(), static_cast<const Frame&>(*owner_));
    return;
  }
  const auto& box = static_cast<const PictureElement&>(*owner_);
  p.fillRect(dirty.boundingRect(), ToQColor(box.BackColor()));
  PaintPicture(p, rect(), box);
}

void Surface::PaintBands(const QRegion& dirty) {
  // The native window is made again when its flags change.
  if (canvas_->Window() != winId()) {
    // What the old canvas kept went with it.
    sprites_.clear();
    canvas_ = XCanvas::For(winId());
    if (!canvas_) return;
  }
  const Picture& background = window_.GetPicture();
  // The picture's pixels are needed only to send it to the server once.
  const QImage* pixels = nullptr;
  if (!canvas_->Holds(background)) {
    if (!AwaitsDecoding(background)) {
      pixels = ImageOf(background);
    } else if (!decode_pending_) {
      // The face shows at once; the picture under it follows as soon as it is decoded.
      decode_pending_ = true;
      QTimer::singleShot(0, this, [this] {
        decode_pending_ = false;
        const Picture& picture = window_.GetPicture();
        if (!ImageOf(picture)) return;
        update(0, 0, picture->WidthPx(), picture->HeightPx());
      });
    }
  }
  for (const QRect& r : dirty) {
    const int rows = XCanvas::BandRows(r.width());
    for (int top = r.top(); top <= r.bottom(); top += rows) {
      const QRect band(r.left(), top, r.width(), std::min(rows, r.bottom() + 1 - top));
      canvas_->Begin(band, ToQColor(window_.BackColor()));
      canvas_->LayPicture(background, pixels);
      for (const Element* e : window_.Stacking())
        if (DrawnOn(*e, nullptr) && e->Visible()) PaintInBand(*e, band);
      // Windowed elements lie above everything drawn.
      for (const Element* e : window_.Stacking())
        if (e->Windowed() && !e->Container() && e->Visible()) PaintInBand(*e, band);
      canvas_->Show();
    }
  }
  canvas_->Flush();
  // Held by the server, the picture is decoded again only should the server need it again.
  if (pixels && canvas_->Holds(background)) ReleasePixels(background);
}

QImage Surface::Render(const Element& e, const QRect& area) {
  const std::size_t pixels = static_cast<std::size_t>(area.width()) * area.height();
  if (layer_pixels_.size() < pixels) layer_pixels_.resize(pixels);
  QImage layer(reinterpret_cast<uchar*>(layer_pixels_.data()), area.width(), area.height(),
               area.width() * 4, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter p(&layer);
  p.translate(-area.topLeft());
  if (e.Windowed())
    PaintWindowed(p, e);
  else
    PaintDrawn(p, e);
  return layer;
}

void Surface::PaintInBand(const Element& e, const QRect& band) {
  const QRect whole = e.Windowed() ? BoundsOf(e) : DirtyRect(e.Extent());
  const QRect area = whole & band;
  if (area.isEmpty()) return;
  if (e.Kind() == ElementKind::kLine) {
    // A long slanting line would be a large layer of nearly nothing: the server draws it.
    const auto& line = static_cast<const Line&>(e);
    canvas_->FillQuad(OutlineOf(line), ToQColor(line.LineColor()));
    return;
  }
  // What a tick moves mostly looks as it did, or as it did a minute ago: the server keeps an
  // element's pixels for each of its recent looks, and they are drawn and sent only once.
  std::string look = LookOf(e);
  constexpr int kKeptPixels = 256 * 256;
  if (look.empty() || whole.width() * whole.height() > kKeptPixels) {
    canvas_->Blend(Render(e, area), area.topLeft());
    return;
  }
  const QPoint offset = BoundsOf(e).topLeft() - whole.topLeft();
  look += '@' + std::to_string(offset.x()) + ',' + std::to_string(offset.y()) + ' ' +
          std::to_string(whole.width()) + 'x' + std::to_string(whole.height());
  std::vector<Sprite>& kept = sprites_[&e];
  auto found = std::find_if(kept.begin(), kept.end(),
                            [&look](const Sprite& sprite) { return sprite.look == look; });
  if (found == kept.end()) {
    const auto* picture = dynamic_cast<const PictureElement*>(&e);
    // A seconds label comes back to each of its 60 looks: they are all kept. A picture is
    // kept only as it is now, so that old pictures are not held for it.
    const std::size_t room = picture ? 1 : kKeptLooks;
    while (kept.size() >= room) {
      canvas_->Forget(kept.back().kept);
      kept.pop_back();
    }
    kept.insert(kept.begin(), Sprite{std::move(look), picture ? picture->GetPicture() : nullptr,
                                     canvas_->Keep(Render(e, whole))});
    found = kept.begin();
  }
  const Sprite& sprite = *found;
  canvas_->BlendKept(sprite.kept, area.translated(-whole.topLeft()), area.topLeft());
}

void Surface::paintEvent(QPaintEvent* event) {
  if (canvas_) {
    PaintBands(event->region());
    return;
  }
  QPainter p(this);
  QRegion dirty = event->region();
  if (const double scale = Scale(); scale != 1) {
    p.scale(scale, scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    dirty = Scaled(dirty.boundingRect(), 1 / scale);
  }
  PaintFace(p, dirty);
  for (const Element* e : window_.Stacking()) {
    if (!DrawnOn(*e, owner_) || !e->Visible()) continue;
    // The parts a tick changes lie far apart: what lies between them is not repainted.
    if (!dirty.intersects(DirtyRect(ToContainer(*e, e->Extent())))) continue;
    p.save();
    PaintDrawn(p, *e);
    p.restore();
  }
  if (!paints_windowed_) return;
  // Windowed elements lie above everything drawn.
  for (const Element* e : window_.Stacking()) {
    if (!e->Windowed() || e->Container() || !e->Visible()) continue;
    p.save();
    PaintWindowed(p, *e);
    p.restore();
  }
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  // Only the window's own client area reports moves; child widgets stop theirs.
  if (!owner_) deliver_.MouseMove(window_);
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
  if (Element* clicked = clicks_.Release(released_on)) deliver_.Click(*clicked);
}

void Surface::closeEvent(QCloseEvent* event) {
  // The window stays unless its close handler hides it.
  event->ignore();
  if (!owner_) deliver_.CloseRequest(window_);
}

}  // namespace hc::qt
