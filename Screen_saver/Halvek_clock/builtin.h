#pragma once
// The pictures built into the program, decoded on demand.

#include "model/picture.h"
#include "system.h"

namespace hc {

// The 49 x 49 pixel centre emblem.
Picture BuiltinEmblem(System& system);
// The full-screen dial picture of a store, 1 to 5; empty for any other.
Picture BuiltinDial(System& system, int store);

}  // namespace hc
