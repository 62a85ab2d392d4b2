#include "pictures.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "files.h"
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

// Pictures of this many pixels and more wait to be decoded until they are drawn.
constexpr qint64 kDecodedWhenDrawn = 512 * 1024;

// A picture from its header: a large one keeps what `encoded` gives to be decoded when it is
// drawn, a small one is decoded at once.
Picture FromReader(QImageReader& reader, const std::string& source, std::string* error,
                   const std::function<QByteArray()>& encoded) {
  if (!Examine(reader, source, error)) return nullptr;
  const QSize size = reader.size();
  if (qint64{size.width()} * size.height() >= kDecodedWhenDrawn)
    return std::make_shared<QtPicture>(size, encoded(), source);
  QImage image = ReadPixels(reader, source, error);
  if (image.isNull()) return nullptr;
  return std::make_shared<QtPicture>(std::move(image), source);
}

}  // namespace

QtPicture::QtPicture(QImage image, std::string source)
    : PictureData(image.width(), image.height(), std::move(source)), image_(std::move(image)) {}

QtPicture::QtPicture(const QSize& size, QByteArray encoded, std::string source)
    : PictureData(size.width(), size.height(), std::move(source)), encoded_(std::move(encoded)) {}

const QImage& QtPicture::Image() const {
  if (Decoded()) return image_;
  QByteArray encoded = encoded_;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  std::string error;
  if (Examine(reader, Source(), &error)) image_ = ReadPixels(reader, Source(), &error);
  // The header was read once already: only damaged pixels get here, and they show nothing.
  if (image_.isNull()) {
    failed_ = true;
    qWarning("%s", error.c_str());
  }
  return image_;
}

void QtPicture::ReleasePixels() const {
  if (!encoded_.isEmpty()) image_ = QImage();
}

const QImage* ImageOf(const Picture& picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture.get());
  return own ? &own->Image() : nullptr;
}

bool AwaitsDecoding(const Picture& picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture.get());
  return own && !own->Decoded();
}

void ReleasePixels(const Picture& picture) {
  if (const auto* own = dynamic_cast<const QtPicture*>(picture.get())) own->ReleasePixels();
}

Picture LoadPictureFile(const std::string& path, std::string* error) {
  // The name goes to the system byte for byte: a name that is no valid UTF-8 opens like
  // any other. Not waiting keeps a planted pipe from holding the clock up.
  const int fd = ::open(files::PathFromUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Fail(path, errno == ENOENT ? "no such file" : std::strerror(errno), error);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Fail(path, "not a file", error);
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return Fail(path, file.errorString().toStdString(), error);
  }
  QImageReader reader(&file);
  // The file's bytes are a fraction of the pixels they make, and holding them leaves no
  // chance of the file changing before it is decoded.
  return FromReader(reader, path, error, [&file] {
    file.seek(0);
    return file.readAll();
  });
}

Picture DecodePictureBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                           std::string* error) {
  // The header is read in place; only a picture decoded later takes a copy of the bytes.
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  return FromReader(reader, name, error, [&data] { return QByteArray(data.data(), data.size()); });
}

}  // namespace hc::qt
