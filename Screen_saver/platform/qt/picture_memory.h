#pragma once
// Memory for decoded pictures. A screen-sized picture is millions of bytes touched for the
// first time while the program starts; in huge pages that costs a few faults, not thousands.

#include <QImage>

namespace hc::qt {

// An image of `size` and `format` to decode into, its pixels not yet touched. Null, for the
// decoder to allocate (or refuse) itself, when either is invalid, the picture is small or it
// would take more than `limit_mb` megabytes.
QImage FreshImage(const QSize& size, QImage::Format format, int limit_mb);

}  // namespace hc::qt
