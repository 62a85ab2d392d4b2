#pragma once
// <gdiplus.h> as mingw-w64 ships it expects min and max in its namespace and the COM
// declarations that WIN32_LEAN_AND_MEAN leaves out; the order matters.

// clang-format off
#include <windows.h>
#include <objidl.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
// clang-format on
