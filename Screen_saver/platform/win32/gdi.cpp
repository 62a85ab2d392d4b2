#include "gdi.h"

#include <windows.h>

#include <cwchar>
#include <map>
#include <tuple>

#include "gdiplus_include.h"
#include "wide.h"

namespace hc::win32 {

namespace {

bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found_flag) -> int {
        *reinterpret_cast<bool*>(found_flag) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// "MS Sans Serif" is a bitmap face with the letters of one code page only: its TrueType
// successor, which has every script, shows the Russian texts (Tahoma where it is missing).
std::wstring FaceFor(const std::string& name) {
  if (name != "MS Sans Serif") return Wide(name);
  static const std::wstring successor =
      FaceInstalled(L"Microsoft Sans Serif") ? L"Microsoft Sans Serif" : L"Tahoma";
  return successor;
}

}  // namespace

HFONT FontHandle(const Font& font, const DeviceScale& scale) {
  using Key = std::tuple<std::string, int, bool, int>;
  static std::map<Key, HFONT> fonts;
  const int height = scale.FontHeight(font.Size());
  const Key key{font.Name(), height, font.Bold(), font.Charset()};
  if (auto it = fonts.find(key); it != fonts.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = font.Bold() ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet =
      static_cast<BYTE>(font.Charset() == kCharsetAnsi ? DEFAULT_CHARSET : font.Charset());
  lf.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring face = FaceFor(font.Name());
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
