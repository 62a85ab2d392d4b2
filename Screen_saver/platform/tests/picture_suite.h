#pragma once
// What every backend's picture decoder must do, written once: pictures are told by their
// content whatever the name, held top row first as 32-bit pixels ready to draw; files that
// are not GIF, JPEG or BMP, or that claim sizes no screen needs, are refused with a reason;
// damaged ones decode within the limits or are refused.
//
// A backend's test runs it with INSTANTIATE_TYPED_TEST_SUITE_P(Name, PictureSuite, Adapter),
// where the adapter, made afresh for each test, has:
//   static constexpr int kMaxSide;  the longest side the backend decodes
//   Picture Load(const std::string& path, std::string* error);
//   Picture Decode(const Bytes& bytes, const std::string& name, std::string* error);
//   Rgba PixelAt(const Picture&, int x, int y);  top row first; fails the test when the
//       picture is not held as 32-bit pixels, which are drawn without conversion
//   bool HasPixels(const Picture&);

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fake/test_folder.h"
#include "files.h"
#include "model/picture.h"
#include "tests/picture_bytes.h"

namespace hc::picture_suite {

using damage::Bytes;

struct Rgba {
  int r, g, b, a;
  friend std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
  }
};
inline constexpr Rgba kRed{255, 0, 0, 255}, kBlue{0, 0, 255, 255}, kNothing{0, 0, 0, 0};

// Decoders differ a little in how they round a JPEG's colours; transparency is exact.
inline bool Near(const Rgba& x, const Rgba& y) {
  return std::abs(x.r - y.r) < 16 && std::abs(x.g - y.g) < 16 && std::abs(x.b - y.b) < 16 &&
         x.a == y.a;
}

