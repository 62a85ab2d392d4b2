#pragma once
// Which drawn element a pointer is over, and what makes a click.

#include "pixels.h"
#include "window.h"

namespace hc {

// Whether `e` is drawn on the surface of `owner` (a frame or picture box; null for the
// window's own client area) rather than being a child window or a timer.
bool DrawnOn(const Element& e, const Element* owner);

// The topmost visible, enabled drawn element of `owner`'s surface at pixel (x, y) of that
// surface that handles clicks; lines take none.
Element* ClickTarget(const Window& window, const Element* owner, int x, int y,
                     double twips_per_pixel = kTwipsPerPixel);

// A click is a press and a release of the button on the same element.
class ClickTracker {
 public:
  void Press(Element* target) { pressed_ = target; }
  // The element clicked, or null.
  Element* Release(Element* target);

 private:
  Element* pressed_ = nullptr;
};

}  // namespace hc
