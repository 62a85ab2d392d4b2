#include "builtin_pictures.h"

namespace hc::builtin {

// Defined in the source made at build time from the generated files.
namespace embedded {
std::span<const std::uint8_t> Emblem();
std::span<const std::uint8_t> Dial1024x768();
std::span<const std::uint8_t> Dial1920x1080();
std::span<const std::uint8_t> Dial1280x1024();
std::span<const std::uint8_t> Dial1366x768();
std::span<const std::uint8_t> Dial1600x900();
std::span<const std::uint8_t> Setup();
}  // namespace embedded

std::span<const std::uint8_t> CentreEmblem() {
  return embedded::Emblem();
}

std::span<const std::uint8_t> Dial(int store) {
  switch (store) {
    case 1:
      return embedded::Dial1024x768();
    case 2:
      return embedded::Dial1920x1080();
    case 3:
      return embedded::Dial1280x1024();
    case 4:
      return embedded::Dial1366x768();
    case 5:
      return embedded::Dial1600x900();
    default:
      return {};
  }
}

std::span<const std::uint8_t> SetupImage() {
  return embedded::Setup();
}

}  // namespace hc::builtin
