#pragma once
// Delivers events to the element model the way a backend does, through the same delivery
// rules, on a virtual clock: timers fire in time order, and the areas each change touched
// are recorded.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fake_system.h"
#include "model/delivery.h"

namespace hc::fake {

class EventPump {
 public:
  explicit EventPump(FakeSystem& system);
  ~EventPump();

  void Attach(Window& window);
  // Forgets every window and timer, as when the program they belong to is gone.
  void Reset();

  // Moves the virtual clock on, firing every timer that falls due on the way.
  void Advance(std::int64_t ms);

  // The elements the focus reaches when Tab is pressed `count` times with nothing focused,
  // named as "name" or "name(index)".
  static std::vector<std::string> TabWalk(const Window& window, int count);
  // A key that makes `code`; Enter (13) and Escape (27) press a dialog's buttons.
  void KeyPress(Window& window, std::uint16_t code);
  void MouseMove(Window& window);
  void Click(Element& element);
  // The window's host resizes it to `width` x `height` twips.
  void Resize(Window& window, double width, double height);
  // The system asks the program to end (a signal): the windows close as a backend closes
  // them, then the program ends.
  void EndRequest();
  // Input stops, as in a window a screensaver host owns.
  void RefuseInput() { delivery_.SetInputAccepted(false); }

  // Areas reported changed on the window since the last call.
  std::vector<RectTwips> TakeChanged(const Window& window);
  // Whether a window property (caption, picture...) changed since the last call.
  bool TakeWindowChanged(const Window& window);

 private:
  struct Watch;
  void Restart(const Timer& timer);

  FakeSystem& system_;
  Delivery delivery_{[this] { return system_.Ended(); }};
  std::vector<std::unique_ptr<Watch>> watches_;
  std::map<const Timer*, std::int64_t> next_due_;
};

}  // namespace hc::fake
