#pragma once
// The ways a picture file gets damaged, for every decoder's tests: each must refuse the
// result with a reason or decode it within its limits, never crash.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hc::damage {

using Bytes = std::vector<std::uint8_t>;

struct Damage {
  const char* name;
  Bytes (*apply)(Bytes);
};

inline const Damage kDamages[] = {
    {"cut in half", [](Bytes b) { return Bytes(b.begin(), b.begin() + b.size() / 2); }},
    {"cut after the header", [](Bytes b) { return Bytes(b.begin(), b.begin() + 20); }},
    {"bits flipped",
     [](Bytes b) {
       for (std::size_t i = 3; i < b.size(); i += 7) b[i] ^= 0x5A;
       return b;
     }},
};

// A JPEG whose frame header claims another size; the decoder must refuse a hostile size
// before it allocates for it.
inline Bytes JpegClaiming(Bytes jpeg, int width, int height) {
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC0) continue;
    jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[i + 6] = static_cast<std::uint8_t>(height & 0xFF);
    jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[i + 8] = static_cast<std::uint8_t>(width & 0xFF);
    break;
  }
  return jpeg;
}

}  // namespace hc::damage
