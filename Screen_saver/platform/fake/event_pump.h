#pragma once
// Delivers events to the element model the way a backend would, on a virtual clock:
// timers fire in time order, nothing is delivered once the program has ended, and the
// areas each change touched are recorded.

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "fake_system.h"

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

  void KeyPress(Window& window, std::uint16_t code);
  void MouseMove(Window& window);
  void Click(Element& element);

  // Areas reported changed on the window since the last call.
  std::vector<RectTwips> TakeChanged(const Window& window);
  // Whether a window property (caption, picture...) changed since the last call.
  bool TakeWindowChanged(const Window& window);

 private:
  struct Watch;
  void Restart(const Timer& timer);

  FakeSystem& system_;
  std::vector<std::unique_ptr<Watch>> watches_;
  std::map<const Timer*, std::int64_t> next_due_;
};

}  // namespace hc::fake
