#pragma once
// What the clock frame tests ask of a backend: its app for the whole run, and what a window
// shows on screen, grabbed.

#include <vector>

#include "app.h"
#include "model/window.h"

namespace hc::frames {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
  friend void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
  }
};

struct Image {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // row by row

  bool Valid(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The backend's app, made at the first call; a 1024 x 768 screen.
App& TheApp();
// Ends the app before the program exits, while the toolkit's own statics still stand.
void EndApp();
// The window's client area as it shows now.
Image Grab(Window& window);

}  // namespace hc::frames
