// clang-format off
#include <windows.h>
// After <windows.h>, which the shell's headers need.
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include "win32_system.h"

#include <algorithm>
#include <cwctype>

#include "files.h"
#include "paths.h"
#include "wide.h"

namespace hc::win32 {

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

// A wide text from a call that fills a buffer and answers the length it needed, retried
// with a larger buffer as often as that length grows.
template <typename Fill>
std::wstring Filled(Fill fill) {
  std::wstring text(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = fill(text.data(), static_cast<DWORD>(text.size()));
    if (n == 0) return {};
    if (n < text.size()) {
      text.resize(n);
      return text;
    }
    text.resize(n + 1);
  }
}

// The running program's file in its long form: a screensaver may be started under its
// short name (HALVEK~1.SCR), and its folder and claim must not depend on that.
std::wstring ModuleFile() {
  std::wstring file;
  for (DWORD size = MAX_PATH; file.empty(); size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (n == 0) return {};
    // A full buffer may hold a cut name.
    if (n < size) file = buffer.substr(0, n);
  }
  const std::wstring long_form = Filled([&file](wchar_t* buffer, DWORD size) {
    return GetLongPathNameW(file.c_str(), buffer, size);
  });
  return long_form.empty() ? file : long_form;
}

std::wstring FileNameOf(const std::wstring& path) {
  const auto cut = path.find_last_of(L"\\/");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

// The claim's name: per session ("Local\"), and per program file, so that the screensaver
// and its setup each run once. File names are compared without regard to case.
std::wstring MutexName() {
  std::wstring name = FileNameOf(ModuleFile());
  if (name.empty()) name = L"program";
  CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  // Kernel object names are limited to MAX_PATH characters.
  name.resize(std::min<std::size_t>(name.size(), 200));
  return L"Local\\HalvekClock.scr-" + name;
}

// The root of an absolute path, in the form that opens it as a folder; empty for a path
// that names no drive.
std::wstring RootOf(std::wstring path) {
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  // The long-path forms name the same roots: \\?\C:\x and \\?\UNC\server\share\x.
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0)
    path = L"\\" + path.substr(7);
  else if (path.rfind(L"\\\\?\\", 0) == 0)
    path = path.substr(4);
  if (path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0]))
    return std::wstring(1, static_cast<wchar_t>(std::towupper(path[0]))) + L":\\";
  if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // \\server\share\: the server and the share name together are the root.
    auto end = path.find(L'\\', 2);
    if (end != std::wstring::npos) end = path.find(L'\\', end + 1);
    return path.substr(0, end) + L"\\";
  }
  return {};
}

// The short form of a path with blanks, where the volume keeps short names: the screensaver
// settings take the file from the rest of their command line as it is, quotes and all.
std::string WithoutBlanks(const std::string& path) {
  if (path.find(' ') == std::string::npos) return path;
  const std::wstring wide = Wide(path);
  const std::wstring short_form = Filled([&wide](wchar_t* buffer, DWORD size) {
    return GetShortPathNameW(wide.c_str(), buffer, size);
  });
  return short_form.empty() || short_form.find(L' ') != std::wstring::npos ? path
                                                                           : Utf8(short_form);
}

}  // namespace

std::string ArgumentsOf(const std::wstring& command_line) {
  std::size_t at = 0;
  while (at < command_line.size() && IsBlank(command_line[at])) ++at;
  if (at < command_line.size() && command_line[at] == L'"') {
    // A quoted name ends at the next quote: file names hold none, and no backslash escapes it.
    const auto close = command_line.find(L'"', at + 1);
    at = close == std::wstring::npos ? command_line.size() : close + 1;
  } else {
    while (at < command_line.size() && !IsBlank(command_line[at])) ++at;
  }
  while (at < command_line.size() && IsBlank(command_line[at])) ++at;
  return Utf8(command_line.substr(at));
}

std::wstring CommandLineOf(const std::vector<std::string>& argv) {
  std::wstring line;
  for (const std::string& argument : argv) {
    if (!line.empty()) line += L' ';
    const std::wstring word = Wide(argument);
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
      line += word;
      continue;
    }
    // Backslashes are taken literally unless a quote follows them; before a quote (the
    // word's own or the closing one) each of them is doubled, and the word's quote escaped.
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
      if (c == L'\\') {
        ++backslashes;
        continue;
      }
      if (c == L'"') backslashes = backslashes * 2 + 1;
      line.append(backslashes, L'\\');
      backslashes = 0;
      line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
  }
  return line;
}

Win32System::Win32System() = default;

