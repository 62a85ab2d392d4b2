// Pictures are told by their content, and files that are not pictures, or that claim
// sizes no screen needs, are refused with a reason.

#include "pictures.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "qt_fixture.h"
#include "tests/picture_damage.h"

namespace hc::qt {
namespace {

using damage::Bytes;

// A GIF of width x height whose first frame is red and whose second frame, when there is
// one, is green.
Bytes Gif(int width, int height, bool two_frames) {
  const auto lo = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
  const auto hi = [](int v) { return static_cast<std::uint8_t>(v >> 8); };
  Bytes b{'G',  'I', 'F', '8',  '9', 'a', lo(width), hi(width), lo(height), hi(height),
          0x80, 0,   0,   0xFF, 0,   0,   0,         0,         0};
  // One pixel's worth of code: clear, index 0, end. Larger pictures end early and are
  // filled with index 0 by the decoder, which is enough here.
  const Bytes data{0x02, 0x02, 0x44, 0x01, 0x00};
  const Bytes frame{0x2C, 0, 0, 0, 0, lo(width), hi(width), lo(height), hi(height)};
  b.insert(b.end(), frame.begin(), frame.end());
  b.push_back(0x00);
  b.insert(b.end(), data.begin(), data.end());
  if (two_frames) {
    b.insert(b.end(), frame.begin(), frame.end());
    // Its own palette: index 0 is green.
    for (std::uint8_t v : {0x80, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}) b.push_back(v);
    b.insert(b.end(), data.begin(), data.end());
  }
  b.push_back(0x3B);
  return b;
}

Bytes Encoded(const char* format, int width, int height, Color colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(colour));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return Bytes(bytes.begin(), bytes.end());
}

// Only the headers of a BMP, claiming the given size.
Bytes BmpHeader(std::int32_t width, std::int32_t height) {
  Bytes b(54, 0);
  const auto put = [&b](std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, 54, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  return b;
}

class Pictures : public QtFixture {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = folder.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  QTemporaryDir folder;
};

bool Near(const QColor& c, Color expected) {
  return std::abs(c.red() - RedOf(expected)) < 16 && std::abs(c.green() - GreenOf(expected)) < 16 &&
         std::abs(c.blue() - BlueOf(expected)) < 16;
}

TEST_F(Pictures, ToldByContentWhateverTheName) {
  struct Case {
    const char* name;  // a name that says another format
    Bytes bytes;
    int width, height;
    Color colour;  // of the first pixel and the last
  };
  const Case cases[] = {
      {"jpeg.gif", Encoded("JPEG", 8, 6, kGreen), 8, 6, kGreen},
      {"bmp.jpg", Encoded("BMP", 5, 3, kYellow), 5, 3, kYellow},
      {"gif.bmp", Gif(1, 1, false), 1, 1, kRed},
      {"animated.jpg", Gif(1, 1, true), 1, 1, kRed},
      // A name made under another encoding: its bytes are no valid UTF-8.
      {"\xe9t\xe9.gif", Gif(1, 1, false), 1, 1, kRed},
      // Screen-sized pictures are decoded into memory of their own.
      {"screen.jpg", Encoded("JPEG", 1920, 1080, kGreen), 1920, 1080, kGreen},
      {"screen.bmp", Encoded("BMP", 1920, 1080, kYellow), 1920, 1080, kYellow},
  };
  System& system = app.GetSystem();
  for (const Case& c : cases) {
    std::string error;
    const Picture loaded = system.LoadPicture(Write(c.name, c.bytes), &error);
    const Picture decoded = system.DecodePicture(c.bytes, c.name);
    for (const Picture& p : {loaded, decoded}) {
      ASSERT_TRUE(p) << c.name << ": " << error;
      EXPECT_EQ(p->WidthPx(), c.width) << c.name;
      EXPECT_EQ(p->HeightPx(), c.height) << c.name;
      const QImage* image = ImageOf(p);
      ASSERT_NE(image, nullptr);
      for (const QPoint at : {QPoint(0, 0), QPoint(c.width - 1, c.height - 1)})
        EXPECT_TRUE(Near(image->pixelColor(at), c.colour))
            << c.name << " " << image->pixelColor(at).name().toStdString();
      // Pictures are kept ready to draw, not as palette pixels to convert on every paint.
      EXPECT_EQ(image->depth(), 32) << c.name;
    }
    EXPECT_EQ(loaded->Source(), folder.path().toStdString() + "/" + c.name);
    EXPECT_EQ(decoded->Source(), c.name);
  }
}

TEST_F(Pictures, LargePicturesAreDecodedWhenFirstDrawn) {
  const std::string large = Write("large.jpg", Encoded("JPEG", 1024, 512, kGreen));
  const std::string small = Write("small.jpg", Encoded("JPEG", 1024, 511, kGreen));
  std::string error;
  const Picture waiting = LoadPictureFile(large, &error);
  ASSERT_TRUE(waiting) << error;
  EXPECT_TRUE(AwaitsDecoding(waiting));
  // The size is known from the header alone.
  EXPECT_EQ(waiting->WidthPx(), 1024);
  EXPECT_EQ(waiting->HeightPx(), 512);
  // The bytes were read with the header: what happens to the file afterwards does not count.
  std::ofstream(large, std::ios::binary | std::ios::trunc) << "gone";
  const QImage* image = ImageOf(waiting);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->size(), QSize(1024, 512));
  EXPECT_TRUE(Near(image->pixelColor(1023, 511), kGreen));
  EXPECT_FALSE(AwaitsDecoding(waiting));
  // Let go of, the pixels are decoded again when next asked for.
  ReleasePixels(waiting);
  EXPECT_TRUE(AwaitsDecoding(waiting));
  EXPECT_TRUE(Near(ImageOf(waiting)->pixelColor(1023, 511), kGreen));

  // Bytes given in memory are copied for later: the caller's may be gone by then.
  Picture from_bytes;
  {
    const Bytes bytes = Encoded("BMP", 1024, 512, kYellow);
    from_bytes = DecodePictureBytes(bytes, "bytes", &error);
  }
  ASSERT_TRUE(from_bytes) << error;
  EXPECT_TRUE(AwaitsDecoding(from_bytes));
  EXPECT_TRUE(Near(ImageOf(from_bytes)->pixelColor(0, 0), kYellow));

  const Picture at_once = LoadPictureFile(small, &error);
  ASSERT_TRUE(at_once) << error;
  EXPECT_FALSE(AwaitsDecoding(at_once));
}

TEST_F(Pictures, RefusedWithAReason) {
  struct Case {
    const char* name;
    Bytes bytes;
    const char* reason;  // a part of the error text
  };
  const std::string text = "this is a settings file, not a picture";
  const Case cases[] = {
      {"text.jpg", Bytes(text.begin(), text.end()), "not a GIF, JPEG or BMP"},
      {"png.gif", Encoded("PNG", 4, 4, kRed), "not a GIF, JPEG or BMP"},
      {"wide.bmp", BmpHeader(30000, 10), "too large"},
      {"tall.gif", Gif(10, 20000, false), "too large"},
      {"big.jpg", damage::JpegClaiming(Encoded("JPEG", 8, 8, kRed), 12000, 12000), ""},
      {"largest.gif", Gif(65535, 65535, false), "too large"},
      {"huge.jpg", damage::JpegClaiming(Encoded("JPEG", 8, 8, kRed), 30000, 30000), "too large"},
      // Within the side limit but beyond what one picture may allocate.
      {"square.gif", Gif(16000, 16000, false), "too large"},
      // Found by fuzzing: a BMP header with a height of -2^31 + 8 decoded 8 x 32768.
      {"negative.bmp",
       {0x42, 0x4d, 0xf6, 0x0,  0x0,  0x0,  0x0,  0x47, 0x49, 0x46, 0x38, 0x0,  0x0,
        0x0,  0x8,  0x0,  0xca, 0x0,  0x8,  0x0,  0x0,  0x80, 0x1,  0x0,  0x18, 0x0,
        0x0,  0x0,  0x0,  0x0,  0xc0, 0x0,  0x0,  0x0,  0x0,  0x0,  0x0,  0x0,  0x0,
        0x8,  0xc,  0x52, 0xf,  0x7,  0xe3, 0xe3, 0xe3, 0xe3, 0x0,  0x0},
       "too large"},
  };
  for (const Case& c : cases) {
    const std::string path = Write(c.name, c.bytes);
    std::string error;
    EXPECT_FALSE(app.GetSystem().LoadPicture(path, &error)) << c.name;
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_GT(error.size(), path.size() + 2) << c.name;

    EXPECT_FALSE(app.GetSystem().DecodePicture(c.bytes, c.name)) << c.name;
  }
  std::string error;
  const std::string missing = folder.path().toStdString() + "/missing.gif";
  EXPECT_FALSE(app.GetSystem().LoadPicture(missing, &error));
  EXPECT_EQ(error, missing + ": no such file");
}

TEST_F(Pictures, DamagedPicturesDecodeWithinTheLimitsOrAreRefused) {
  const std::pair<const char*, Bytes> pictures[] = {
      {"gif", Gif(40, 30, true)},
      {"jpeg", Encoded("JPEG", 40, 30, kGreen)},
      {"bmp", Encoded("BMP", 40, 30, kYellow)},
  };
  for (const auto& [format, bytes] : pictures) {
    for (const damage::Damage& d : damage::kDamages) {
      std::string error;
      const Picture p = DecodePictureBytes(d.apply(bytes), format, &error);
      if (p) {
        EXPECT_LE(p->WidthPx(), kMaxPictureSide) << format << ", " << d.name;
        EXPECT_LE(p->HeightPx(), kMaxPictureSide) << format << ", " << d.name;
      } else {
        EXPECT_EQ(error.rfind(std::string(format) + ": ", 0), 0u) << error;
      }
    }
  }
}

TEST_F(Pictures, NoFileUnderAPictureNameIsRefusedAtOnce) {
  const std::string base = folder.path().toStdString();
  const std::pair<std::string, std::function<bool(const std::string&)>> makers[] = {
      {"folder", [](const std::string& p) { return QDir().mkpath(QString::fromStdString(p)); }},
      // Opened as a file, a pipe with no writer would hold the clock up for good.
      {"pipe", [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
  };
  for (const auto& [kind, make] : makers) {
    const std::string path = base + "/" + kind + ".gif";
    ASSERT_TRUE(make(path)) << kind;
    std::string error;
    EXPECT_FALSE(app.GetSystem().LoadPicture(path, &error)) << kind;
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
  }
}

}  // namespace
}  // namespace hc::qt
