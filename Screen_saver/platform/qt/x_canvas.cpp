#include "x_canvas.h"

#include <xcb/render.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace hc::qt {

namespace {

// A band's layer is at most this many bytes: a full-window repaint never needs more.
constexpr int kBandBytes = 512 * 1024;

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
  return ReplyPtr<Reply>(reply, &std::free);
}

bool IsA8(const xcb_render_pictforminfo_t& f) {
  return f.type == XCB_RENDER_PICT_TYPE_DIRECT && f.depth == 8 && f.direct.alpha_mask == 0xff &&
         f.direct.alpha_shift == 0 && !f.direct.red_mask && !f.direct.green_mask &&
         !f.direct.blue_mask;
}

xcb_render_color_t RenderColour(const QColor& c) {
  return {static_cast<std::uint16_t>(c.red() * 257), static_cast<std::uint16_t>(c.green() * 257),
          static_cast<std::uint16_t>(c.blue() * 257), 0xffff};
}

xcb_render_fixed_t Fixed(double v) {
  return static_cast<xcb_render_fixed_t>(static_cast<std::int32_t>(std::lround(v * 65536.0)));
}

// One step of clipping a convex polygon: what lies on the inner side of one straight edge.
template <class Inside, class Crossing>
std::vector<QPointF> KeepInside(const std::vector<QPointF>& polygon, Inside inside,
                                Crossing crossing) {
  std::vector<QPointF> kept;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const QPointF& a = polygon[i];
    const QPointF& b = polygon[(i + 1) % polygon.size()];
    if (inside(a)) kept.push_back(a);
    if (inside(a) != inside(b)) kept.push_back(crossing(a, b));
  }
  return kept;
}

// The part of a convex polygon within the box from (0, 0) to `size`. The server rasterises
// a shape over the whole of its bounds, so a long line is cut down to the band it crosses.
std::vector<QPointF> ClipToBox(std::vector<QPointF> polygon, const QSizeF& size) {
  const auto at_x = [](double x) {
    return [x](const QPointF& a, const QPointF& b) {
      return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
    };
  };
  const auto at_y = [](double y) {
    return [y](const QPointF& a, const QPointF& b) {
      return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
    };
  };
  const double w = size.width(), h = size.height();
  polygon = KeepInside(
      polygon, [](const QPointF& p) { return p.x() >= 0; }, at_x(0));
  polygon = KeepInside(
      polygon, [w](const QPointF& p) { return p.x() <= w; }, at_x(w));
  polygon = KeepInside(
      polygon, [](const QPointF& p) { return p.y() >= 0; }, at_y(0));
  polygon = KeepInside(
      polygon, [h](const QPointF& p) { return p.y() <= h; }, at_y(h));
  return polygon;
}

// Red, green and blue where Qt's 32-bit pixels keep them.
bool IsRgb(const xcb_render_pictforminfo_t& f) {
  const xcb_render_directformat_t& d = f.direct;
  return f.type == XCB_RENDER_PICT_TYPE_DIRECT && d.red_shift == 16 && d.red_mask == 0xff &&
         d.green_shift == 8 && d.green_mask == 0xff && d.blue_shift == 0 && d.blue_mask == 0xff;
}

bool IsArgb32(const xcb_render_pictforminfo_t& f) {
  return IsRgb(f) && f.depth == 32 && f.direct.alpha_shift == 24 && f.direct.alpha_mask == 0xff;
}

// Qt's 32-bit images are native-endian 0xAARRGGBB words: the server must take 32 bits a
// pixel at `depth` in the same byte order for them to go over unchanged.
bool TakesQtPixels(const xcb_setup_t& setup, int depth) {
  constexpr int kOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? XCB_IMAGE_ORDER_LSB_FIRST
                                                                       : XCB_IMAGE_ORDER_MSB_FIRST;
  if (setup.image_byte_order != kOrder) return false;
  for (auto it = xcb_setup_pixmap_formats_iterator(&setup); it.rem; xcb_format_next(&it))
    if (it.data->depth == depth)
      return it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
  return false;
}

xcb_render_pictformat_t FormatOfVisual(const xcb_render_query_pict_formats_reply_t& formats,
                                       xcb_visualid_t visual) {
  for (auto s = xcb_render_query_pict_formats_screens_iterator(&formats); s.rem;
       xcb_render_pictscreen_next(&s))
    for (auto d = xcb_render_pictscreen_depths_iterator(s.data); d.rem;
         xcb_render_pictdepth_next(&d))
      for (auto v = xcb_render_pictdepth_visuals_iterator(d.data); v.rem;
           xcb_render_pictvisual_next(&v))
        if (v.data->visual == visual) return v.data->format;
  return 0;
}

