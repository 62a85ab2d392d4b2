#pragma once
// A small fixed palette for the pictures written as GIF, so that the files stay small
// and every pixel of a design maps to one of its few colours.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace hc::pictures {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;
  std::vector<std::uint8_t> pixels;  // one palette index per pixel, rows top to bottom
};

// The design's own colours with, for each pair of them, three steps between; the steps
// catch the antialiased edges where two colours meet.
std::vector<QRgb> BlendedPalette(const std::vector<QRgb>& design_colours);

// Maps every pixel of an opaque image to the nearest palette entry.
IndexedImage Quantise(const QImage& image, const std::vector<QRgb>& palette);

// A canvas of palette entry 0 with the picture in its middle: the picture's middle pixel
// lands on (width / 2, height / 2).
IndexedImage Centred(const IndexedImage& picture, int width, int height);

QImage ToImage(const IndexedImage& image);

}  // namespace hc::pictures
