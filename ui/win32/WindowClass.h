// What every window class of the program shares: registering it once, and
// finding the C++ object behind a window handle.
#pragma once

#include <windows.h>

namespace ign {

// Registers the class `name` with `procedure`, the button-face background
// and the arrow cursor, unless it is registered already.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr, HICON small_icon = nullptr);

// The object that created `window`, passing itself as the creation
// parameter; it is stored at WM_NCCREATE. Null before then.
template <typename TForm>
TForm* FormOf(HWND window, UINT message, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    form->Handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace ign
