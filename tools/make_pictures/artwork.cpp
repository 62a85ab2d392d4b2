#include "artwork.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace hc::pictures {

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kDarkBrown = 0xff4a2b16;
constexpr QRgb kBrown = 0xff7e502b;
constexpr QRgb kTan = 0xffcf9d62;

constexpr QRgb kGold = 0xfff2c46d;
constexpr QRgb kEmber = 0xffe5743a;
constexpr QRgb kCream = 0xfff4e9d0;

// Same pictures on every build and every machine, so a standard library's own
// distributions are not used.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  double Uniform(double low, double high) {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t bits = (state_ * 0x2545f4914f6cdd1dull) >> 11;
    return low + (high - low) * (static_cast<double>(bits) / static_cast<double>(1ull << 53));
  }

 private:
  std::uint64_t state_;
};

// A point at a clock position: 0 is 12 o'clock, angles grow clockwise.
QPointF OnCircle(QPointF centre, double radius, double turns) {
  const double angle = 2 * std::numbers::pi * turns;
  return centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

void Disc(QPainter& painter, QPointF centre, double radius, const QBrush& brush) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(brush);
  painter.drawEllipse(centre, radius, radius);
}

void Disc(QPainter& painter, QPointF centre, double radius, QRgb colour) {
  Disc(painter, centre, radius, QBrush(QColor::fromRgb(colour)));
}

// The dial at any scale: 1 is the screen's own size, where the finer dots are worth drawing.
void DrawDial(QPainter& painter, QPointF centre, double scale) {
  const auto ring = [&](double radius, QRgb colour) {
    Disc(painter, centre, radius * scale, colour);
  };
  // Two lighter bands carry the middle and inner circles; the darker brown between and
  // around them keeps the tracks apart.
  const double band = 18;
  ring(kRingRadius, kDarkBrown);
  ring(kMiddleTrack + band, kBrown);
  ring(kMiddleTrack - band, kDarkBrown);
  ring(kInnerTrack + band * 0.9, kBrown);
  ring(kInnerTrack - band * 0.9, kDarkBrown);
  ring(kHoleRadius, kBlack);

  const bool fine = scale > 0.5;
  if (fine) {
    for (int minute = 0; minute < 60; ++minute) {
      const double size = minute % 5 == 0 ? 3.2 : 1.6;
      Disc(painter, OnCircle(centre, kMiddleTrack * scale, minute / 60.0), size * scale, kTan);
    }
    for (int hour = 0; hour < 12; ++hour) {
      Disc(painter, OnCircle(centre, kInnerTrack * scale, hour / 12.0), 2.6 * scale, kTan);
      // Half-way between the bands, off the hours, so the dark brown is not bare.
      Disc(painter, OnCircle(centre, (kMiddleTrack + kInnerTrack) / 2 * scale, (hour + 0.5) / 12.0),
           2.4 * scale, kBrown);
    }
  }
  for (int hour = 0; hour < 12; ++hour) {
    const double size = hour % 3 == 0 ? 8.0 : 4.5;
    Disc(painter, OnCircle(centre, kDotRingRadius * scale, hour / 12.0),
         std::max(size * scale, 1.2), kTan);
  }
}

// Three circles on their orbits, as the clock's own circles ride around its middle.
void DrawOrbits(QPainter& painter, QPointF centre, double outer_radius) {
  const double unit = outer_radius / kOuterTrack;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor::fromRgb(kBrown), std::max(1.2, outer_radius / 16)));
  for (double track : {kOuterTrack, kMiddleTrack, kInnerTrack}) {
    painter.drawEllipse(centre, track * unit, track * unit);
  }
  const double dot = outer_radius / 6.5;
  Disc(painter, OnCircle(centre, kOuterTrack * unit, 1.0 / 12), dot, kGold);
  Disc(painter, OnCircle(centre, kMiddleTrack * unit, 0.70), dot * 0.85, kEmber);
  Disc(painter, OnCircle(centre, kInnerTrack * unit, 0.38), dot * 0.7, kCream);
}

}  // namespace

Design Emblem() {
  QImage image(49, 49, QImage::Format_RGB32);
  image.fill(kBlack);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(24.5, 24.5);
  DrawOrbits(painter, centre, 19.5);
  Disc(painter, centre, 2.2, kTan);
  painter.end();
  return {image, {kBlack, kBrown, kTan, kGold, kEmber, kCream}};
}

Design DialTile() {
  constexpr int kHalf = 262;  // the outer dots and their soft edges, with a margin
  QImage image(2 * kHalf + 1, 2 * kHalf + 1, QImage::Format_RGB32);
  image.fill(kBlack);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawDial(painter, QPointF(kHalf + 0.5, kHalf + 0.5), 1.0);
  painter.end();
  return {image, {kBlack, kDarkBrown, kBrown, kTan}};
}

