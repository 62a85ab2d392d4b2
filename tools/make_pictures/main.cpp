// Draws the clock's built-in pictures into the folder given on the command line.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "artwork.h"
#include "palette.h"
#include "writers.h"

namespace {

struct Canvas {
  int width;
  int height;
};

// The screen sizes the dial comes in; the first is written as BMP, the others as GIF.
constexpr Canvas kDialCanvases[] = {
    {1024, 768}, {1920, 1080}, {1280, 1024}, {1366, 768}, {1600, 900}};

std::string DialName(const Canvas& canvas, const char* extension) {
  return "dial_" + std::to_string(canvas.width) + "x" + std::to_string(canvas.height) + extension;
}

void MakePictures(const std::filesystem::path& folder) {
  using namespace hc::pictures;
  std::filesystem::create_directories(folder);

  const Design emblem = Emblem();
  WriteGif(Quantise(emblem.image, BlendedPalette(emblem.colours)), folder / "emblem.gif");

  // Drawn once and quantised once; every canvas gets the very same pixels.
  const Design dial = DialTile();
  const IndexedImage tile = Quantise(dial.image, BlendedPalette(dial.colours));
  bool first = true;
  for (const Canvas& canvas : kDialCanvases) {
    const IndexedImage screen = Centred(tile, canvas.width, canvas.height);
    if (first) {
      WriteBmp24(ToImage(screen), folder / DialName(canvas, ".bmp"));
    } else {
      WriteGif(screen, folder / DialName(canvas, ".gif"));
    }
    first = false;
  }

  WriteJpeg(Background(1920, 1080), folder / "Halvek_Clock_bg.jpg", 85);
  WriteBmp24(SetupImage(), folder / "setup_image.bmp");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " <output folder>\n";
    return 2;
  }
  try {
    MakePictures(argv[1]);
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
