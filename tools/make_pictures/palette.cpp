#include "palette.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <unordered_map>

namespace hc::pictures {

namespace {

QRgb Mix(QRgb a, QRgb b, int b_quarters) {
  const auto channel = [&](int ca, int cb) {
    return (ca * (4 - b_quarters) + cb * b_quarters + 2) / 4;
  };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
              channel(qBlue(a), qBlue(b)));
}

int Distance(QRgb a, QRgb b) {
  // Green weighs most in what the eye sees, blue least.
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

std::vector<QRgb> BlendedPalette(const std::vector<QRgb>& design_colours) {
  std::vector<QRgb> palette;
  const auto add = [&](QRgb colour) {
    if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
      palette.push_back(colour);
    }
  };
  for (QRgb colour : design_colours) add(colour | 0xff000000u);
  for (std::size_t i = 0; i < design_colours.size(); ++i) {
    for (std::size_t j = i + 1; j < design_colours.size(); ++j) {
      for (int step = 1; step <= 3; ++step) {
        add(Mix(design_colours[i], design_colours[j], step));
      }
    }
  }
  if (palette.size() > 256) throw std::runtime_error("too many colours for one GIF palette");
  return palette;
}

IndexedImage Quantise(const QImage& image, const std::vector<QRgb>& palette) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  IndexedImage out;
  out.width = rgb.width();
  out.height = rgb.height();
  out.palette = palette;
  out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
  // A design has few distinct colours, so each is matched once.
  std::unordered_map<QRgb, std::uint8_t> nearest;
  for (int y = 0; y < out.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      const QRgb colour = line[x];
      auto found = nearest.find(colour);
      if (found == nearest.end()) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < palette.size(); ++i) {
          if (Distance(colour, palette[i]) < Distance(colour, palette[best])) best = i;
        }
        found = nearest.emplace(colour, static_cast<std::uint8_t>(best)).first;
      }
      out.pixels.push_back(found->second);
    }
  }
  return out;
}

IndexedImage Centred(const IndexedImage& picture, int width, int height) {
  const int left = width / 2 - picture.width / 2;
  const int top = height / 2 - picture.height / 2;
  if (left < 0 || top < 0 || left + picture.width > width || top + picture.height > height) {
    throw std::runtime_error("picture larger than its canvas");
  }
  IndexedImage out{width, height, picture.palette,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0)};
  for (int y = 0; y < picture.height; ++y) {
    const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
    std::copy(row, row + picture.width,
              out.pixels.begin() + static_cast<std::ptrdiff_t>(top + y) * width + left);
  }
  return out;
}

QImage ToImage(const IndexedImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width; ++x) {
      line[x] = image.palette[image.pixels[static_cast<std::size_t>(y) * image.width + x]];
    }
  }
  return out;
}

}  // namespace hc::pictures
