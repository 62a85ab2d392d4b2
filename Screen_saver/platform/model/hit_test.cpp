#include "hit_test.h"

#include <utility>

namespace hc {

bool DrawnOn(const Element& e, const Element* owner) {
  return e.Container() == owner && !e.Windowed() && e.Kind() != ElementKind::kTimer;
}

Element* ClickTarget(const Window& window, const Element* owner, int x, int y,
                     double twips_per_pixel) {
  const auto& stacking = window.Stacking();
  for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
    Element* e = *it;
    if (!DrawnOn(*e, owner) || e->Kind() == ElementKind::kLine) continue;
    if (!e->Visible() || !e->Enabled() || !e->on_click) continue;
    if (PixelBoundsOf(*e, twips_per_pixel).Contains(x, y)) return e;
  }
  return nullptr;
}

Element* ClickTracker::Release(Element* target) {
  Element* pressed = std::exchange(pressed_, nullptr);
  return pressed && pressed == target ? pressed : nullptr;
}

}  // namespace hc
