#pragma once
// A window put together inside the X server. A band of the window at a time is filled, gets
// the window's picture (kept as a server pixmap, uploaded once), the lines the server draws
// itself and small layers of what else is drawn over it, and is then shown. The program
// holds no buffer of the whole window, and a tick sends its few changed pixels without
// waiting for any answer from the server.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "model/picture.h"

namespace hc::qt {

class XCanvas {
 public:
  // A canvas for the native window `window`; null when the display is not X11, lacks the
  // RENDER extension or keeps its pixels in a layout this does not write.
  static std::unique_ptr<XCanvas> For(std::uintptr_t window);
  ~XCanvas();
  XCanvas(const XCanvas&) = delete;
  XCanvas& operator=(const XCanvas&) = delete;

  std::uintptr_t Window() const { return window_; }
  // The most rows a band of `width` pixels may have; a band's layer stays this small.
  static int BandRows(int width);

  // Starts a band: `area` of the window, in its pixels, filled with `back`.
  void Begin(const QRect& area, const QColor& back);
  // Whether the server has `picture` from an earlier LayPicture.
  bool Holds(const Picture& picture) const {
    return picture && picture.get() == laid_ && !laid_alive_.expired();
  }
  // Lays `picture` at its own size from the window's top-left corner into the band. Its
  // `pixels` are sent to the server the first time; with none the band stays as it is.
  void LayPicture(const Picture& picture, const QImage* pixels);
  // Blends `layer` (premultiplied ARGB, no larger than the band) over the band, its top-left
  // corner at `at` in the window.
  void Blend(const QImage& layer, const QPoint& at);
  // An image the server keeps, to be blended again without being sent again.
  using Kept = std::uint32_t;
  Kept Keep(const QImage& image);
  void Forget(Kept kept);
  // Blends `part` of a kept image (in its pixels) over the band, its top-left at `at` in the
  // window.
  void BlendKept(Kept kept, const QRect& part, const QPoint& at);
  // Fills a convex quadrilateral, given in window pixels, with anti-aliased edges, as far
  // as it lies in the band.
  void FillQuad(const std::array<QPointF, 4>& corners, const QColor& colour);
  // Shows the band in the window.
  void Show();
  // Sends everything asked for so far.
  void Flush();

 private:
  struct Server;
  XCanvas(std::unique_ptr<Server> server, std::uintptr_t window);
  // Server pixmaps for bands, grown to `size` when smaller.
  void EnsureBandSize(const QSize& size);
  void Upload(std::uint32_t pixmap, bool window_depth, const QImage& image);

  void Composite(std::uint32_t source, const QRect& part, const QPoint& at);

  std::unique_ptr<Server> server_;
  // Each kept image's pixmap, by its picture.
  std::unordered_map<Kept, std::uint32_t> kept_;
  std::uintptr_t window_;
  QRect band_;
  QSize band_capacity_;
  // The picture last laid; only its identity is kept, never its pixels.
  const PictureData* laid_ = nullptr;
  std::weak_ptr<const PictureData> laid_alive_;
  QSize laid_size_;
};

}  // namespace hc::qt
