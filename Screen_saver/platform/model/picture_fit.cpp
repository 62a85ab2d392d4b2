#include "picture_fit.h"

#include <cstdint>

namespace hc {

PixelBox PictureTarget(int box_width, int box_height, int picture_width, int picture_height,
                       bool stretch, bool centre_fit) {
  if (stretch) return {0, 0, box_width, box_height};
  if (!centre_fit) return {0, 0, picture_width, picture_height};
  int width = picture_width, height = picture_height;
  if ((width > box_width || height > box_height) && width > 0 && height > 0) {
    // The larger of the two ratios decides; 64 bits keep large pictures from overflowing.
    const std::int64_t width_at_box_height =
        static_cast<std::int64_t>(box_height) * picture_width / picture_height;
    if (width_at_box_height <= box_width) {
      width = static_cast<int>(width_at_box_height);
      height = box_height;
    } else {
      width = box_width;
      height =
          static_cast<int>(static_cast<std::int64_t>(box_width) * picture_height / picture_width);
    }
  }
  return {(box_width - width) / 2, (box_height - height) / 2, width, height};
}

}  // namespace hc
