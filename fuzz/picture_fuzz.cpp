// Any bytes as a picture for the Qt loader: decoded within the size limits or refused with
// a reason, never a crash.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt/pictures.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Qt finds its picture plugins through the application. It is never destroyed: at exit
  // it would outlive Qt's own statics.
  static auto* application = new QCoreApplication(*argc, *argv);
  (void)application;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  std::string error;
  const hc::Picture picture = hc::qt::DecodePictureBytes(bytes, "fuzz", &error);
  if (picture) {
    const QImage* image = hc::qt::ImageOf(picture);
    if (!image || image->width() > hc::qt::kMaxPictureSide ||
        image->height() > hc::qt::kMaxPictureSide)
      std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
