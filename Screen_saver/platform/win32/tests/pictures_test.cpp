// GDI+'s decoders against the rules every backend's share, and what this backend adds: its
// pictures are blended only when they have transparency, and sizes GDI+ would allocate for
// are refused before it sees them.

// clang-format off
#include <windows.h>
// After <windows.h>, which it needs.
#include "win32/pictures.h"
// clang-format on

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/picture_suite.h"

namespace hc::win32 {
namespace {

using damage::Bytes;
// The suite's helpers, which its macros name unqualified.
using namespace picture_suite;

// The pixel at (x, y) of a picture as it shows, top row first. Its bitmap must be a DIB
// section of the kind drawn without conversion: 32 bits a pixel.
Rgba PixelOf(const Picture& picture, int x, int y) {
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

class GdiPictures {
 public:
  static constexpr int kMaxSide = kMaxPictureSide;

  Picture Load(const std::string& path, std::string* error) { return LoadPictureFile(path, error); }
  Picture Decode(const Bytes& bytes, const std::string& name, std::string* error) {
    return DecodePictureBytes(bytes, name, error);
  }
  Rgba PixelAt(const Picture& picture, int x, int y) { return PixelOf(picture, x, y); }
  bool HasPixels(const Picture& picture) { return BitmapOf(picture) != nullptr; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, PictureSuite, GdiPictures);

TEST(Pictures, OnlyPicturesWithTransparencyAreBlended) {
  using namespace picture_bytes;
  struct Case {
    const char* name;
    Bytes bytes;
    bool has_alpha;
  };
  const Case cases[] = {
      {"gif", Gif(3, 2, {{R, R, R, B, B, B}}), false},
      {"animated gif", Gif(2, 2, {{R, R, R, R}, {G, G, G, G}}), false},
      {"transparent gif", Gif(2, 2, {{W, R, R, R}}, W), true},
      {"jpeg", kJpeg, false},
      {"bmp", Bmp(3, 4, 0xFF0000, 0x0000FF), false},
  };
  for (const Case& c : cases) {
    std::string error;
    const Picture p = DecodePictureBytes(c.bytes, c.name, &error);
    ASSERT_TRUE(p) << c.name << ": " << error;
    const auto* own = dynamic_cast<const GdiPicture*>(p.get());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->HasAlpha(), c.has_alpha) << c.name;
  }
}

// GDI+ would allocate for what these headers claim before it found out they lie.
TEST(Pictures, SizesClaimedInsideThePictureAreRefusedBeforeGdiPlusSeesThem) {
  using namespace picture_bytes;
  GdiPictures backend;
  PictureFolder folder;
  ExpectRefused(
      backend, folder,
      {
          // Found by fuzzing another decoder: a height of -2^31 + 8.
          {"negative.bmp", BmpHeader(8, INT32_MIN + 8), "too large"},
          {"frame.gif", FrameClaiming(Gif(2, 2, {{R, R, R, R}}), 65535, 65535), "too large"},
      });
}

}  // namespace
}  // namespace hc::win32
