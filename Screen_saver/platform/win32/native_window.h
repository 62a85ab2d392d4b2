#pragma once
// What the backend's own kinds of native window share: a class registered once, and each
// window bound to the object of ours that handles its messages.

#include <windows.h>

namespace hc::win32 {

// Registers the window class `name`, handled by `proc`, unless it is already.
void RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style, HBRUSH background);

// The object a message to `hwnd` is for: the window's creation parameter, bound to it at
// WM_NCCREATE; null before then and after Unbind.
void* BoundObject(HWND hwnd, UINT message, LPARAM lparam);
// The object is going: the window's last messages go to the system's handling.
void Unbind(HWND hwnd);

}  // namespace hc::win32
