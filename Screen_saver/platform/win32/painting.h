#pragma once
// Drawing what lies on a surface into a device context: the surface's own face (the window's
// colour and picture, a frame, a picture box), then its drawn elements back to front.
//

#include <windows.h>

#include "device_scale.h"
#include "model/window.h"

namespace hc::win32 {

// Paints the part `dirty` (pixels of the surface) of the surface of `owner` (null for the
// window's own client area) whose size is `size`, on a screen of `scale`; `dc` is clipped to
// `dirty`.
void PaintSurface(HDC dc, const RECT& dirty, SIZE size, const Window& window, const Element* owner,
                  const DeviceScale& scale);

}  // namespace hc::win32