// A folder of the test's own to write pictures into, under names given in UTF-8.
class PictureFolder {
 public:
  PictureFolder() = default;
  PictureFolder(const PictureFolder&) = delete;
  PictureFolder& operator=(const PictureFolder&) = delete;
  ~PictureFolder() { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const {
    return files::Utf8Of(folder_ / files::PathFromUtf8(name));
  }
  std::string Write(const std::string& name, const Bytes& bytes) const {
    std::ofstream(files::PathFromUtf8(PathOf(name)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return PathOf(name);
  }

 private:
  std::filesystem::path folder_ = fake::FreshTestFolder("hc_pictures_");
};

struct Shown {
  std::string name;  // a name that says another format, or none
  Bytes bytes;
  int width, height;
  Rgba top_left, bottom_right;
};

// Each picture, from its file and from its bytes, shows at its size and colours and names
// where it came from.
template <class Adapter>
void ExpectShown(Adapter& backend, const PictureFolder& folder, const std::vector<Shown>& cases) {
  for (const Shown& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    const Picture loaded = backend.Load(folder.Write(c.name, c.bytes), &error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(loaded->Source(), folder.PathOf(c.name));
    const Picture decoded = backend.Decode(c.bytes, c.name, &error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_EQ(decoded->Source(), c.name);
    for (const Picture& p : {loaded, decoded}) {
      EXPECT_EQ(p->WidthPx(), c.width);
      EXPECT_EQ(p->HeightPx(), c.height);
      const Rgba top_left = backend.PixelAt(p, 0, 0);
      const Rgba bottom_right = backend.PixelAt(p, c.width - 1, c.height - 1);
      EXPECT_TRUE(Near(top_left, c.top_left)) << top_left;
      EXPECT_TRUE(Near(bottom_right, c.bottom_right)) << bottom_right;
    }
  }
}

struct Refused {
  std::string name;
  Bytes bytes;
  std::string reason;  // a part of the error text
};

// Each file and its bytes are refused with an error that names them and says why.
template <class Adapter>
void ExpectRefused(Adapter& backend, const PictureFolder& folder,
                   const std::vector<Refused>& cases) {
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.Write(c.name, c.bytes);
    std::string error;
    EXPECT_FALSE(backend.Load(path, &error));
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_GT(error.size(), path.size() + 2) << error;

    error.clear();
    EXPECT_FALSE(backend.Decode(c.bytes, c.name, &error));
    EXPECT_EQ(error.rfind(c.name + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

template <class Adapter>
class PictureSuite : public ::testing::Test {
 protected:
  Adapter backend;
  PictureFolder folder;
};

TYPED_TEST_SUITE_P(PictureSuite);

TYPED_TEST_P(PictureSuite, ToldByContentWhateverTheName) {
  using namespace picture_bytes;
  ExpectShown(this->backend, this->folder,
              {
                  {"gif.bmp", Gif(3, 2, {{R, R, R, B, B, B}}), 3, 2, kRed, kBlue},
                  // The first frame is what shows.
                  {"animated.jpg", Gif(2, 2, {{R, R, R, R}, {G, G, G, G}}), 2, 2, kRed, kRed},
                  {"transparent.gif", Gif(2, 2, {{W, R, R, R}}, W), 2, 2, kNothing, kRed},
                  {"jpeg.gif", kJpeg, 16, 8, {220, 30, 30, 255}, {30, 30, 220, 255}},
                  {"bmp.jpg", Bmp(3, 4, 0xFF0000, 0x0000FF), 3, 4, kRed, kBlue},
                  {"Часы на стене", Bmp(5, 2, 0xFF0000, 0x0000FF), 5, 2, kRed, kBlue},
                  // Screen-sized pictures are decoded into memory of their own.
                  {"screen.bmp", Bmp(1920, 1080, 0xFF0000, 0x0000FF), 1920, 1080, kRed, kBlue},
              });
}

TYPED_TEST_P(PictureSuite, RefusedWithAReason) {
  using namespace picture_bytes;
  const std::string text = "this is a settings file, not a picture";
  ExpectRefused(this->backend, this->folder,
                {
                    {"text.jpg", Bytes(text.begin(), text.end()), "not a GIF, JPEG or BMP"},
                    {"png.gif", kPng, "not a GIF, JPEG or BMP"},
                    {"empty.bmp", {}, "not a GIF, JPEG or BMP"},
                    {"wide.bmp", BmpHeader(30000, 10), "too large (30000 x 10)"},
                    // Found by fuzzing: a BMP header with a height of -2^31 + 8 decoded 8 x 32768.
                    {"fuzzed.bmp",
                     {0x42, 0x4d, 0xf6, 0x0,  0x0,  0x0,  0x0,  0x47, 0x49, 0x46, 0x38, 0x0,  0x0,
                      0x0,  0x8,  0x0,  0xca, 0x0,  0x8,  0x0,  0x0,  0x80, 0x1,  0x0,  0x18, 0x0,
                      0x0,  0x0,  0x0,  0x0,  0xc0, 0x0,  0x0,  0x0,  0x0,  0x0,  0x0,  0x0,  0x0,
                      0x8,  0xc,  0x52, 0xf,  0x7,  0xe3, 0xe3, 0xe3, 0xe3, 0x0,  0x0},
                     "too large"},
                    {"tall.gif", Gif(10, 20000, {{R}}), "too large (10 x 20000)"},
                    {"largest.gif", Gif(65535, 65535, {{R}}), "too large"},
                    {"huge.jpg", damage::JpegClaiming(kJpeg, 30000, 30000), "too large"},
                    // Within the side limit but beyond what one picture may take.
                    {"square.gif", Gif(16000, 16000, {{R}}), "too large"},
                    {"big.jpg", damage::JpegClaiming(kJpeg, 12000, 12000), "too large"},
                });
}

TYPED_TEST_P(PictureSuite, WhatIsNoFileIsRefused) {
  std::string error;
  const std::string missing = this->folder.PathOf("missing.gif");
  EXPECT_FALSE(this->backend.Load(missing, &error));
  EXPECT_EQ(error, missing + ": no such file");

  const std::string folder = this->folder.PathOf("slide.gif");
  std::filesystem::create_directory(files::PathFromUtf8(folder));
  error.clear();
  EXPECT_FALSE(this->backend.Load(folder, &error));
  EXPECT_EQ(error.rfind(folder + ": ", 0), 0u) << error;
  EXPECT_GT(error.size(), folder.size() + 2) << error;
}

TYPED_TEST_P(PictureSuite, DamagedPicturesDecodeWithinTheLimitsOrAreRefused) {
  using namespace picture_bytes;
  const std::pair<const char*, Bytes> pictures[] = {
      {"gif", Gif(40, 30, {Bytes(1200, B), Bytes(1200, G)})},
      {"jpeg", kJpeg},
      {"bmp", Bmp(40, 30, 0x00FF00, 0xFFFF00)},
  };
  for (const auto& [format, bytes] : pictures) {
    for (const damage::Damage& d : damage::kDamages) {
      SCOPED_TRACE(std::string(format) + ", " + d.name);
      std::string error;
      const Picture p = this->backend.Decode(d.apply(bytes), format, &error);
      if (p) {
        EXPECT_LE(p->WidthPx(), TypeParam::kMaxSide);
        EXPECT_LE(p->HeightPx(), TypeParam::kMaxSide);
        EXPECT_TRUE(this->backend.HasPixels(p));
      } else {
        EXPECT_EQ(error.rfind(std::string(format) + ": ", 0), 0u) << error;
      }
    }
  }
}

REGISTER_TYPED_TEST_SUITE_P(PictureSuite, ToldByContentWhateverTheName, RefusedWithAReason,
                            WhatIsNoFileIsRefused,
                            DamagedPicturesDecodeWithinTheLimitsOrAreRefused);

}  // namespace hc::picture_suite
