#include "view_sync.h"

#include <optional>

#include "stacking_change.h"

namespace hc {

void ViewSync::Follow() {
  window_.SetObserver(this);
  Discover();
  last_stacking_ = window_.Stacking();
}

void ViewSync::Discover() {
  const auto& elements = window_.Elements();
  while (known_ < elements.size()) {
    Element& e = *elements[known_++];
    // A new element starts in front, as the model put it.
    last_stacking_.push_back(&e);
    if (e.Kind() == ElementKind::kTimer)
      AddTimer(static_cast<const Timer&>(e));
    else if (e.Windowed() && !PaintsWindowed())
      AddWindowed(e);
    else
      InvalidateDrawn(e, e.ShownExtent());
  }
}

void ViewSync::ElementChanged(Element& e, const RectTwips& before) {
  Discover();
  if (e.Kind() == ElementKind::kTimer) {
    RestartTimer(static_cast<const Timer&>(e));
  } else if (e.Windowed() && !PaintsWindowed()) {
    SyncNative(e);
  } else {
    // Only what the element covered and covers now is painted again.
    InvalidateDrawn(e, before.United(e.ShownExtent()));
  }
}

void ViewSync::StackingChanged() {
  Discover();
  Restack();
  const std::optional<Element*> moved = OneMoved(last_stacking_, window_.Stacking());
  if (!moved)
    InvalidateAllDrawn();
  else if (*moved && (!(*moved)->Windowed() || PaintsWindowed()))
    InvalidateDrawn(**moved, (*moved)->ShownExtent());
  last_stacking_ = window_.Stacking();
}

}  // namespace hc
