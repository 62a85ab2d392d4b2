#pragma once
// The pictures drawn at build time and built into the program, as the bytes of their files.

#include <cstdint>
#include <span>

namespace hc::builtin {

// The 49 x 49 pixel emblem in the middle of the clock, a GIF.
std::span<const std::uint8_t> CentreEmblem();

// The full-screen dial of a store: 1 is 1024 x 768 as a 24-bit BMP; 2 to 5 are GIFs of
// 1920 x 1080, 1280 x 1024, 1366 x 768 and 1600 x 900. Empty for any other store.
std::span<const std::uint8_t> Dial(int store);

// The 97 x 209 pixel picture beside the installer's pages, a 24-bit BMP.
std::span<const std::uint8_t> SetupImage();

}  // namespace hc::builtin
