#include "builtin.h"

#include <span>
#include <vector>

#ifdef HC_HAVE_BUILTIN_PICTURES
#include "builtin_pictures.h"
#endif

namespace hc {

namespace {

Picture Decode(System& system, std::span<const std::uint8_t> bytes, const std::string& name) {
  if (bytes.empty()) return nullptr;
  return system.DecodePicture(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), name);
}

}  // namespace

#ifdef HC_HAVE_BUILTIN_PICTURES
Picture BuiltinEmblem(System& system) {
  return Decode(system, builtin::CentreEmblem(), "built-in emblem");
}
Picture BuiltinDial(System& system, int store) {
  return Decode(system, builtin::Dial(store), "built-in dial " + std::to_string(store));
}
#else
Picture BuiltinEmblem(System& system) {
  return Decode(system, {}, "");
}
Picture BuiltinDial(System& system, int) {
  return Decode(system, {}, "");
}
#endif

}  // namespace hc
