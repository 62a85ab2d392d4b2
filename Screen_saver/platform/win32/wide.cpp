#include "wide.h"

#include <windows.h>

namespace hc::win32 {

namespace {

std::wstring ToWide(const std::string& text, UINT code_page) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string FromWide(const std::wstring& text, UINT code_page) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
  return ToWide(utf8, CP_UTF8);
}

std::string Utf8(const std::wstring& wide) {
  return FromWide(wide, CP_UTF8);
}

std::string Utf8(const wchar_t* wide) {
  return wide ? Utf8(std::wstring(wide)) : std::string();
}

std::string Utf8FromAnsi(const std::string& ansi) {
  return FromWide(ToWide(ansi, CP_ACP), CP_UTF8);
}

std::string AnsiFromUtf8(const std::string& utf8) {
  return FromWide(ToWide(utf8, CP_UTF8), CP_ACP);
}

bool AnsiSpells(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL stood_in = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0, nullptr, &stood_in);
  return n > 0 && !stood_in;
}

}  // namespace hc::win32
