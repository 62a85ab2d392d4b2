#pragma once
// A widget that draws what lies on a container: the window itself, a frame or a picture
// box. It paints its own face, then the drawn elements it contains back to front, and
// passes clicks on them to the model.

#include <QWidget>

#include "model/hit_test.h"
#include "model/window.h"

namespace hc::qt {

class Session;

class Surface : public QWidget {
 public:
  // `owner` is the frame or picture box; null for the window's own client area.
  Surface(Window& window, Element* owner, Session& session, QWidget* parent);

  Element* Owner() const { return owner_; }
  // Repaints what an area of the window, given in twips relative to this surface, covers.
  void Invalidate(const RectTwips& area);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PaintFace(QPainter& p, const QRegion& dirty);
  Element* Target(const QPoint& pos) const;

  Window& window_;
  Element* owner_;
  Session& session_;
  ClickTracker clicks_;
};

}  // namespace hc::qt
