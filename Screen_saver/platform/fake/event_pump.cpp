#include "event_pump.h"

#include <algorithm>
#include <utility>

#include "model/tab_order.h"

namespace hc::fake {

struct EventPump::Watch : WindowObserver {
  Watch(EventPump& p, Window& w) : pump(p), window(w) {}
  void ElementChanged(Element& e, const RectTwips& before) override {
    if (e.Kind() == ElementKind::kTimer) {
      pump.Restart(static_cast<const Timer&>(e));
      return;
    }
    const RectTwips area = before.United(e.ShownExtent());
    if (!area.Empty()) changed.push_back(area);
  }
  void WindowChanged() override { window_changed = true; }
  void VisibilityChanged() override { window_changed = true; }
  void StackingChanged() override { window_changed = true; }

  EventPump& pump;
  Window& window;
  std::vector<RectTwips> changed;
  bool window_changed = false;
};

EventPump::EventPump(FakeSystem& system) : system_(system) {}

// The windows attached must be gone before the pump, or detached by their owner.
EventPump::~EventPump() = default;

void EventPump::Attach(Window& window) {
  watches_.push_back(std::make_unique<Watch>(*this, window));
  window.SetObserver(watches_.back().get());
  for (const auto& e : window.Elements())
    if (e->Kind() == ElementKind::kTimer) Restart(static_cast<const Timer&>(*e));
}

void EventPump::Reset() {
  watches_.clear();
  next_due_.clear();
}

void EventPump::Restart(const Timer& timer) {
  if (timer.Running())
    next_due_[&timer] = system_.elapsed_ms + timer.Interval();
  else
    next_due_.erase(&timer);
}

void EventPump::Advance(std::int64_t ms) {
  const std::int64_t target = system_.elapsed_ms + ms;
  while (delivery_.Open()) {
    auto due = std::min_element(next_due_.begin(), next_due_.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; });
    if (due == next_due_.end() || due->second > target) break;
    const Timer* timer = due->first;
    system_.elapsed_ms = due->second;
    due->second += timer->Interval();
    delivery_.Tick(*timer);
  }
  system_.elapsed_ms = target;
}

void EventPump::KeyPress(Window& window, std::uint16_t code) {
  delivery_.KeyPress(window, KeyKindOf(code), code, nullptr);
}

void EventPump::MouseMove(Window& window) {
  delivery_.MouseMove(window);
}

void EventPump::Click(Element& element) {
  delivery_.Click(element);
}

void EventPump::EndRequest() {
  std::vector<Window*> windows;
  for (const auto& w : watches_) windows.push_back(&w->window);
  delivery_.EndRequest(windows);
  system_.EndProgram();
}

void EventPump::Resize(Window& window, double width, double height) {
  delivery_.Resize(window, width, height);
}

std::vector<RectTwips> EventPump::TakeChanged(const Window& window) {
  for (auto& w : watches_)
    if (&w->window == &window) return std::exchange(w->changed, {});
  return {};
}

bool EventPump::TakeWindowChanged(const Window& window) {
  for (auto& w : watches_)
    if (&w->window == &window) return std::exchange(w->window_changed, false);
  return false;
}

std::vector<std::string> EventPump::TabWalk(const Window& window, int count) {
  std::vector<std::string> names;
  const Element* focused = nullptr;
  for (int i = 0; i < count; ++i) {
    focused = NextTabStop(window, focused, false);
    if (!focused) break;
    const int index = focused->Index();
    names.push_back(index < 0 ? focused->Name()
                              : focused->Name() + "(" + std::to_string(index) + ")");
  }
  return names;
}

}  // namespace hc::fake
