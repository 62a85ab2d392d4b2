#pragma once
// Tells the pointer's real moves from the reports the system also sends when a window
// appears under a still pointer or is drawn again. A view keeps one for all its windows (its
// own and the covers of the other monitors), so a pointer going from one to another goes on
// counting.

#include <windows.h>

namespace hc::win32 {

class PointerMoves {
 public:
  // Whether the pointer, reported at `screen` (screen pixels), moved since the last report.
  // The first report only says where it rests when the windows appear.
  bool Moved(POINT screen) {
    const bool moved = known_ && (screen.x != last_.x || screen.y != last_.y);
    last_ = screen;
    known_ = true;
    return moved;
  }

 private:
  POINT last_{0, 0};
  bool known_ = false;
};

}  // namespace hc::win32
