#include "tab_order.h"

#include <algorithm>

namespace hc {

namespace {

bool IsOption(const Element& e) {
  return e.Kind() == ElementKind::kOptionButton;
}

bool Selected(const Element& e) {
  return static_cast<const OptionButton&>(e).Value();
}

bool SameGroup(const Element& a, const Element& b) {
  return IsOption(a) && IsOption(b) && a.Container() == b.Container();
}

// The elements that take the focus, in tab order, an option group by the member that
// stands for it; `from` keeps its own place so the move starts where the focus is.
std::vector<Element*> Stops(const Window& window, const Element* from) {
  std::vector<Element*> reachable;
  for (Element* e : window.TabOrder())
    if (TakesFocus(*e)) reachable.push_back(e);
  std::vector<Element*> stops;
  for (Element* e : reachable) {
    if (!IsOption(*e) || e == from) {
      stops.push_back(e);
      continue;
    }
    if (from && SameGroup(*e, *from)) continue;
    const auto group_first = std::find_if(reachable.begin(), reachable.end(),
                                          [e](const Element* o) { return SameGroup(*o, *e); });
    const auto group_selected =
        std::find_if(reachable.begin(), reachable.end(),
                     [e](const Element* o) { return SameGroup(*o, *e) && Selected(*o); });
    const Element* stands_for = group_selected != reachable.end() ? *group_selected : *group_first;
    if (stands_for == e) stops.push_back(e);
  }
  return stops;
}

}  // namespace

bool TakesFocus(const Element& e) {
  switch (e.Kind()) {
    case ElementKind::kTextBox:
    case ElementKind::kOptionButton:
    case ElementKind::kCheckBox:
    case ElementKind::kButton:
    case ElementKind::kDriveList:
    case ElementKind::kDirList:
    case ElementKind::kFileList:
      return e.ShownOnWindow() && e.Enabled();
    default:
      return false;
  }
}

Element* NextTabStop(const Window& window, const Element* from, bool backwards) {
  const std::vector<Element*> stops = Stops(window, from);
  if (stops.empty()) return nullptr;
  const auto at = std::find(stops.begin(), stops.end(), from);
  if (at == stops.end()) return backwards ? stops.back() : stops.front();
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const std::ptrdiff_t here = at - stops.begin();
  return stops[static_cast<std::size_t>((here + (backwards ? n - 1 : 1)) % n)];
}

}  // namespace hc
