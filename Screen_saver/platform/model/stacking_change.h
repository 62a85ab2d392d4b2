#pragma once
// What a change of the stacking order asks a backend to paint again.

#include <optional>
#include <vector>

#include "element.h"

namespace hc {

// The one element whose place changed between two stacking orders: null when nothing
// moved, nothing when more than one did (then everything drawn is painted again).
std::optional<Element*> OneMoved(const std::vector<Element*>& before,
                                 const std::vector<Element*>& after);

}  // namespace hc
