// The floor for a Qt 6 widgets clock: one small window repainting a seconds hand once a
// second, nothing else. bench/idle measures it beside the screensaver.

#include <QApplication>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {

class Dial : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect(), Qt::white);
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::min(width(), height()) / 2.0 - 4;
    p.drawEllipse(centre, radius, radius);
    const double angle = QTime::currentTime().second() * 3.14159265358979 / 30.0;
    p.drawLine(centre, centre + QPointF(std::sin(angle), -std::cos(angle)) * radius);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Dial dial;
  dial.resize(164, 164);
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &dial, qOverload<>(&QWidget::update));
  timer.start(1000);
  dial.show();
  return QApplication::exec();
}
