#pragma once
// Pictures decoded by GDI+: GIF, JPEG and BMP told by their content, never by the name,
// held as a 32-bit device-independent bitmap ready to be drawn.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/picture.h"

namespace hc::win32 {

// Pictures larger than this on a side are refused before their pixels are decoded.
inline constexpr int kMaxPictureSide = 16384;
// What the pixels of one decoded picture may take, in megabytes.
inline constexpr int kPictureAllocationLimitMb = 256;

class GdiPicture : public PictureData {
 public:
  // Takes ownership of `bitmap`, a top-down 32-bit DIB section of premultiplied BGRA
  // pixels; a picture without transparent parts has an alpha of 255 everywhere.
  GdiPicture(HBITMAP bitmap, int width_px, int height_px, std::string source,
             bool has_alpha = false);
  ~GdiPicture() override;
  HBITMAP Bitmap() const { return bitmap_; }
  // Whether parts of the picture are transparent, and it needs AlphaBlend to be drawn.
  bool HasAlpha() const { return has_alpha_; }

 private:
  HBITMAP bitmap_;
  bool has_alpha_;
};

// The bitmap of a picture; null for one this backend did not decode.
HBITMAP BitmapOf(const Picture& picture);

// An empty picture and `error` ("<source>: <reason>") when it cannot be read.
Picture LoadPictureFile(const std::string& path, std::string* error);
Picture DecodePictureBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                           std::string* error);

}  // namespace hc::win32
