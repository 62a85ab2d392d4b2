#pragma once
// The system's own boxes and choosers.

#include <windows.h>
// <commdlg.h> needs the types of <windows.h>.
#include <commdlg.h>

#include <optional>
#include <string>

#include "system.h"

namespace hc::win32 {

// Modal over `owner` (may be null); closing the box is its Cancel button when it has one.
MsgResult ShowMessage(HWND owner, const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title);
// The colour chooser; nothing when cancelled.
std::optional<Color> PickColor(HWND owner, Color initial);
// The font chooser with the flags the options dialog asks for; nothing when cancelled.
std::optional<FontChoice> PickFont(HWND owner, const FontChoice& initial);

// What the font chooser is asked with: it opens on the initial face, size and colour.
struct FontRequest {
  LOGFONTW font{};
  CHOOSEFONTW chooser{};
};
// Fills `request` (whose chooser then points at its font) for a screen of `dpi` dots per inch.
void FillFontRequest(HWND owner, const FontChoice& initial, int dpi, FontRequest& request);

}  // namespace hc::win32
