#include "setup_picture.h"

#include <vector>

#ifdef HC_HAVE_BUILTIN_PICTURES
#include "builtin_pictures.h"
#endif

namespace hc::setup {

Picture SetupPicture(System& system) {
#ifdef HC_HAVE_BUILTIN_PICTURES
  const auto bytes = builtin::SetupImage();
  return system.DecodePicture(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                              "built-in setup picture");
#else
  (void)system;
  return nullptr;
#endif
}

}  // namespace hc::setup
