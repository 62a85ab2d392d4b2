#pragma once
// The drawings behind the built-in pictures.

#include <QImage>
#include <QRgb>
#include <vector>

namespace hc::pictures {

// A drawing whose pixels, antialiasing aside, are all of the listed colours; the first
// is the ground.
struct Design {
  QImage image;
  std::vector<QRgb> colours;
};

// Where the clock's circles ride, in pixels from the middle of the screen.
inline constexpr double kOuterTrack = 252;
inline constexpr double kMiddleTrack = 180;
inline constexpr double kInnerTrack = 108;

// The ring of the dial sits between the black hole under the emblem and the outer dots.
inline constexpr double kHoleRadius = 72;
inline constexpr double kRingRadius = 213;
inline constexpr double kDotRingRadius = 248;

// The emblem in the middle of the clock, 49 x 49 pixels on black.
Design Emblem();

// The dial alone on a square of black, centred on its middle pixel; the full-screen
// pictures place it on canvases of their own.
Design DialTile();

// The default full-screen background: dark, so the clock stays readable over it.
QImage Background(int width, int height);

// The picture beside the installer's pages, 97 x 209 pixels.
QImage SetupImage();

}  // namespace hc::pictures
