// clang-format off
#include <windows.h>
#include "gdiplus_include.h"
// clang-format on

#include "pictures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "files.h"
#include "gdi.h"
#include "wide.h"

namespace hc::win32 {

namespace {

namespace fs = std::filesystem;
using namespace Gdiplus;
using namespace Gdiplus::DllExports;

enum class Format { kOther, kGif, kJpeg, kBmp };

// What a picture's first bytes say: its format, and the size it claims when they give one
// (zero when not).
struct Header {
  Format format = Format::kOther;
  std::int64_t width = 0, height = 0;
};

unsigned Byte(const std::uint8_t* b, std::size_t size, std::size_t at) {
  return at < size ? b[at] : 0;
}
std::int64_t Le16(const std::uint8_t* b, std::size_t size, std::size_t at) {
  return Byte(b, size, at) | Byte(b, size, at + 1) << 8;
}
std::int64_t Be16(const std::uint8_t* b, std::size_t size, std::size_t at) {
  return Byte(b, size, at) << 8 | Byte(b, size, at + 1);
}
std::int64_t Le32Signed(const std::uint8_t* b, std::size_t size, std::size_t at) {
  const std::uint32_t v = Byte(b, size, at) | Byte(b, size, at + 1) << 8 |
                          Byte(b, size, at + 2) << 16 | std::uint32_t{Byte(b, size, at + 3)} << 24;
  return static_cast<std::int32_t>(v);
}

// The logical screen, or the first frame where that is larger: the decoder makes room for it.
void ReadGif(const std::uint8_t* b, std::size_t size, Header& h) {
  h.width = Le16(b, size, 6);
  h.height = Le16(b, size, 8);
  const unsigned flags = Byte(b, size, 10);
  std::size_t at = 13 + ((flags & 0x80) ? 3u << ((flags & 7) + 1) : 0);
  while (at < size && b[at] == 0x21) {
    // An extension: its label, then blocks that each start with their length, up to an
    // empty one.
    at += 2;
    while (at < size && b[at] != 0) at += b[at] + 1u;
    ++at;
  }
  if (at + 9 > size || b[at] != 0x2C) return;
  h.width = std::max(h.width, Le16(b, size, at + 5));
  h.height = std::max(h.height, Le16(b, size, at + 7));
}

// The frame header holds the size; it comes before the first scan.
void ReadJpeg(const std::uint8_t* b, std::size_t size, Header& h) {
  std::size_t at = 2;
  while (at + 4 <= size && b[at] == 0xFF) {
    const unsigned marker = b[at + 1];
    if (marker == 0xFF) {  // a fill byte
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {  // no length follows
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return;
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      h.height = Be16(b, size, at + 5);
      h.width = Be16(b, size, at + 7);
      return;
    }
    at += 2 + static_cast<std::size_t>(Be16(b, size, at + 2));
  }
}

void ReadBmp(const std::uint8_t* b, std::size_t size, Header& h) {
  if (Le32Signed(b, size, 14) == 12) {  // the oldest header, with 16-bit sides
    h.width = Le16(b, size, 18);
    h.height = Le16(b, size, 20);
  } else {
    // A negative height is a picture stored top row first.
    h.width = std::abs(Le32Signed(b, size, 18));
    h.height = std::abs(Le32Signed(b, size, 22));
  }
}

Header ReadHeader(const std::uint8_t* b, std::size_t size) {
  Header h;
  const auto starts = [&](std::initializer_list<std::uint8_t> magic) {
    return size >= magic.size() && std::equal(magic.begin(), magic.end(), b);
  };
  if (starts({'G', 'I', 'F', '8', '7', 'a'}) || starts({'G', 'I', 'F', '8', '9', 'a'})) {
    h.format = Format::kGif;
    ReadGif(b, size, h);
  } else if (starts({0xFF, 0xD8, 0xFF})) {
    h.format = Format::kJpeg;
    ReadJpeg(b, size, h);
  } else if (starts({'B', 'M'}) && size >= 26) {
    h.format = Format::kBmp;
    ReadBmp(b, size, h);
  }
  return h;
}

Picture Fail(const std::string& source, const std::string& reason, std::string* error) {
  if (error) *error = source + ": " + reason;
  return nullptr;
}

bool TooLarge(std::int64_t width, std::int64_t height) {
  return width > kMaxPictureSide || height > kMaxPictureSide ||
         width * height * 4 > std::int64_t{kPictureAllocationLimitMb} * 1024 * 1024;
}

std::string TooLargeReason(std::int64_t width, std::int64_t height) {
  return "picture too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
}

const char kNotAPicture[] = "not a GIF, JPEG or BMP picture";

std::string StatusReason(GpStatus status) {
  if (status == OutOfMemory) return "not enough memory to decode it";
  return "damaged or unreadable picture (GDI+ status " + std::to_string(static_cast<int>(status)) +
         ")";
}

struct BitmapDisposer {
  void operator()(GpBitmap* bitmap) const { GdipDisposeImage(bitmap); }
};
using BitmapHandle = std::unique_ptr<GpBitmap, BitmapDisposer>;

struct StreamReleaser {
  void operator()(IStream* stream) const { stream->Release(); }
};

struct ObjectDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using DibHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter>;

bool IsOneOfOurs(const GUID& format) {
  return IsEqualGUID(format, ImageFormatGIF) || IsEqualGUID(format, ImageFormatJPEG) ||
         IsEqualGUID(format, ImageFormatBMP);
}

// A picture whose header passed, decoded by `make`: its pixels go once into a DIB section,
// and GDI+'s bitmap is let go, so only one decoded copy stays.
template <typename Make>
Picture Decode(const Header& header, const std::string& source, std::string* error, Make make) {
  if (header.format == Format::kOther) return Fail(source, kNotAPicture, error);
  if (TooLarge(header.width, header.height))
    return Fail(source, TooLargeReason(header.width, header.height), error);
  EnsureGdiplus();
  GpBitmap* raw = nullptr;
  if (const GpStatus status = make(&raw); status != Ok || !raw)
    return Fail(source, StatusReason(status), error);
  const BitmapHandle bitmap(raw);

  GUID format{};
  if (GdipGetImageRawFormat(bitmap.get(), &format) != Ok || !IsOneOfOurs(format))
    return Fail(source, kNotAPicture, error);
  UINT width = 0, height = 0;
  GdipGetImageWidth(bitmap.get(), &width);
  GdipGetImageHeight(bitmap.get(), &height);
  // A damaged header may claim one size and the pixels make another.
  if (TooLarge(width, height)) return Fail(source, TooLargeReason(width, height), error);
  if (width == 0 || height == 0) return Fail(source, "a picture without pixels", error);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  DibHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) return Fail(source, "not enough memory for its pixels", error);

  // GDI+ converts the pixels straight into the DIB section, through no buffer of its own.
  BitmapData data{};
  data.Width = width;
  data.Height = height;
  data.Stride = static_cast<INT>(width * 4);
  data.PixelFormat = PixelFormat32bppPARGB;
  data.Scan0 = bits;
  const GpRect all{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
  GpStatus status =
      GdipBitmapLockBits(bitmap.get(), &all, ImageLockModeRead | ImageLockModeUserInputBuf,
                         PixelFormat32bppPARGB, &data);
  if (status != Ok) return Fail(source, StatusReason(status), error);
  status = GdipBitmapUnlockBits(bitmap.get(), &data);
  if (status != Ok) return Fail(source, StatusReason(status), error);

  bool has_alpha = false;
  if (header.format != Format::kJpeg) {
    const auto* pixel = static_cast<const std::uint8_t*>(bits);
    const std::size_t count = std::size_t{width} * height;
    for (std::size_t i = 0; i < count && !has_alpha; ++i) has_alpha = pixel[i * 4 + 3] != 0xFF;
  }
  return std::make_shared<GdiPicture>(dib.release(), static_cast<int>(width),
                                      static_cast<int>(height), source, has_alpha);
}

}  // namespace

GdiPicture::GdiPicture(HBITMAP bitmap, int width_px, int height_px, std::string source,
                       bool has_alpha)
    : PictureData(width_px, height_px, std::move(source)), bitmap_(bitmap), has_alpha_(has_alpha) {}

GdiPicture::~GdiPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

HBITMAP BitmapOf(const Picture& picture) {
  const auto* own = dynamic_cast<const GdiPicture*>(picture.get());
  return own ? own->Bitmap() : nullptr;
}

Picture LoadPictureFile(const std::string& path, std::string* error) {
  const fs::path file = files::PathFromUtf8(path);
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (!fs::exists(status)) return Fail(path, "no such file", error);
  if (fs::is_directory(status)) return Fail(path, "a folder, not a picture", error);
  // The header is enough to refuse what is no picture, however large the file; the frame
  // header of a JPEG follows its metadata, which may take a few segments of 64 KB.
  std::vector<std::uint8_t> start(256 * 1024);
  {
    std::ifstream in(file, std::ios::binary);
    if (!in) return Fail(path, "cannot be opened", error);
    in.read(reinterpret_cast<char*>(start.data()), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(in.gcount()));
  }
  const std::wstring wide = Wide(path);
  return Decode(ReadHeader(start.data(), start.size()), path, error, [&wide](GpBitmap** bitmap) {
    return GdipCreateBitmapFromFile(wide.c_str(), bitmap);
  });
}

Picture DecodePictureBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                           std::string* error) {
  // GDI+ may read the stream until the bitmap is disposed of, which Decode does before
  // this returns.
  std::unique_ptr<IStream, StreamReleaser> stream;
  return Decode(ReadHeader(bytes.data(), bytes.size()), name, error, [&](GpBitmap** bitmap) {
    // The stream gets a copy of the bytes of its own, freed with it.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return OutOfMemory;
    void* to = GlobalLock(memory);
    if (!to) {
      GlobalFree(memory);
      return OutOfMemory;
    }
    std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(to));
    GlobalUnlock(memory);
    IStream* raw = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &raw))) {
      GlobalFree(memory);
      return OutOfMemory;
    }
    stream.reset(raw);
    return GdipCreateBitmapFromStream(stream.get(), bitmap);
  });
}

}  // namespace hc::win32
