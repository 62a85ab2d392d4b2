#pragma once
// The picture beside the installer's texts.

#include "model/picture.h"
#include "system.h"

namespace hc::setup {

// The built-in 97 x 209 pixel picture; none in a build without the built-in pictures.
Picture SetupPicture(System& system);

}  // namespace hc::setup
