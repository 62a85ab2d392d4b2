#include "builtin_pictures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace hc::builtin {
namespace {

struct Decoded {
  std::string format;
  QImage image;
};

// By content, as the clock reads them: no file name to hint at the format.
Decoded Decode(std::span<const std::uint8_t> bytes) {
  QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  Decoded decoded;
  decoded.format = reader.format().toStdString();
  decoded.image = reader.read().convertToFormat(QImage::Format_RGB32);
  return decoded;
}

std::uint32_t Le(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}

bool IsBlack(QRgb colour) {
  return (colour & 0xffffff) == 0;
}

bool IsBrownish(QRgb colour) {
  return qRed(colour) > qGreen(colour) && qGreen(colour) > qBlue(colour) && qRed(colour) >= 40;
}

// A pixel at a clock position around the screen's middle: 0 turns is 12 o'clock.
QRgb At(const QImage& image, double radius, double turns) {
  const double angle = 2 * std::numbers::pi * turns;
  const int x = image.width() / 2 + static_cast<int>(std::lround(radius * std::sin(angle)));
  const int y = image.height() / 2 - static_cast<int>(std::lround(radius * std::cos(angle)));
  return image.pixel(x, y);
}

struct DialCase {
  int store;
  const char* format;
  int width;
  int height;
};

constexpr DialCase kDials[] = {{1, "bmp", 1024, 768},
                               {2, "gif", 1920, 1080},
                               {3, "gif", 1280, 1024},
                               {4, "gif", 1366, 768},
                               {5, "gif", 1600, 900}};

TEST(BuiltinPictures, EachDecodesInItsFormatAtItsSize) {
  struct Case {
    std::string name;
    std::span<const std::uint8_t> bytes;
    std::string format;
    int width;
    int height;
  };
  std::vector<Case> cases = {{"emblem", CentreEmblem(), "gif", 49, 49},
                             {"setup image", SetupImage(), "bmp", 97, 209}};
  for (const DialCase& dial : kDials) {
    cases.push_back({"dial " + std::to_string(dial.store), Dial(dial.store), dial.format,
                     dial.width, dial.height});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoded decoded = Decode(c.bytes);
    EXPECT_EQ(decoded.format, c.format);
    ASSERT_FALSE(decoded.image.isNull());
    EXPECT_EQ(decoded.image.width(), c.width);
    EXPECT_EQ(decoded.image.height(), c.height);
  }
}

TEST(BuiltinPictures, NoDialOutsideTheFiveStores) {
  for (int store : {-1, 0, 6}) EXPECT_TRUE(Dial(store).empty()) << store;
}

// Older readers take BMP only in its plainest form: 24 bits, no compression, padded rows.
TEST(BuiltinPictures, BmpsAreUncompressed24Bit) {
  struct Case {
    const char* name;
    std::span<const std::uint8_t> bytes;
    std::uint32_t width;
    std::uint32_t height;
  };
  const Case cases[] = {{"dial 1", Dial(1), 1024, 768}, {"setup image", SetupImage(), 97, 209}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_GE(c.bytes.size(), 54u);
    EXPECT_EQ(c.bytes[0], 'B');
    EXPECT_EQ(c.bytes[1], 'M');
    EXPECT_EQ(Le(c.bytes, 2, 4), c.bytes.size());  // file size
    EXPECT_EQ(Le(c.bytes, 10, 4), 54u);            // pixels follow the headers
    EXPECT_EQ(Le(c.bytes, 14, 4), 40u);            // info header size
    EXPECT_EQ(Le(c.bytes, 18, 4), c.width);
    EXPECT_EQ(Le(c.bytes, 22, 4), c.height);  // positive: rows bottom-up
    EXPECT_EQ(Le(c.bytes, 28, 2), 24u);       // bits per pixel
    EXPECT_EQ(Le(c.bytes, 30, 4), 0u);        // compression
    const std::uint32_t row = (c.width * 3 + 3) / 4 * 4;
    EXPECT_EQ(c.bytes.size(), 54u + row * c.height);
  }
}

// The emblem sits in a black circle: its corners must melt into it.
TEST(BuiltinPictures, EmblemIsDrawnOnBlack) {
  const QImage emblem = Decode(CentreEmblem()).image;
  ASSERT_EQ(emblem.size(), QSize(49, 49));
  for (QPoint corner : {QPoint(0, 0), QPoint(48, 0), QPoint(0, 48), QPoint(48, 48)}) {
    EXPECT_TRUE(IsBlack(emblem.pixel(corner))) << corner.x() << "," << corner.y();
  }
  int coloured = 0;
  for (int y = 0; y < 49; ++y) {
    for (int x = 0; x < 49; ++x) coloured += IsBlack(emblem.pixel(x, y)) ? 0 : 1;
  }
  EXPECT_GT(coloured, 49 * 49 / 10);
}

TEST(BuiltinPictures, DialsCentreTheRingTracksAndDotsOnTheScreen) {
  for (const DialCase& dial : kDials) {
    SCOPED_TRACE("dial " + std::to_string(dial.store));
    const QImage image = Decode(Dial(dial.store)).image;
    ASSERT_EQ(image.size(), QSize(dial.width, dial.height));
    // On the middle pixel to the pixel: the outermost dots reach as far to either side of
    // it, and as far above as below.
    const int cx = dial.width / 2;
    const int cy = dial.height / 2;
    int left = cx, right = cx, top = cy, bottom = cy;
    for (int x = 0; x < dial.width; ++x) {
      if (!IsBlack(image.pixel(x, cy))) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    for (int y = 0; y < dial.height; ++y) {
      if (!IsBlack(image.pixel(cx, y))) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    EXPECT_LE(std::abs(left + right - 2 * cx), 1) << left << ".." << right;
    EXPECT_LE(std::abs(top + bottom - 2 * cy), 1) << top << ".." << bottom;
    EXPECT_NEAR(right - left, 2 * 256, 3);
    // The hole under the emblem, the gap between ring and dots, and beyond the dots.
    for (double radius : {0.0, 60.0, 225.0, 300.0}) {
      for (double turns : {0.0, 0.1, 0.25, 0.6}) {
        EXPECT_TRUE(IsBlack(At(image, radius, turns))) << "radius " << radius << " turns " << turns;
      }
    }
    // The ring under the inner and middle circles and between them.
    for (double radius : {100.0, 108.0, 140.0, 180.0, 200.0}) {
      for (double turns : {0.03, 0.25, 0.52, 0.8}) {
        const QRgb colour = At(image, radius, turns);
        EXPECT_TRUE(IsBrownish(colour))
            << "radius " << radius << " turns " << turns << " colour " << std::hex << colour;
      }
    }
    // Twelve dots on the outer circle's path, with black between them; the four at the
    // quarters are the larger.
    for (int hour = 0; hour < 12; ++hour) {
      EXPECT_FALSE(IsBlack(At(image, 248, hour / 12.0))) << "dot at " << hour;
      EXPECT_TRUE(IsBlack(At(image, 248, (hour + 0.5) / 12.0))) << "gap after " << hour;
      EXPECT_EQ(IsBlack(At(image, 254, hour / 12.0)), hour % 3 != 0) << "dot size at " << hour;
    }
  }
}

// One design on every canvas: the same pixels around the middle, whatever the screen.
TEST(BuiltinPictures, DialsShareOneDesign) {
  const QImage first = Decode(Dial(1)).image;
  const QRect around(first.width() / 2 - 260, first.height() / 2 - 260, 521, 521);
  const QImage reference = first.copy(around);
  for (int store = 2; store <= 5; ++store) {
    const QImage image = Decode(Dial(store)).image;
    const QImage middle = image.copy(around.translated(image.width() / 2 - first.width() / 2,
                                                       image.height() / 2 - first.height() / 2));
    EXPECT_TRUE(middle == reference) << "store " << store;
  }
}

TEST(BuiltinPictures, BackgroundBesideTheProgramIsDarkFullScreenJpeg) {
  QImageReader reader(QString::fromUtf8(HC_BACKGROUND_PICTURE));
  reader.setDecideFormatFromContent(true);
  EXPECT_EQ(reader.format().toStdString(), "jpeg");
  const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(image.size(), QSize(1920, 1080)) << reader.errorString().toStdString();
  double sum = 0;
  int brightest = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb colour = image.pixel(x, y);
      const int luminance =
          (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour)) / 1000;
      sum += luminance;
      brightest = std::max(brightest, luminance);
    }
  }
  const double mean = sum / (image.width() * image.height());
  EXPECT_LT(mean, 40);
  // Dark, but a picture rather than a blank.
  EXPECT_GT(mean, 2);
  EXPECT_GT(brightest, mean + 60);
}

}  // namespace
}  // namespace hc::builtin
