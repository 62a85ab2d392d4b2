// Pictures are told by their content and held top row first as 32-bit pixels; files that
// are not GIF, JPEG or BMP, or that claim sizes no screen needs, are refused with a reason.

// clang-format off
#include <windows.h>
// After <windows.h>, which it needs.
#include "win32/pictures.h"
// clang-format on

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "fake/test_folder.h"
#include "files.h"
#include "tests/picture_damage.h"

namespace hc::win32 {
namespace {

using damage::Bytes;

// Palette indices of the GIFs below.
constexpr std::uint8_t R = 0, B = 1, G = 2, W = 3;

void PutLe(Bytes& b, std::size_t at, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The pixels of one frame as GIF's compressed codes, three bits each: a clear code before
// every two pixels keeps the code table, and so the width of a code, from growing.
Bytes GifImageData(const std::vector<std::uint8_t>& pixels) {
  std::vector<unsigned> codes;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(pixels[i]);
  }
  codes.push_back(5);
  Bytes packed;
  unsigned bits = 0, count = 0;
  for (unsigned code : codes) {
    bits |= code << count;
    count += 3;
    for (; count >= 8; count -= 8, bits >>= 8) packed.push_back(static_cast<std::uint8_t>(bits));
  }
  if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
  Bytes data{2};  // the smallest code size
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
    data.push_back(static_cast<std::uint8_t>(n));
    data.insert(data.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                packed.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  data.push_back(0);
  return data;
}

// A GIF of width x height in red, blue, green and white, one frame for each list of palette
// indices (row by row; a short list leaves the rest to the decoder). `transparent` is the
// index that shows nothing, or -1.
Bytes Gif(int width, int height, const std::vector<std::vector<std::uint8_t>>& frames,
          int transparent = -1) {
  Bytes b{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x81, 0, 0};
  PutLe(b, 6, static_cast<std::uint32_t>(width), 2);
  PutLe(b, 8, static_cast<std::uint32_t>(height), 2);
  for (std::uint8_t v : {0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF}) b.push_back(v);
  for (const auto& pixels : frames) {
    if (transparent >= 0) {
      for (std::uint8_t v : {0x21, 0xF9, 4, 1, 0, 0}) b.push_back(v);
      b.push_back(static_cast<std::uint8_t>(transparent));
      b.push_back(0);
    }
    Bytes descriptor(10, 0);
    descriptor[0] = 0x2C;
    PutLe(descriptor, 5, static_cast<std::uint32_t>(width), 2);
    PutLe(descriptor, 7, static_cast<std::uint32_t>(height), 2);
    b.insert(b.end(), descriptor.begin(), descriptor.end());
    const Bytes data = GifImageData(pixels);
    b.insert(b.end(), data.begin(), data.end());
  }
  b.push_back(0x3B);
  return b;
}

// The GIF with its first frame claiming another size than the picture's.
Bytes FrameClaiming(Bytes gif, int width, int height) {
  const std::size_t at = 13 + 12;  // after the header and the palette
  EXPECT_EQ(gif.at(at), 0x2C);
  PutLe(gif, at + 5, static_cast<std::uint32_t>(width), 2);
  PutLe(gif, at + 7, static_cast<std::uint32_t>(height), 2);
  return gif;
}

// A 24-bit BMP, its rows stored bottom first as BMPs are; `top` paints the upper half of
// the rows, `bottom` the rest (colours as 0xRRGGBB).
Bytes Bmp(int width, int height, std::uint32_t top, std::uint32_t bottom) {
  const int stride = (width * 3 + 3) / 4 * 4;
  Bytes b(54 + static_cast<std::size_t>(stride * height), 0);
  b[0] = 'B';
  b[1] = 'M';
  PutLe(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  PutLe(b, 10, 54, 4);
  PutLe(b, 14, 40, 4);
  PutLe(b, 18, static_cast<std::uint32_t>(width), 4);
  PutLe(b, 22, static_cast<std::uint32_t>(height), 4);
  PutLe(b, 26, 1, 2);
  PutLe(b, 28, 24, 2);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t colour = y < height / 2 ? top : bottom;
    const std::size_t row = 54 + static_cast<std::size_t>(stride * (height - 1 - y));
    for (int x = 0; x < width; ++x) PutLe(b, row + static_cast<std::size_t>(x) * 3, colour, 3);
  }
  return b;
}

// Only the headers of a BMP, claiming the given size.
Bytes BmpHeader(std::int32_t width, std::int32_t height) {
  Bytes b = Bmp(1, 1, 0, 0);
  PutLe(b, 18, static_cast<std::uint32_t>(width), 4);
  PutLe(b, 22, static_cast<std::uint32_t>(height), 4);
  return b;
}

// 16 x 8, red on the left half and blue on the right, at quality 95 without subsampling.
const Bytes kJpeg = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02,
    0x01, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04,
    0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06, 0x07, 0x09, 0x08, 0x06,
    0x07, 0x09, 0x07, 0x06, 0x06, 0x08, 0x0B, 0x08, 0x09, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x06, 0x08,
    0x0B, 0x0C, 0x0B, 0x0A, 0x0C, 0x09, 0x0A, 0x0A, 0x0A, 0xFF, 0xDB, 0x00, 0x43, 0x01, 0x02, 0x02,
    0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0A, 0x07, 0x06, 0x07, 0x0A, 0x0A, 0x0A, 0x0A,
    0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A,
    0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A,
    0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0xFF, 0xC0,
    0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xC4, 0x00,
    0x15, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x09, 0x08, 0xFF, 0xC4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x0C, 0x03, 0x01,
    0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3F, 0x00, 0x2D, 0xA7, 0xF2, 0xF8, 0x39, 0x9F, 0xC0, 0x8E,
    0xFF, 0xD9,
};

// A 2 x 2 red PNG, which GDI+ could decode as well as the others.
const Bytes kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0xFD,
    0xD4, 0x9A, 0x73, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8,
    0xCF, 0xC0, 0x00, 0x44, 0x0C, 0x10, 0x0A, 0x00, 0x1F, 0xEE, 0x03, 0xFD, 0x63, 0x5E, 0xBB,
    0x5B, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
};

struct Rgba {
  int r, g, b, a;
};
constexpr Rgba kRed{255, 0, 0, 255}, kBlue{0, 0, 255, 255}, kNothing{0, 0, 0, 0};

bool Near(const Rgba& x, const Rgba& y) {
  return std::abs(x.r - y.r) < 16 && std::abs(x.g - y.g) < 16 && std::abs(x.b - y.b) < 16 &&
         x.a == y.a;
}

std::ostream& operator<<(std::ostream& out, const Rgba& c) {
  return out << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

class Pictures : public ::testing::Test {
 protected:
  ~Pictures() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const {
    return files::Utf8Of(folder_ / files::PathFromUtf8(name));
  }
  std::string Write(const std::string& name, const Bytes& bytes) {
    std::ofstream(files::PathFromUtf8(PathOf(name)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return PathOf(name);
  }

 private:
  std::filesystem::path folder_ = fake::FreshTestFolder("hc_pictures_");
};

// The pixel at (x, y) of a picture as it shows, top row first. Its bitmap must be a DIB
// section of the kind drawn without conversion: 32 bits a pixel.
Rgba PixelAt(const Picture& picture, int x, int y) {
  DIBSECTION dib{};
  const HBITMAP bitmap = BitmapOf(picture);
  if (!bitmap || GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib) {
    ADD_FAILURE() << "not a DIB section";
    return {};
  }
  EXPECT_EQ(dib.dsBmih.biBitCount, 32);
  BITMAPINFO shown{};
  shown.bmiHeader.biSize = sizeof shown.bmiHeader;
  shown.bmiHeader.biWidth = picture->WidthPx();
  shown.bmiHeader.biHeight = -picture->HeightPx();
  shown.bmiHeader.biPlanes = 1;
  shown.bmiHeader.biBitCount = 32;
  shown.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint8_t> pixels(4 * static_cast<std::size_t>(picture->WidthPx()) *
                                   static_cast<std::size_t>(picture->HeightPx()));
  const HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(picture->HeightPx()),
                             pixels.data(), &shown, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(rows, picture->HeightPx());
  const std::uint8_t* p = pixels.data() + 4 * (static_cast<std::size_t>(y) *
                                                   static_cast<std::size_t>(picture->WidthPx()) +
                                               static_cast<std::size_t>(x));
  return {p[2], p[1], p[0], p[3]};
}

TEST_F(Pictures, ToldByContentWhateverTheName) {
  struct Case {
    const char* name;  // a name that says another format, or none
    Bytes bytes;
    int width, height;
    Rgba top_left, bottom_right;
    bool has_alpha;
  };
  const Case cases[] = {
      {"gif.bmp", Gif(3, 2, {{R, R, R, B, B, B}}), 3, 2, kRed, kBlue, false},
      // The first frame is what shows.
      {"animated.jpg", Gif(2, 2, {{R, R, R, R}, {G, G, G, G}}), 2, 2, kRed, kRed, false},
      {"transparent.gif", Gif(2, 2, {{W, R, R, R}}, W), 2, 2, kNothing, kRed, true},
      {"jpeg.gif", kJpeg, 16, 8, {220, 30, 30, 255}, {30, 30, 220, 255}, false},
      {"bmp.jpg", Bmp(3, 4, 0xFF0000, 0x0000FF), 3, 4, kRed, kBlue, false},
      {"Часы на стене", Bmp(5, 2, 0xFF0000, 0x0000FF), 5, 2, kRed, kBlue, false},
  };
  for (const Case& c : cases) {
    std::string error;
    const Picture loaded = LoadPictureFile(Write(c.name, c.bytes), &error);
    ASSERT_TRUE(loaded) << c.name << ": " << error;
    EXPECT_EQ(loaded->Source(), PathOf(c.name));
    const Picture decoded = DecodePictureBytes(c.bytes, c.name, &error);
    ASSERT_TRUE(decoded) << c.name << ": " << error;
    EXPECT_EQ(decoded->Source(), c.name);
    for (const Picture& p : {loaded, decoded}) {
      EXPECT_EQ(p->WidthPx(), c.width) << c.name;
      EXPECT_EQ(p->HeightPx(), c.height) << c.name;
      const Rgba top_left = PixelAt(p, 0, 0);
      const Rgba bottom_right = PixelAt(p, c.width - 1, c.height - 1);
      EXPECT_TRUE(Near(top_left, c.top_left)) << c.name << ": " << top_left;
      EXPECT_TRUE(Near(bottom_right, c.bottom_right)) << c.name << ": " << bottom_right;
      const auto* own = dynamic_cast<const GdiPicture*>(p.get());
      ASSERT_NE(own, nullptr);
      EXPECT_EQ(own->HasAlpha(), c.has_alpha) << c.name;
    }
  }
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
      {"png.gif", kPng, "not a GIF, JPEG or BMP"},
      {"empty.bmp", {}, "not a GIF, JPEG or BMP"},
      {"wide.bmp", BmpHeader(30000, 10), "too large (30000 x 10)"},
      // Found by fuzzing another decoder: a height of -2^31 + 8.
      {"negative.bmp", BmpHeader(8, INT32_MIN + 8), "too large"},
      {"tall.gif", Gif(10, 20000, {}), "too large (10 x 20000)"},
      {"largest.gif", Gif(65535, 65535, {}), "too large"},
      {"frame.gif", FrameClaiming(Gif(2, 2, {{R, R, R, R}}), 65535, 65535), "too large"},
      {"huge.jpg", damage::JpegClaiming(kJpeg, 30000, 30000), "too large"},
      // Within the side limit but beyond what one picture may take.
      {"square.gif", Gif(16000, 16000, {}), "too large"},
      {"big.jpg", damage::JpegClaiming(kJpeg, 12000, 12000), "too large"},
  };
  for (const Case& c : cases) {
    const std::string path = Write(c.name, c.bytes);
    std::string error;
    EXPECT_FALSE(LoadPictureFile(path, &error)) << c.name;
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(DecodePictureBytes(c.bytes, c.name, &error)) << c.name;
    EXPECT_EQ(error.rfind(std::string(c.name) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

TEST_F(Pictures, WhatIsNoFileIsRefused) {
  std::string error;
  const std::string missing = PathOf("missing.gif");
  EXPECT_FALSE(LoadPictureFile(missing, &error));
  EXPECT_EQ(error, missing + ": no such file");

  const std::string folder = PathOf("slide.gif");
  std::filesystem::create_directory(files::PathFromUtf8(folder));
  error.clear();
  EXPECT_FALSE(LoadPictureFile(folder, &error));
  EXPECT_EQ(error.rfind(folder + ": ", 0), 0u) << error;
  EXPECT_GT(error.size(), folder.size() + 2) << error;
}

TEST_F(Pictures, DamagedPicturesDecodeWithinTheLimitsOrAreRefused) {
  const std::pair<const char*, Bytes> pictures[] = {
      {"gif", Gif(6, 4, {Bytes(24, B), Bytes(24, G)})},
      {"jpeg", kJpeg},
      {"bmp", Bmp(6, 4, 0x00FF00, 0xFFFF00)},
  };
  for (const auto& [format, bytes] : pictures) {
    for (const damage::Damage& d : damage::kDamages) {
      std::string error;
      const Picture p = DecodePictureBytes(d.apply(bytes), format, &error);
      if (p) {
        EXPECT_LE(p->WidthPx(), kMaxPictureSide) << format << ", " << d.name;
        EXPECT_LE(p->HeightPx(), kMaxPictureSide) << format << ", " << d.name;
        EXPECT_NE(BitmapOf(p), nullptr) << format << ", " << d.name;
      } else {
        EXPECT_EQ(error.rfind(std::string(format) + ": ", 0), 0u) << error;
      }
    }
  }
}

}  // namespace
}  // namespace hc::win32