Win32System::~Win32System() {
  if (mutex_) CloseHandle(mutex_);
}

std::string Win32System::ProgramFolder() {
  const std::wstring file = ModuleFile();
  const auto cut = file.find_last_of(L'\\');
  return Utf8(cut == std::wstring::npos ? file : file.substr(0, cut));
}

std::string Win32System::CommandLine() {
  return ArgumentsOf(GetCommandLineW());
}

bool Win32System::AnotherInstance() {
  if (mutex_) return false;
  SetLastError(ERROR_SUCCESS);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName().c_str());
  if (!mutex) return false;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return true;
  }
  // Held until this object goes; the system closes it when the process ends, however it ends.
  mutex_ = mutex;
  return false;
}

std::string Win32System::DriveOf(const std::string& path) {
  const std::wstring wide = Wide(path);
  std::wstring root = RootOf(wide);
  if (root.empty() && !wide.empty()) {
    // A relative path, or one from the root of the current drive.
    root = RootOf(Filled([&wide](wchar_t* buffer, DWORD size) {
      return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
    }));
  }
  return Utf8(root);
}

DateTime Win32System::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::vector<std::string> Win32System::Drives() {
  const std::wstring roots =
      Filled([](wchar_t* buffer, DWORD size) { return GetLogicalDriveStringsW(size, buffer); });
  std::vector<std::string> drives;
  for (std::size_t at = 0; at < roots.size();) {
    const auto end = roots.find(L'\0', at);
    const std::wstring root = roots.substr(at, end - at);
    if (!root.empty()) drives.push_back(Utf8(root));
    if (end == std::wstring::npos) break;
    at = end + 1;
  }
  return drives;
}

std::string Win32System::SystemFolder() {
  return Utf8(
      Filled([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); }));
}

std::string Win32System::UserDataFolder() {
  std::string app_data;
  PWSTR known = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)))
    app_data = Utf8(known);
  CoTaskMemFree(known);
  if (app_data.empty()) {
    app_data = Utf8(Filled([](wchar_t* buffer, DWORD size) {
      return GetEnvironmentVariableW(L"APPDATA", buffer, size);
    }));
  }
  return app_data.empty() ? std::string() : JoinPath(app_data, "HalvekClock", PathSeparator());
}

std::vector<std::vector<std::string>> Win32System::ScreensaverSettingsCommands(
    const std::string& /*target_folder*/, const std::string& installed_file) {
  // The display settings open on their screensaver page with the new one picked. The full
  // path keeps a program of that name in the current folder from being started instead.
  return {{JoinPath(SystemFolder(), "rundll32.exe", PathSeparator()), "desk.cpl,InstallScreenSaver",
           WithoutBlanks(installed_file)}};
}

ScreensaverRegistration Win32System::RegisterScreensaver(const std::string& /*installed_file*/) {
  // The settings list every screensaver in the system folder by themselves.
  return {ScreensaverRegistration::Outcome::kNoList, "", "", ""};
}

bool Win32System::StartCommand(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) return false;
  std::wstring line = CommandLineOf(argv);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Minimised with the focus: the program's window does not cover the one that started it.
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  // No application name: the system finds the program as a command line names it, and no
  // shell reads the line.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

char Win32System::DecimalSeparator() {
  wchar_t text[8] = {};
  const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
  // The number texts are 8-bit: a separator beyond ASCII cannot be one of their characters.
  if (n == 2 && text[0] > 0 && text[0] < 0x80) return static_cast<char>(text[0]);
  return '.';
}

void Win32System::SetCursorPos(int x, int y) {
  ::SetCursorPos(x, y);
}

std::optional<std::vector<std::string>> Win32System::ReadLines(const std::string& path) {
  auto lines = files::ReadLines(path);
  if (lines)
    for (std::string& line : *lines) line = Utf8FromAnsi(line);
  return lines;
}

std::optional<std::string> Win32System::PathForTextFile(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (AnsiSpells(wide)) return path;
  // A short name is made of the code page's letters wherever the long one is not.
  const DWORD n = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring short_name(n, L'\0');
  const DWORD written = GetShortPathNameW(wide.c_str(), short_name.data(), n);
  if (written == 0 || written >= n) return std::nullopt;
  short_name.resize(written);
  if (!AnsiSpells(short_name)) return std::nullopt;
  return Utf8(short_name);
}

FileError Win32System::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::vector<std::string> ansi;
  ansi.reserve(lines.size());
  for (const std::string& line : lines) ansi.push_back(AnsiFromUtf8(line));
  return files::WriteLines(path, ansi);
}

}  // namespace hc::win32
