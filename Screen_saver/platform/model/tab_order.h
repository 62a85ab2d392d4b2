#pragma once
// Where Tab and Shift+Tab move the keyboard focus in a window: through the elements that
// take it, in the window's tab order. The option buttons of one container are one stop: the
// selected one, or the first when none is.

#include "window.h"

namespace hc {

// Whether the element is a control the user can reach with the keyboard now.
bool TakesFocus(const Element& e);

// The element Tab (or Shift+Tab when `backwards`) moves the focus to from `from`, which may
// be null or an element that takes no focus; null when nothing in the window takes it.
Element* NextTabStop(const Window& window, const Element* from, bool backwards);

}  // namespace hc
