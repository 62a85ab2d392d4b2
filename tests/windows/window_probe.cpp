// Looks at a shown window of the Windows programs from outside, as its user sees it, for the
// test at several screen densities (dpi_test.sh). Prints what is wrong and exits with 1.
//
//   window_probe check TITLE DPI [CLIENT_W CLIENT_H]
//     On a screen of DPI, the window's client area is CLIENT_W x CLIENT_H twips (2 pixels
//     either way); every control lies inside its parent; the caption of every option and
//     check box one line high shows on that line, whole and at its size in points, on the
//     screen.
//   window_probe point TITLE DPI X Y
//     Prints the screen pixel of the point (X, Y) twips of the window's client area.
//
// The density is the test's to say: what Wine tells of another program's window may lag
// behind the density the program runs at.

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dib_copy.h"

namespace {

constexpr int kTwipsPerInch = 1440;
// Two pixels either way for rounding, as for any length the test compares.
constexpr int kSlack = 2;
// The capital letters of the dialogs' 8-point captions are 8 pixels high at 96 dpi, and
// grow with the density; a caption of fewer rows has kept its size in pixels.
constexpr int kCapitalAt96 = 7;
// The height of a line of the dialogs' 8-point captions at 96 dpi, in pixels; a box lower
// than two of them has room for one line.
constexpr int kLineAt96 = 13;

int failures = 0;

void Fail(const std::wstring& what) {
  ++failures;
  std::printf("FAILED: %ls\n", what.c_str());
}

std::wstring N(long n) {
  return std::to_wstring(n);
}

std::wstring Utf16(const char* s) {
  std::wstring w(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0)),
                 L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s, -1, w.data(), static_cast<int>(w.size()));
  w.resize(w.size() - 1);
  return w;
}

std::wstring TextOf(HWND w) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

// A window's client area in screen pixels.
RECT ClientOnScreen(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int Device(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

// The screen's pixels of a rectangle, 0x00RRGGBB, row by row.
std::vector<DWORD> Grab(const RECT& r) {
  HDC screen = GetDC(nullptr);
  auto pixels = hc::testing::CopyPixels(screen, r.right - r.left, r.bottom - r.top, [&](HDC copy) {
    BitBlt(copy, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  });
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool Dark(DWORD p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return r + g + b < 3 * 96;
}

// The caption as drawn: its lines (runs of rows with text in them, at least 3 high: a
// dotted focus rectangle makes runs of one), how far right its text reaches, and whether the
// last column, where a clipped caption is cut, has any.
struct Drawn {
  int lines = 0;
  int rows = 0;
  int right = -1;
  bool reaches_right = false;
};

Drawn LookAtCaption(const RECT& area) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  Drawn d;
  if (w <= 0 || h <= 0) return d;
  const std::vector<DWORD> pixels = Grab(area);
  constexpr int kLowestLine = 3;
  int run = 0, first = -1, last = -1;
  for (int y = 0; y <= h; ++y) {
    bool text = false;
    for (int x = 0; y < h && x < w; ++x)
      if (Dark(pixels[static_cast<std::size_t>(y * w + x)])) {
        text = true;
        d.right = std::max(d.right, x);
      }
    if (text) {
      ++run;
      if (first < 0) first = y;
      last = y;
      continue;
    }
    if (run >= kLowestLine) ++d.lines;
    run = 0;
  }
  d.rows = first < 0 ? 0 : last - first + 1;
  d.reaches_right = d.right == w - 1;
  return d;
}

bool IsOptionOrCheck(HWND control) {
  if (ClassOf(control) != L"Button") return false;
  const auto type = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
         type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// Option and check boxes one line high show their caption on that line, whole.
void CheckCaption(HWND control, UINT dpi) {
  const std::wstring caption = TextOf(control);
  if (caption.empty() || !IsWindowVisible(control)) return;
  RECT text_area = ClientOnScreen(control);
  // The glyph's grey is no text; the caption starts after it.
  text_area.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi);
  const Drawn drawn = LookAtCaption(text_area);
  const int two_lines = 2 * MulDiv(kLineAt96, static_cast<int>(dpi), 96);
  if (text_area.bottom - text_area.top < two_lines && drawn.lines != 1)
    Fail(L"\"" + caption + L"\" shows on " + N(drawn.lines) + L" lines in a box one line high");
  const int capital = MulDiv(kCapitalAt96, static_cast<int>(dpi), 96);
  if (drawn.rows < capital)
    Fail(L"\"" + caption + L"\" is " + N(drawn.rows) +
         L" pixels high, less than a capital letter's " + N(capital) + L" at this density");
  if (drawn.reaches_right)
    Fail(L"\"" + caption + L"\" is cut at the right edge of its box, " +
         N(text_area.right - text_area.left) + L" pixels after the glyph");
}

void CheckInsideParent(HWND control) {
  if (!IsWindowVisible(control)) return;
  RECT r{}, parent{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  GetClientRect(GetParent(control), &parent);
  // A dropped-down list's window reaches below its field by design.
  if (ClassOf(control) == L"ComboBox") r.bottom = r.top + 1;
  if (r.left < parent.left || r.top < parent.top || r.right > parent.right ||
      r.bottom > parent.bottom)
    Fail(L"\"" + TextOf(control) + L"\" (" + ClassOf(control) + L") at " + N(r.left) + L"," +
         N(r.top) + L"-" + N(r.right) + L"," + N(r.bottom) + L" reaches outside its parent's " +
         N(parent.right) + L" x " + N(parent.bottom));
}

BOOL CALLBACK EachControl(HWND control, LPARAM dpi) {
  CheckInsideParent(control);
  if (IsOptionOrCheck(control)) CheckCaption(control, static_cast<UINT>(dpi));
  return TRUE;
}

HWND FindShown(const std::wstring& title) {
  for (int i = 0; i < 100; ++i, Sleep(100))
    if (HWND w = FindWindowW(nullptr, title.c_str()); w && IsWindowVisible(w)) return w;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  // The window's own pixels, whatever the density.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (argc < 3) return 2;
  const std::string command = argv[1];
  const std::wstring title = Utf16(argv[2]);
  HWND window = FindShown(title);
  if (!window) {
    std::printf("FAILED: no window \"%s\" shown\n", argv[2]);
    return 1;
  }
  if (command == "point" && argc == 6) {
    const auto dpi = static_cast<UINT>(std::atoi(argv[3]));
    POINT p{Device(std::atof(argv[4]), dpi), Device(std::atof(argv[5]), dpi)};
    ClientToScreen(window, &p);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
  }
  if (command != "check" || (argc != 4 && argc != 6)) return 2;
  const auto dpi = static_cast<UINT>(std::atoi(argv[3]));
  if (argc == 6) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = Device(std::atof(argv[4]), dpi), height = Device(std::atof(argv[5]), dpi);
    if (std::abs(client.right - width) > kSlack || std::abs(client.bottom - height) > kSlack)
      Fail(L"\"" + title + L"\" has a client area of " + N(client.right) + L" x " +
           N(client.bottom) + L" pixels, not " + N(width) + L" x " + N(height));
  }
  EnumChildWindows(window, EachControl, static_cast<LPARAM>(dpi));
  return failures ? 1 : 0;
}
