// What the window shows, read back from its own painting on the screen: circles and lines
// have smooth edges, and cover the area the model gives them.

#include <windows.h>
// Our headers use the types of <windows.h>; it comes first.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "model/window.h"
#include "session.h"
#include "win32_app.h"
#include "window_view.h"
#include "windows/dib_copy.h"

namespace hc::win32 {
namespace {

double T(double pixels) {
  return pixels * kTwipsPerPixel;
}

// The red of each pixel of the window's client area, as the screen shows it.
struct Reds {
  int width = 0, height = 0;
  std::vector<int> red;
  int At(int x, int y) const { return red[static_cast<std::size_t>(y * width + x)]; }
};

Reds Shown(HWND hwnd) {
  for (const DWORD until = GetTickCount() + 300; GetTickCount() < until; Sleep(10)) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UpdateWindow(hwnd);
  GdiFlush();
  RECT client{};
  GetClientRect(hwnd, &client);
  Reds reds{client.right, client.bottom, {}};
  HDC screen = GetDC(hwnd);
  const std::vector<DWORD> pixels = testing::CopyPixels(
      screen, reds.width, reds.height,
      [&](HDC copy) { BitBlt(copy, 0, 0, reds.width, reds.height, screen, 0, 0, SRCCOPY); });
  ReleaseDC(hwnd, screen);
  for (const DWORD p : pixels) reds.red.push_back(static_cast<int>((p >> 16) & 0xFF));
  return reds;
}

// Red summed over an area, in whole pixels, and how many pixels are partly red.
struct Ink {
  double area = 0;
  int partial = 0;
};
Ink InkIn(const Reds& reds, int left, int top, int right, int bottom) {
  Ink ink;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const int r = reds.At(x, y);
      ink.area += r / 255.0;
      ink.partial += r > 20 && r < 235;
    }
  return ink;
}

TEST(Painting, CirclesAndLinesHaveSmoothEdgesAndTheirModelsArea) {
  App app;
  Window w("Face");
  w.Resize(T(300), T(200));
  w.SetBackColor(0);
  Shape& circle = w.Add<Shape>("ShapeS");
  circle.SetShape(ShapeKind::kCircle);
  circle.Move(T(20), T(20), T(72), T(72));
  circle.SetFillOpaque(false);
  circle.SetBorderStyle(1);
  circle.SetBorderWidth(2);
  circle.SetBorderColor(0x0000FF);
  Line& line = w.Add<Line>("LineS");
  line.SetPoints(T(150), T(30), T(270), T(170));
  line.SetLineWidth(3);
  line.SetLineColor(0x0000FF);
  app.Attach(w);
  w.Show();
  const Reds reds = Shown(app.GetSession().ViewOf(w)->Handle());
  ASSERT_EQ(reds.width, 300);

  // The outline: a ring 2 pixels wide inside the circle's 72-pixel box.
  const Ink ring = InkIn(reds, 10, 10, 110, 110);
  const double ring_area = std::numbers::pi * (36.0 * 36 - 34.0 * 34);
  EXPECT_NEAR(ring.area, ring_area, ring_area * 0.05);
  EXPECT_GT(ring.partial, 100) << "the outline's edges are hard";
  EXPECT_EQ(reds.At(56, 56), 0) << "the circle is not filled";

  const Ink stroke = InkIn(reds, 140, 20, 290, 185);
  const double stroke_area = std::hypot(120.0, 140.0) * 3;
  EXPECT_NEAR(stroke.area, stroke_area, stroke_area * 0.05);
  EXPECT_GT(stroke.partial, 100) << "the line's edges are hard";
  app.GetSession().End();
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace hc::win32
