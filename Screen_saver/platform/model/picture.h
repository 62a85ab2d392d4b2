#pragma once
// A decoded picture. Its pixels belong to the backend that decoded it; the logic only
// sees its size and where it came from.

#include <memory>
#include <string>

namespace hc {

class PictureData {
 public:
  PictureData(int width_px, int height_px, std::string source)
      : width_px_(width_px), height_px_(height_px), source_(std::move(source)) {}
  virtual ~PictureData() = default;
  PictureData(const PictureData&) = delete;
  PictureData& operator=(const PictureData&) = delete;

  int WidthPx() const { return width_px_; }
  int HeightPx() const { return height_px_; }
  // The file it was loaded from, or a name for a built-in picture.
  const std::string& Source() const { return source_; }

 private:
  int width_px_;
  int height_px_;
  std::string source_;
};

// Pictures are shared between elements that show them; an empty pointer is "no picture".
using Picture = std::shared_ptr<const PictureData>;

}  // namespace hc