xcb_connection_t* QtConnection() {
  auto* app = qGuiApp;
  if (!app) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

struct XCanvas::Server {
  // A server pixmap and the picture RENDER draws with on it.
  struct Drawable {
    xcb_pixmap_t pixmap = 0;
    xcb_render_picture_t picture = 0;
  };

  xcb_connection_t* c = nullptr;
  xcb_window_t window = 0;
  std::uint8_t window_depth = 0;
  xcb_render_pictformat_t window_format = 0;
  // Whether opaque 32-bit pixels go over unchanged into a pixmap of the window's depth.
  bool window_takes_qt_pixels = false;
  xcb_render_pictformat_t argb_format = 0;
  xcb_render_pictformat_t a8_format = 0;
  xcb_render_picture_t window_picture = 0;
  xcb_render_picture_t white = 0;
  // Where a band is put together, in the window's depth; the layer an element arrives in;
  // the coverage of a shape the server draws itself.
  Drawable band, layer, coverage;
  // Graphics contexts for uploads at depth 32 and at the window's depth.
  xcb_gcontext_t gc32 = 0, gc_window = 0;
  // The window's picture, kept by the server; opaque ones in the window's depth.
  Drawable picture;
  bool picture_opaque = false;

  Drawable Make(std::uint8_t depth, xcb_render_pictformat_t format, const QSize& size) {
    Drawable d{xcb_generate_id(c), xcb_generate_id(c)};
    xcb_create_pixmap(c, depth, d.pixmap, window, static_cast<std::uint16_t>(size.width()),
                      static_cast<std::uint16_t>(size.height()));
    xcb_render_create_picture(c, d.picture, d.pixmap, format, 0, nullptr);
    return d;
  }
  void Free(Drawable& d) {
    if (!d.pixmap) return;
    xcb_render_free_picture(c, d.picture);
    xcb_free_pixmap(c, d.pixmap);
    d = {};
  }
  xcb_gcontext_t MakeGc(xcb_drawable_t on) {
    const xcb_gcontext_t gc = xcb_generate_id(c);
    // No exposure events: nothing may wake the program for what it drew itself.
    const std::uint32_t no_exposures = 0;
    xcb_create_gc(c, gc, on, XCB_GC_GRAPHICS_EXPOSURES, &no_exposures);
    return gc;
  }
  void FreeBand() {
    if (!band.pixmap) return;
    xcb_free_gc(c, gc32);
    xcb_free_gc(c, gc_window);
    Free(band);
    Free(layer);
    Free(coverage);
  }
};

std::unique_ptr<XCanvas> XCanvas::For(std::uintptr_t window) {
  xcb_connection_t* c = QtConnection();
  if (!c || !window || !TakesQtPixels(*xcb_get_setup(c), 32)) return nullptr;
  const xcb_query_extension_reply_t* render = xcb_get_extension_data(c, &xcb_render_id);
  if (!render || !render->present) return nullptr;
  const auto win = static_cast<xcb_window_t>(window);
  // Asked together: one wait for all four answers, once, while the window is first shown.
  const auto version_cookie = xcb_render_query_version(c, 0, 11);
  const auto formats_cookie = xcb_render_query_pict_formats(c);
  const auto attributes_cookie = xcb_get_window_attributes(c, win);
  const auto geometry_cookie = xcb_get_geometry(c, win);
  auto version = Owned(xcb_render_query_version_reply(c, version_cookie, nullptr));
  auto formats = Owned(xcb_render_query_pict_formats_reply(c, formats_cookie, nullptr));
  auto attributes = Owned(xcb_get_window_attributes_reply(c, attributes_cookie, nullptr));
  auto geometry = Owned(xcb_get_geometry_reply(c, geometry_cookie, nullptr));
  if (!version || !formats || !attributes || !geometry) return nullptr;
  // Solid fills came last, in 0.10.
  if (version->major_version == 0 && version->minor_version < 10) return nullptr;

  auto server = std::make_unique<Server>();
  server->c = c;
  server->window = win;
  server->window_depth = geometry->depth;
  server->window_format = FormatOfVisual(*formats, attributes->visual);
  for (auto f = xcb_render_query_pict_formats_formats_iterator(formats.get()); f.rem;
       xcb_render_pictforminfo_next(&f)) {
    if (IsArgb32(*f.data)) server->argb_format = f.data->id;
    if (IsA8(*f.data)) server->a8_format = f.data->id;
    if (f.data->id == server->window_format)
      server->window_takes_qt_pixels =
          IsRgb(*f.data) && TakesQtPixels(*xcb_get_setup(c), geometry->depth);
  }
  if (!server->window_format || !server->argb_format || !server->a8_format) return nullptr;
  server->window_picture = xcb_generate_id(c);
  xcb_render_create_picture(c, server->window_picture, win, server->window_format, 0, nullptr);
  server->white = xcb_generate_id(c);
  xcb_render_create_solid_fill(c, server->white, RenderColour(Qt::white));
  return std::unique_ptr<XCanvas>(new XCanvas(std::move(server), window));
}

XCanvas::XCanvas(std::unique_ptr<Server> server, std::uintptr_t window)
    : server_(std::move(server)), window_(window) {}

XCanvas::~XCanvas() {
  // Once the application is gone so is its connection, and the server freed it all.
  Server& s = *server_;
  if (QtConnection() != s.c) return;
  s.FreeBand();
  s.Free(s.picture);
  for (auto [picture, pixmap] : kept_) {
    Server::Drawable d{pixmap, picture};
    s.Free(d);
  }
  xcb_render_free_picture(s.c, s.white);
  xcb_render_free_picture(s.c, s.window_picture);
  xcb_flush(s.c);
}

int XCanvas::BandRows(int width) {
  return std::max(1, kBandBytes / (4 * std::max(1, width)));
}

void XCanvas::EnsureBandSize(const QSize& size) {
  if (band_capacity_.width() >= size.width() && band_capacity_.height() >= size.height()) return;
  Server& s = *server_;
  s.FreeBand();
  band_capacity_ = band_capacity_.expandedTo(size);
  s.band = s.Make(s.window_depth, s.window_format, band_capacity_);
  s.layer = s.Make(32, s.argb_format, band_capacity_);
  s.coverage = s.Make(8, s.a8_format, band_capacity_);
  s.gc32 = s.MakeGc(s.layer.pixmap);
  s.gc_window = s.MakeGc(s.band.pixmap);
}

void XCanvas::Upload(std::uint32_t pixmap, bool window_depth, const QImage& image) {
  Server& s = *server_;
  const int stride = static_cast<int>(image.bytesPerLine());
  // A request has a size limit: large pictures go over in slices of whole rows.
  const std::uint32_t max_bytes = xcb_get_maximum_request_length(s.c) * 4 - 64;
  const int rows_per_request =
      std::max(1, static_cast<int>(std::min<std::uint32_t>(max_bytes / stride, 1u << 15)));
  for (int y = 0; y < image.height(); y += rows_per_request) {
    const int rows = std::min(rows_per_request, image.height() - y);
    xcb_put_image(s.c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, window_depth ? s.gc_window : s.gc32,
                  static_cast<std::uint16_t>(image.width()), static_cast<std::uint16_t>(rows), 0,
                  static_cast<std::int16_t>(y), 0, window_depth ? s.window_depth : 32,
                  static_cast<std::uint32_t>(rows * stride), image.constScanLine(y));
  }
}

void XCanvas::Begin(const QRect& area, const QColor& back) {
  EnsureBandSize(area.size());
  band_ = area;
  const xcb_rectangle_t whole{0, 0, static_cast<std::uint16_t>(area.width()),
                              static_cast<std::uint16_t>(area.height())};
  xcb_render_fill_rectangles(server_->c, XCB_RENDER_PICT_OP_SRC, server_->band.picture,
                             RenderColour(back), 1, &whole);
}

void XCanvas::LayPicture(const Picture& picture, const QImage* pixels) {
  Server& s = *server_;
  if (!Holds(picture)) {
    s.Free(s.picture);
    laid_ = nullptr;
    if (!picture || !pixels || pixels->isNull()) return;
    s.picture_opaque = pixels->format() == QImage::Format_RGB32 && s.window_takes_qt_pixels;
    const QImage upload =
        s.picture_opaque || pixels->format() == QImage::Format_ARGB32_Premultiplied
            ? *pixels
            : pixels->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    s.picture = s.picture_opaque ? s.Make(s.window_depth, s.window_format, upload.size())
                                 : s.Make(32, s.argb_format, upload.size());
    Upload(s.picture.pixmap, s.picture_opaque, upload);
    laid_ = picture.get();
    laid_alive_ = picture;
    laid_size_ = upload.size();
  }
  const QRect part = band_ & QRect(QPoint(0, 0), laid_size_);
  if (part.isEmpty()) return;
  // An opaque picture is a plain copy; one with transparent parts lies over the back colour.
  xcb_render_composite(
      s.c, s.picture_opaque ? XCB_RENDER_PICT_OP_SRC : XCB_RENDER_PICT_OP_OVER, s.picture.picture,
      XCB_RENDER_PICTURE_NONE, s.band.picture, static_cast<std::int16_t>(part.x()),
      static_cast<std::int16_t>(part.y()), 0, 0, static_cast<std::int16_t>(part.x() - band_.x()),
      static_cast<std::int16_t>(part.y() - band_.y()), static_cast<std::uint16_t>(part.width()),
      static_cast<std::uint16_t>(part.height()));
}

void XCanvas::Composite(std::uint32_t source, const QRect& part, const QPoint& at) {
  xcb_render_composite(
      server_->c, XCB_RENDER_PICT_OP_OVER, source, XCB_RENDER_PICTURE_NONE, server_->band.picture,
      static_cast<std::int16_t>(part.x()), static_cast<std::int16_t>(part.y()), 0, 0,
      static_cast<std::int16_t>(at.x() - band_.x()), static_cast<std::int16_t>(at.y() - band_.y()),
      static_cast<std::uint16_t>(part.width()), static_cast<std::uint16_t>(part.height()));
}

void XCanvas::Blend(const QImage& layer, const QPoint& at) {
  Upload(server_->layer.pixmap, false, layer);
  Composite(server_->layer.picture, layer.rect(), at);
}

XCanvas::Kept XCanvas::Keep(const QImage& image) {
  Server& s = *server_;
  const Server::Drawable kept = s.Make(32, s.argb_format, image.size());
  Upload(kept.pixmap, false, image);
  kept_[kept.picture] = kept.pixmap;
  return kept.picture;
}

void XCanvas::Forget(Kept kept) {
  const auto it = kept_.find(kept);
  if (it == kept_.end()) return;
  Server::Drawable d{it->second, it->first};
  server_->Free(d);
  kept_.erase(it);
}

void XCanvas::BlendKept(Kept kept, const QRect& part, const QPoint& at) {
  Composite(kept, part, at);
}

void XCanvas::FillQuad(const std::array<QPointF, 4>& corners, const QColor& colour) {
  Server& s = *server_;
  std::vector<QPointF> polygon;
  for (const QPointF& corner : corners) polygon.push_back(corner - QPointF(band_.topLeft()));
  polygon = ClipToBox(std::move(polygon), QSizeF(band_.size()));
  if (polygon.size() < 3) return;
  QPointF low = polygon[0], high = polygon[0];
  for (const QPointF& p : polygon) {
    low = QPointF(std::min(low.x(), p.x()), std::min(low.y(), p.y()));
    high = QPointF(std::max(high.x(), p.x()), std::max(high.y(), p.y()));
  }
  const QRect area = QRectF(low, high).toAlignedRect() & QRect(QPoint(0, 0), band_.size());
  if (area.isEmpty()) return;
  const auto fixed = [](const QPointF& p) {
    return xcb_render_pointfix_t{Fixed(p.x()), Fixed(p.y())};
  };
  std::vector<xcb_render_triangle_t> fan;
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i)
    fan.push_back({fixed(polygon[0]), fixed(polygon[i]), fixed(polygon[i + 1])});
  // The triangles add up their coverage in a mask kept for it: drawn straight into the band
  // each would get a temporary mask the server allocates, clears and frees on every tick,
  // and where two met their edges would show.
  const xcb_rectangle_t cleared{
      static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
      static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(area.height())};
  xcb_render_fill_rectangles(s.c, XCB_RENDER_PICT_OP_SRC, s.coverage.picture,
                             xcb_render_color_t{0, 0, 0, 0}, 1, &cleared);
  xcb_render_triangles(s.c, XCB_RENDER_PICT_OP_ADD, s.white, s.coverage.picture, s.a8_format, 0, 0,
                       static_cast<std::uint32_t>(fan.size()), fan.data());
  const xcb_render_picture_t fill = xcb_generate_id(s.c);
  xcb_render_create_solid_fill(s.c, fill, RenderColour(colour));
  xcb_render_composite(s.c, XCB_RENDER_PICT_OP_OVER, fill, s.coverage.picture, s.band.picture, 0, 0,
                       cleared.x, cleared.y, cleared.x, cleared.y, cleared.width, cleared.height);
  xcb_render_free_picture(s.c, fill);
}

void XCanvas::Show() {
  Server& s = *server_;
  xcb_render_composite(
      s.c, XCB_RENDER_PICT_OP_SRC, s.band.picture, XCB_RENDER_PICTURE_NONE, s.window_picture, 0, 0,
      0, 0, static_cast<std::int16_t>(band_.x()), static_cast<std::int16_t>(band_.y()),
      static_cast<std::uint16_t>(band_.width()), static_cast<std::uint16_t>(band_.height()));
}

void XCanvas::Flush() {
  xcb_flush(server_->c);
}

}  // namespace hc::qt
