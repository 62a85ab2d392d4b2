#pragma once
// The file formats the clock reads its built-in pictures from.

#include <QImage>
#include <filesystem>

#include "palette.h"

namespace hc::pictures {

// Uncompressed 24 bits per pixel, bottom-up rows: the simplest form every reader accepts.
void WriteBmp24(const QImage& image, const std::filesystem::path& path);

void WriteGif(const IndexedImage& image, const std::filesystem::path& path);

void WriteJpeg(const QImage& image, const std::filesystem::path& path, int quality);

}  // namespace hc::pictures
