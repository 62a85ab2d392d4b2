#include "stacking_change.h"

namespace hc {

namespace {

bool SameWithout(const std::vector<Element*>& a, const std::vector<Element*>& b,
                 const Element* left_out) {
  auto i = a.begin(), j = b.begin();
  while (true) {
    while (i != a.end() && *i == left_out) ++i;
    while (j != b.end() && *j == left_out) ++j;
    if (i == a.end() || j == b.end()) return i == a.end() && j == b.end();
    if (*i++ != *j++) return false;
  }
}

}  // namespace

std::optional<Element*> OneMoved(const std::vector<Element*>& before,
                                 const std::vector<Element*>& after) {
  if (before.size() != after.size()) return std::nullopt;
  std::size_t i = 0;
  while (i < before.size() && before[i] == after[i]) ++i;
  if (i == before.size()) return nullptr;
  for (Element* candidate : {before[i], after[i]})
    if (SameWithout(before, after, candidate)) return candidate;
  return std::nullopt;
}

}  // namespace hc
