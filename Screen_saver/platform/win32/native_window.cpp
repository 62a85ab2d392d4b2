#include "native_window.h"

namespace hc::win32 {

void RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(instance, name, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

void* BoundObject(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    void* object = reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<void*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Unbind(HWND hwnd) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace hc::win32
