#pragma once
// A widget that draws what lies on a container: the window itself, a frame or a picture
// box. It paints its own face, then the drawn elements it contains back to front, and
// passes clicks on them to the model.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/delivery.h"
#include "model/hit_test.h"
#include "model/window.h"
#include "x_canvas.h"

namespace hc::qt {

class Surface : public QWidget {
 public:
  // `owner` is the frame or picture box; null for the window's own client area, which draws
  // its full-screen face `face_scale()` times smaller than its layout (none: not at all).
  Surface(Window& window, Element* owner, const Delivery& deliver,
          std::function<double()> face_scale, QWidget* parent);

  Element* Owner() const { return owner_; }
  // Repaints what an area of the window, given in twips relative to this surface, covers.
  void Invalidate(const RectTwips& area);
  // Makes the window's own surface put itself together in the X server, windowed elements
  // included, with no buffer of its own; false, and nothing changed, where that cannot be.
  bool PaintInServer();
  // Makes the window's own surface draw its windowed elements too, as native widgets cannot
  // follow the scale it draws at.
  void PaintWindowedToo() { paints_windowed_ = true; }
  ~Surface() override;

 protected:
  QPaintEngine* paintEngine() const override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PaintFace(QPainter& p, const QRegion& dirty);
  void PaintBands(const QRegion& dirty);
  // What `e` shows of itself in the band being put together.
  void PaintInBand(const Element& e, const QRect& band);
  // `e` drawn alone into a layer covering `area` of the window.
  QImage Render(const Element& e, const QRect& area);
  Element* Target(const QPoint& pos) const;
  // How much smaller than its layout this surface draws.
  double Scale() const;

  Window& window_;
  Element* owner_;
  const Delivery& deliver_;
  std::function<double()> face_scale_;
  ClickTracker clicks_;
  std::unique_ptr<XCanvas> canvas_;
  bool paints_windowed_ = false;
  // An element's pixels as the server keeps them, and the look they were drawn for; each
  // element's recent looks, the latest first.
  struct Sprite {
    std::string look;
    // The picture the look names by its address stays alive, so no other takes that address.
    Picture picture;
    XCanvas::Kept kept = 0;
  };
  std::unordered_map<const Element*, std::vector<Sprite>> sprites_;
  bool decode_pending_ = false;
  // Pixels of the layer an element is drawn into, kept from one to the next.
  std::vector<std::uint32_t> layer_pixels_;
};

}  // namespace hc::qt
