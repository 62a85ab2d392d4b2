#include "pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cstdlib>

#include "picture_memory.h"

namespace hc::qt {

namespace {

Picture Fail(const std::string& source, const std::string& reason, std::string* error) {
  if (error) *error = source + ": " + reason;
  return nullptr;
}

bool TooLarge(const QSize& size) {
  // Decoded pixels take four bytes each; the reader would refuse more than the limit only
  // with a vague "unable to read".
  const qint64 bytes = qint64{size.width()} * size.height() * 4;
  return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
         std::abs(bytes) > qint64{kPictureAllocationLimitMb} * 1024 * 1024;
}

std::string TooLargeReason(const QSize& size) {
  return "picture too large (" + std::to_string(size.width()) + " x " +
         std::to_string(size.height()) + ")";
}

Picture Decode(QIODevice& device, const std::string& source, std::string* error) {
  QImageReader reader(&device);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kPictureAllocationLimitMb);
  const QByteArray format = reader.format();
  if (format != "gif" && format != "jpeg" && format != "bmp")
    return Fail(source, "not a GIF, JPEG or BMP picture", error);
  if (TooLarge(reader.size())) return Fail(source, TooLargeReason(reader.size()), error);
  // An animated GIF gives its first frame. A reader that keeps to the format it announced
  // decodes into the image given.
  QImage image = FreshImage(reader.size(), reader.imageFormat(), kPictureAllocationLimitMb);
  if (!reader.read(&image)) return Fail(source, reader.errorString().toStdString(), error);
  // A damaged header may claim one size and the pixels make another.
  if (TooLarge(image.size())) return Fail(source, TooLargeReason(image.size()), error);
  // 32-bit pixels draw without conversion on every paint; palette pictures would not.
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
  return std::make_shared<QtPicture>(std::move(image), source);
}

}  // namespace

QtPicture::QtPicture(QImage image, std::string source)
    : PictureData(image.width(), image.height(), std::move(source)), image_(std::move(image)) {}

const QImage* ImageOf(const Picture& picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture.get());
  return own ? &own->Image() : nullptr;
}

Picture LoadPictureFile(const std::string& path, std::string* error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    const bool missing = !file.exists();
    return Fail(path, missing ? "no such file" : file.errorString().toStdString(), error);
  }
  return Decode(file, path, error);
}

Picture DecodePictureBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                           std::string* error) {
  // The bytes are only read while decoding, so they are not copied.
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  return Decode(buffer, name, error);
}

}  // namespace hc::qt
