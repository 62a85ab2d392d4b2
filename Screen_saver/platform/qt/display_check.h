#pragma once
// Whether the windowing system the toolkit is about to use can be reached. The toolkit
// aborts without one; the programs end with a reason instead, or, for a run that shows
// nothing, go on without a screen.

#include <string>

namespace hc::qt {

// Empty when a display can be reached, or when the platform needs none (offscreen);
// otherwise why not, in one line.
std::string NoDisplayReason();

}  // namespace hc::qt
