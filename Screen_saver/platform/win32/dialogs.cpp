#include <windows.h>
// Our headers use the types of <windows.h>; it comes first.

#include <commdlg.h>

#include <cmath>

#include "device_scale.h"
#include "dialogs.h"
#include "gdi.h"
#include "model/font.h"
#include "wide.h"

namespace hc::win32 {

namespace {

// The font chooser the options dialog asks for: screen fonts (CF_SCREENFONTS), with the
// colour and effects (CF_EFFECTS), without the style list (CF_NOSTYLESEL): 1048833. Added
// to them, CF_INITTOLOGFONTSTRUCT makes the chooser open on the hours face and size it is
// given rather than on its own first face; without it only the colour would carry over.
constexpr DWORD kOptionsFontFlags = 1048833;
static_assert(kOptionsFontFlags == (CF_SCREENFONTS | CF_EFFECTS | CF_NOSTYLESEL));
constexpr DWORD kFontChooserFlags = kOptionsFontFlags | CF_INITTOLOGFONTSTRUCT;

// The choosers' library brings the printing system with it (for its printer dialogs), several
// megabytes: it is loaded when a chooser first opens, so the running clock never holds it.
template <class Function>
Function* Chooser(const char* name) {
  static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

MsgResult ShowMessage(HWND owner, const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) {
  const bool with_cancel = buttons == MsgButtons::kOkCancel;
  UINT type = with_cancel ? MB_OKCANCEL : MB_OK;
  if (icon == MsgIcon::kInformation) type |= MB_ICONINFORMATION;
  // Without an owner the box still stops input to every window of the program.
  if (!owner) type |= MB_TASKMODAL;
  const int pressed =
      MessageBoxW(owner, DisplayText(text).c_str(), DisplayText(title).c_str(), type);
  // Closing the box is its Cancel button when it has one, otherwise its OK button.
  return with_cancel && pressed != IDOK ? MsgResult::kCancel : MsgResult::kOk;
}

std::optional<Color> PickColor(HWND owner, Color initial) {
  // The user's own colours stay for the next time the chooser opens in this run.
  static COLORREF custom[16] = {
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = ToColorRef(initial);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  auto* choose = Chooser<decltype(ChooseColorW)>("ChooseColorW");
  if (!choose || !choose(&cc)) return std::nullopt;
  return static_cast<Color>(cc.rgbResult & 0xFFFFFF);
}

void FillFontRequest(HWND owner, const FontChoice& initial, int dpi, FontRequest& request) {
  LOGFONTW& lf = request.font;
  lf = LOGFONTW{};
  lf.lfHeight = DeviceScale(static_cast<UINT>(dpi)).FontHeight(initial.size);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  Wide(initial.name).copy(lf.lfFaceName, LF_FACESIZE - 1);
  CHOOSEFONTW& cf = request.chooser;
  cf = CHOOSEFONTW{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &lf;
  cf.iPointSize = static_cast<INT>(std::lround(initial.size * 10));
  cf.rgbColors = ToColorRef(initial.color);
  cf.Flags = kFontChooserFlags;
}

std::optional<FontChoice> PickFont(HWND owner, const FontChoice& initial) {
  FontRequest request;
  FillFontRequest(owner, initial, ScreenDpi(), request);
  auto* choose = Chooser<decltype(ChooseFontW)>("ChooseFontW");
  if (!choose || !choose(&request.chooser)) return std::nullopt;
  const CHOOSEFONTW& cf = request.chooser;
  return FontChoice{Utf8(request.font.lfFaceName), EffectiveFontSize(cf.iPointSize / 10.0),
                    static_cast<Color>(cf.rgbColors & 0xFFFFFF)};
}

}  // namespace hc::win32
