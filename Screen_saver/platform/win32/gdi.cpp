#include "gdi.h"

#include <windows.h>

#include <map>
#include <tuple>

#include "gdiplus_include.h"
#include "wide.h"

namespace hc::win32 {

HFONT FontHandle(const Font& font) {
  using Key = std::tuple<std::string, int, bool, int>;
  static std::map<Key, HFONT> fonts;
  const Key key{font.Name(), font.SizePixels(), font.Bold(), font.Charset()};
  if (auto it = fonts.find(key); it != fonts.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = -font.SizePixels();
  lf.lfWeight = font.Bold() ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet =
      static_cast<BYTE>(font.Charset() == kCharsetAnsi ? DEFAULT_CHARSET : font.Charset());
  lf.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring face = Wide(font.Name());
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  HFONT handle = CreateFontIndirectW(&lf);
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts.emplace(key, handle);
  return handle;
}

std::wstring DisplayText(const std::string& utf8) {
  return Wide(utf8);
}

void EnsureGdiplus() {
  static const bool started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  (void)started;
}

}  // namespace hc::win32
