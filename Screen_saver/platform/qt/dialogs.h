#pragma once
// The toolkit's own modal boxes: messages, colours and fonts.

#include <optional>
#include <string>

#include "system.h"

namespace hc::qt {

MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title);
std::optional<Color> PickColor(Color initial);
std::optional<FontChoice> PickFont(const FontChoice& initial, DialogLanguage language);

}  // namespace hc::qt
