// Qt's decoders against the rules every backend's share, and what Qt's alone do: large
// pictures decoded when first drawn, names in another encoding, pipes.

#include "pictures.h"

#include <sys/stat.h>

#include <QBuffer>
#include <fstream>
#include <string>

#include "convert.h"
#include "qt_app.h"
#include "qt_fixture.h"
#include "tests/picture_suite.h"

namespace hc::qt {
namespace {

using damage::Bytes;
// The suite's helpers, which its macros name unqualified.
using namespace picture_suite;
constexpr Color kGreen = Rgb(0, 255, 0), kYellow = Rgb(255, 255, 0);

Bytes Encoded(const char* format, int width, int height, Color colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(colour));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return Bytes(bytes.begin(), bytes.end());
}

// Files are read through the system the programs use.
class QtPictures {
 public:
  static constexpr int kMaxSide = kMaxPictureSide;

  Picture Load(const std::string& path, std::string* error) {
    return app_.GetSystem().LoadPicture(path, error);
  }
  Picture Decode(const Bytes& bytes, const std::string& name, std::string* error) {
    return DecodePictureBytes(bytes, name, error);
  }
  Rgba PixelAt(const Picture& picture, int x, int y) {
    const QImage* image = ImageOf(picture);
    if (!image) {
      ADD_FAILURE() << "no pixels";
      return {};
    }
    EXPECT_EQ(image->depth(), 32);
    const QColor c = image->pixelColor(x, y);
    return {c.red(), c.green(), c.blue(), c.alpha()};
  }
  bool HasPixels(const Picture& picture) { return ImageOf(picture) != nullptr; }

 private:
  int argc_ = 1;
  char name_[16] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  App app_{argc_, argv_};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, PictureSuite, QtPictures);

class Pictures : public ::testing::Test {
 protected:
  QtPictures backend;
  PictureFolder folder;
};

TEST_F(Pictures, ToldByContentInWhatOnlyThisSystemHas) {
  constexpr Rgba kShownGreen{0, 255, 0, 255};
  ExpectShown(
      backend, folder,
      {
          // A name made under another encoding: its bytes are no valid UTF-8.
          {"\xe9t\xe9.gif", picture_bytes::Gif(1, 1, {{picture_bytes::G}}), 1, 1, kShownGreen,
           kShownGreen},
          {"screen.jpg", Encoded("JPEG", 1920, 1080, kGreen), 1920, 1080, kShownGreen, kShownGreen},
      });
}

TEST_F(Pictures, APipeUnderAPictureNameIsRefusedAtOnce) {
  // Opened as a file, a pipe with no writer would hold the clock up for good.
  const std::string path = folder.PathOf("pipe.gif");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  std::string error;
  EXPECT_FALSE(backend.Load(path, &error));
  EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
}

bool NearQ(const QColor& c, Color expected) {
  return std::abs(c.red() - RedOf(expected)) < 16 && std::abs(c.green() - GreenOf(expected)) < 16 &&
         std::abs(c.blue() - BlueOf(expected)) < 16;
}

// Qt's own decoding, with no backend adapter: an application and a folder.
class QtDecoding : public QtFixture {
 protected:
  PictureFolder folder;
};

TEST_F(QtDecoding, LargePicturesAreDecodedWhenFirstDrawn) {
  const std::string large = folder.Write("large.jpg", Encoded("JPEG", 1024, 512, kGreen));
  const std::string small = folder.Write("small.jpg", Encoded("JPEG", 1024, 511, kGreen));
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
  EXPECT_TRUE(NearQ(image->pixelColor(1023, 511), kGreen));
  EXPECT_FALSE(AwaitsDecoding(waiting));
  // Let go of, the pixels are decoded again when next asked for.
  ReleasePixels(waiting);
  EXPECT_TRUE(AwaitsDecoding(waiting));
  EXPECT_TRUE(NearQ(ImageOf(waiting)->pixelColor(1023, 511), kGreen));

  // Bytes given in memory are copied for later: the caller's may be gone by then.
  Picture from_bytes;
  {
    const Bytes bytes = Encoded("BMP", 1024, 512, kYellow);
    from_bytes = DecodePictureBytes(bytes, "bytes", &error);
  }
  ASSERT_TRUE(from_bytes) << error;
  EXPECT_TRUE(AwaitsDecoding(from_bytes));
  EXPECT_TRUE(NearQ(ImageOf(from_bytes)->pixelColor(0, 0), kYellow));

  const Picture at_once = LoadPictureFile(small, &error);
  ASSERT_TRUE(at_once) << error;
  EXPECT_FALSE(AwaitsDecoding(at_once));
}

}  // namespace
}  // namespace hc::qt
