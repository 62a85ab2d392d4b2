#pragma once
// Events on their way from a backend to the model. Every backend and the test pump hand
// the user's input and the timers' ticks through here, so one place decides that nothing
// reaches the program once it has ended, and how keys are routed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window.h"

namespace hc {

enum class KeyKind { kEnter, kEscape, kOther };

// The key a character code stands for, as far as the routing cares.
KeyKind KeyKindOf(std::uint16_t character);

// The button Enter or Escape presses on `window`: Enter presses a focused button, else the
// default button; Escape presses the cancel button. Only shown, enabled buttons count.
Element* ButtonForKey(const Window& window, KeyKind key, const Element* focused);

class Delivery {
 public:
  // `ended` tells whether the program has ended.
  explicit Delivery(std::function<bool()> ended) : ended_(std::move(ended)) {}

  bool Open() const { return !ended_(); }

  void Tick(const Timer& timer) const;
  void MouseMove(Window& window) const;
  void CloseRequest(Window& window) const;
  // The system asks the program to end (a signal, the user's session ending): each shown
  // window, the last attached first, is closed as by its own close control, so a dialog
  // puts back what it changed as Cancel does. The caller then ends the program. Taken
  // even while input is off: it is no input of the user's.
  void EndRequest(const std::vector<Window*>& windows) const;
  // A user's click on an element.
  void Click(Element& element) const;
  void Edit(TextBox& box, std::string text) const;
  // The window's host gave it another size, in twips; delivered even while input is off.
  void Resize(Window& window, double width, double height) const;

  // A window embedded in a screensaver host takes no input: the host owns keys and mouse.
  void SetInputAccepted(bool accepted) { input_accepted_ = accepted; }

  // A key pressed while `window` is active; `character` is empty for keys that make none
  // (Shift, arrows, function keys). A window with a key handler takes every key that makes
  // a character; any other window takes Enter and Escape for its default and cancel
  // buttons. Returns whether the key was taken; after the end every key is taken unread.
  bool KeyPress(Window& window, KeyKind key, std::optional<std::uint16_t> character,
                const Element* focused) const;

  // Anything else a backend hands to the model (a chosen drive, an opened folder).
  template <class Handler>
  void Run(Handler&& handler) const {
    if (Open()) std::forward<Handler>(handler)();
  }

 private:
  bool Accepting() const { return Open() && input_accepted_; }

  std::function<bool()> ended_;
  bool input_accepted_ = true;
};

}  // namespace hc
