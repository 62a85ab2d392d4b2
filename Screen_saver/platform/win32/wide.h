#pragma once
// The program's texts are UTF-8; Windows' wide API takes UTF-16, and 8-bit files hold the
// system's ANSI code page.

#include <string>

namespace hc::win32 {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Utf8(const wchar_t* wide);

// Text in the system's ANSI code page to UTF-8 and back; a character the code page
// lacks becomes its best fit or "?".
std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8);
// Whether the ANSI code page has a character for every one of `text`, with no stand-in.
bool AnsiSpells(const std::wstring& text);

}  // namespace hc::win32
