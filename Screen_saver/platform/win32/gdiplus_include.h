#pragma once
// <gdiplus.h> as mingw-w64 ships it expects min and max in its namespace and the COM
// declarations that WIN32_LEAN_AND_MEAN leaves out. Include after <windows.h>.

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
#include <objidl.h>
