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

// Reads the header: the format and size the pixels claim, before any is decoded.
bool Examine(QImageReader& reader, const std::string& source, std::string* error) {
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kPictureAllocationLimitMb);
  const QByteArray format = reader.format();
  if (format != "gif" && format != "jpeg" && format != "bmp") {
    Fail(source, "not a GIF, JPEG or BMP picture", error);
    return false;
  }
  if (TooLarge(reader.size())) {
    Fail(source, TooLargeReason(reader.size()), error);
    return false;
  }
  return true;
}

QImage ReadPixels(QImageReader& reader, const std::string& source, std::string* error) {
  // An animated GIF gives its first frame. A reader that keeps to the format it announced
  // decodes into the image given.
  QImage image = FreshImage(reader.size(), reader.imageFormat(), kPictureAllocationLimitMb);
  if (!reader.read(&image)) {
    Fail(source, reader.errorString().toStdString(), error);
    return QImage();
  }
  // A damaged header may claim one size and the pixels make another.
  if (TooLarge(image.size())) {
    Fail(source, TooLargeReason(image.size()), error);
    return QImage();
  }
  // 32-bit pixels draw without conversion on every paint; palette pictures would not.
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
  return image;
}

Picture Decode(QIODevice& device, const std::string& source, std::string* error) {
  QImageReader reader(&device);
  if (!Examine(reader, source, error)) return nullptr;
  QImage image = ReadPixels(reader, source, error);
  if (image.isNull()) return nullptr;
  return std::make_shared<QtPicture>(std::move(image), source);
}

// Pictures of this many pixels and more wait to be decoded until they are drawn.
constexpr qint64 kDecodedWhenDrawn = 512 * 1024;

}  // namespace

QtPicture::QtPicture(QImage image, std::string source)
    : PictureData(image.width(), image.height(), std::move(source)), image_(std::move(image)) {}

QtPicture::QtPicture(const QSize& size, QByteArray encoded, std::string source)
    : PictureData(size.width(), size.height(), std::move(source)), encoded_(std::move(encoded)) {}

const QImage& QtPicture::Image() const {
  if (encoded_.isEmpty()) return image_;
  QBuffer buffer(&encoded_);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  std::string error;
  if (Examine(reader, Source(), &error)) image_ = ReadPixels(reader, Source(), &error);
  // The header was read once already: only damaged pixels get here, and they show nothing.
  if (image_.isNull()) qWarning("%s", error.c_str());
  encoded_ = QByteArray();
  return image_;
}

const QImage* ImageOf(const Picture& picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture.get());
  return own ? &own->Image() : nullptr;
}

bool AwaitsDecoding(const Picture& picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture.get());
  return own && !own->Decoded();
}

Picture LoadPictureFile(const std::string& path, std::string* error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    const bool missing = !file.exists();
    return Fail(path, missing ? "no such file" : file.errorString().toStdString(), error);
  }
  QImageReader reader(&file);
  if (!Examine(reader, path, error)) return nullptr;
  const QSize size = reader.size();
  if (qint64{size.width()} * size.height() < kDecodedWhenDrawn) {
    QImage image = ReadPixels(reader, path, error);
    if (image.isNull()) return nullptr;
    return std::make_shared<QtPicture>(std::move(image), path);
  }
  // The file's bytes are a fraction of the pixels they make, and holding them leaves no
  // chance of the file changing before it is decoded.
  file.seek(0);
  return std::make_shared<QtPicture>(size, file.readAll(), path);
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
