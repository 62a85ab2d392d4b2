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

}  // namespace hc::damage
