#include "writers.h"

#include <gif_lib.h>

#include <QImageWriter>
#include <QString>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace hc::pictures {

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

[[noreturn]] void GifFailed(const std::filesystem::path& path, int error) {
  throw std::runtime_error("cannot write " + path.string() + ": " + GifErrorString(error));
}

// Collected in memory and saved like the other files: giflib's own file opening would
// leave the file readable by its owner only.
int AppendToVector(GifFileType* gif, const GifByteType* bytes, int count) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + count);
  return count;
}

void Save(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& path) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void WriteBmp24(const QImage& image, const std::filesystem::path& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const auto width = static_cast<std::uint32_t>(rgb.width());
  const auto height = static_cast<std::uint32_t>(rgb.height());
  const std::uint32_t row_bytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t header_bytes = 14 + 40;
  const std::uint32_t data_bytes = row_bytes * height;

  std::vector<std::uint8_t> out;
  out.reserve(header_bytes + data_bytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, header_bytes + data_bytes, 4);
  PutLe(out, 0, 4);  // reserved
  PutLe(out, header_bytes, 4);
  PutLe(out, 40, 4);  // info header size
  PutLe(out, width, 4);
  PutLe(out, height, 4);  // positive: bottom-up
  PutLe(out, 1, 2);       // planes
  PutLe(out, 24, 2);      // bits per pixel
  PutLe(out, 0, 4);       // no compression
  PutLe(out, data_bytes, 4);
  PutLe(out, 2835, 4);  // 72 dpi, both ways
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);  // colours used
  PutLe(out, 0, 4);  // important colours
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (std::uint32_t x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(qBlue(line[x])));
      out.push_back(static_cast<std::uint8_t>(qGreen(line[x])));
      out.push_back(static_cast<std::uint8_t>(qRed(line[x])));
    }
    for (std::uint32_t pad = width * 3; pad < row_bytes; ++pad) out.push_back(0);
  }
  Save(out, path);
}

void WriteGif(const IndexedImage& image, const std::filesystem::path& path) {
  // A GIF colour table holds a power of two entries.
  int table_size = 2;
  while (table_size < static_cast<int>(image.palette.size())) table_size *= 2;
  std::vector<GifColorType> colours(table_size, GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < image.palette.size(); ++i) {
    colours[i] = GifColorType{static_cast<GifByteType>(qRed(image.palette[i])),
                              static_cast<GifByteType>(qGreen(image.palette[i])),
                              static_cast<GifByteType>(qBlue(image.palette[i]))};
  }
  ColorMapObject* map = GifMakeMapObject(table_size, colours.data());
  if (map == nullptr) throw std::runtime_error("cannot make a GIF colour table");

  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendToVector, &error);
  if (gif == nullptr) {
    GifFreeMapObject(map);
    GifFailed(path, error);
  }
  // The screen description copies the colour table.
  const bool described =
      EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map) == GIF_OK &&
      EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  GifFreeMapObject(map);
  bool written = described;
  std::vector<GifPixelType> line(image.width);
  for (int y = 0; written && y < image.height; ++y) {
    const auto* row = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    line.assign(row, row + image.width);
    written = EGifPutLine(gif, line.data(), image.width) == GIF_OK;
  }
  if (!written) {
    const int gif_error = gif->Error;
    EGifCloseFile(gif, &error);
    GifFailed(path, gif_error);
  }
  if (EGifCloseFile(gif, &error) != GIF_OK) GifFailed(path, error);
  Save(out, path);
}

void WriteJpeg(const QImage& image, const std::filesystem::path& path, int quality) {
  QImageWriter writer(QString::fromStdString(path.string()), "jpeg");
  writer.setQuality(quality);
  writer.setOptimizedWrite(true);
  if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
    throw std::runtime_error("cannot write " + path.string() + ": " +
                             writer.errorString().toStdString());
  }
}

}  // namespace hc::pictures
