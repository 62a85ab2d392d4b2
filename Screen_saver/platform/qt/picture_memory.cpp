#include "picture_memory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace hc::qt {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void Release(void* pixels) {
  std::free(pixels);
}

}  // namespace

QImage FreshImage(const QSize& size, QImage::Format format, int limit_mb) {
  if (size.isEmpty() || format == QImage::Format_Invalid) return QImage();
  const qsizetype row =
      (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
  const std::size_t bytes = static_cast<std::size_t>(row) * static_cast<std::size_t>(size.height());
  // Smaller pictures gain nothing from huge pages: the decoder allocates them itself.
  if (bytes < kHugePage || bytes > static_cast<std::size_t>(limit_mb) << 20) return QImage();
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* pixels = std::aligned_alloc(kHugePage, rounded);
  if (!pixels) return QImage();
  // Only advice: where huge pages are off the memory is ordinary.
  madvise(pixels, rounded, MADV_HUGEPAGE);
  return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), row, format, Release,
                pixels);
}

}  // namespace hc::qt