QImage Background(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, width * 0.25, height);
  sky.setColorAt(0.0, QColor(14, 26, 58));
  sky.setColorAt(0.55, QColor(6, 11, 28));
  sky.setColorAt(1.0, QColor(1, 2, 6));
  painter.fillRect(image.rect(), sky);

  // Soft clouds of colour, too faint to fight with the clock.
  const auto glow = [&](QPointF centre, double radius, QColor colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1.0, colour);
    Disc(painter, centre, radius, QBrush(gradient));
  };
  glow(QPointF(width * 0.80, height * 0.18), height * 0.55, QColor(52, 44, 120, 60));
  glow(QPointF(width * 0.12, height * 0.85), height * 0.60, QColor(16, 70, 92, 45));
  glow(QPointF(width * 0.45, height * 0.40), height * 0.35, QColor(30, 40, 90, 25));

  // Wide faint orbits off to the lower right.
  painter.setBrush(Qt::NoBrush);
  const QPointF orbit_centre(width * 0.92, height * 1.05);
  for (int i = 1; i <= 4; ++i) {
    painter.setPen(QPen(QColor(90, 120, 200, 22 - 3 * i), 2.0));
    const double radius = height * (0.28 * i);
    painter.drawEllipse(orbit_centre, radius, radius);
  }

  Random random(0x48616c76656bull);
  for (int i = 0; i < 700; ++i) {
    const QPointF where(random.Uniform(0, width), random.Uniform(0, height));
    const double light = random.Uniform(0, 1);
    const int level = static_cast<int>(50 + 110 * light * light);
    const QColor colour(level, level, std::min(255, level + 25));
    Disc(painter, where, random.Uniform(0.5, 1.1), colour.rgb());
  }
  for (int i = 0; i < 18; ++i) {
    const QPointF where(random.Uniform(0, width), random.Uniform(0, height));
    glow(where, random.Uniform(4, 7), QColor(170, 190, 255, 90));
    Disc(painter, where, 1.2, QColor(225, 232, 255).rgb());
  }
  painter.end();
  return image;
}

QImage SetupImage() {
  constexpr int kWidth = 97;
  constexpr int kHeight = 209;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(16, 30, 66));
  sky.setColorAt(1.0, QColor(2, 4, 12));
  painter.fillRect(image.rect(), sky);

  Random random(0x5365747570ull);
  for (int i = 0; i < 40; ++i) {
    const QPointF where(random.Uniform(0, kWidth), random.Uniform(0, kHeight));
    const int level = static_cast<int>(random.Uniform(70, 170));
    Disc(painter, where, random.Uniform(0.3, 0.7), QColor(level, level, level + 30).rgb());
  }

  // A tall case: the dial for a head, a swinging pendulum beneath.
  const QRectF case_outline(9.5, 6.5, kWidth - 19, kHeight - 13);
  painter.setPen(QPen(QColor::fromRgb(kBrown), 2.0));
  painter.setBrush(QColor(0, 0, 0, 150));
  painter.drawRoundedRect(case_outline, 12, 12);

  const QPointF head(kWidth / 2.0, 50.0);
  Disc(painter, head, 41, kBlack);
  DrawDial(painter, head, 39.0 / kOuterTrack * 1.03);
  DrawOrbits(painter, head, 9.5);

  const QPointF pivot(kWidth / 2.0, 96.0);
  const double length = 78;
  painter.setPen(QPen(QColor(120, 150, 220, 45), 1.0));
  painter.setBrush(Qt::NoBrush);
  const QRectF swing(pivot.x() - length, pivot.y() - length, 2 * length, 2 * length);
  painter.drawArc(swing, (270 - 24) * 16, 48 * 16);

  const auto pendulum = [&](double turns, int alpha) {
    const QPointF bob = OnCircle(pivot, length, 0.5 + turns);
    QColor rod = QColor::fromRgb(kTan);
    rod.setAlpha(alpha);
    painter.setPen(QPen(rod, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pivot, bob);
    QRadialGradient shine(bob + QPointF(-3, -3), 12);
    QColor light = QColor::fromRgb(kGold);
    QColor dark = QColor::fromRgb(kBrown);
    light.setAlpha(alpha);
    dark.setAlpha(alpha);
    shine.setColorAt(0, light);
    shine.setColorAt(1, dark);
    Disc(painter, bob, 10, QBrush(shine));
  };
  pendulum(0.045, 60);
  pendulum(-0.03, 255);
  painter.end();
  return image;
}

}  // namespace hc::pictures
