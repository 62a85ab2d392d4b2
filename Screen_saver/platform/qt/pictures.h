#pragma once
// Pictures decoded by Qt: GIF, JPEG and BMP told by their content, never by the name.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "model/picture.h"

namespace hc::qt {

// Pictures larger than this on a side are refused before any pixel is decoded.
inline constexpr int kMaxPictureSide = 16384;
// What decoding one picture may allocate, in megabytes.
inline constexpr int kPictureAllocationLimitMb = 256;

class QtPicture : public PictureData {
 public:
  QtPicture(QImage image, std::string source);
  // A large picture whose header was checked: its pixels are decoded from `encoded` when they
  // are first asked for, so the window can show before the picture is ready.
  QtPicture(const QSize& size, QByteArray encoded, std::string source);
  // Decodes first when that is still to be done; a null image when the pixels were damaged.
  const QImage& Image() const;
  bool Decoded() const { return !image_.isNull() || encoded_.isEmpty() || failed_; }
  // Lets go of the pixels of a picture that can decode them again: drawn into the X server,
  // a screen-sized picture need not stay in the program too.
  void ReleasePixels() const;

 private:
  mutable QImage image_;
  QByteArray encoded_;
  mutable bool failed_ = false;
};

// The pixels of a picture, decoded now if they were not yet; null for one this backend did
// not decode.
const QImage* ImageOf(const Picture& picture);
// Whether the picture's pixels are still to be decoded.
bool AwaitsDecoding(const Picture& picture);
// QtPicture::ReleasePixels for a picture this backend decoded.
void ReleasePixels(const Picture& picture);

// An empty picture and `error` ("<source>: <reason>") when it cannot be read.
Picture LoadPictureFile(const std::string& path, std::string* error);
Picture DecodePictureBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                           std::string* error);

}  // namespace hc::qt
