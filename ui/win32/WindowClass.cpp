#include "ui/win32/WindowClass.h"

namespace ign {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                         HICON small_icon) {
  WNDCLASSEXW form = {};
  form.cbSize = sizeof form;
  if (GetClassInfoExW(instance, name, &form)) return;
  form.lpfnWndProc = procedure;
  form.hInstance = instance;
  form.hIcon = icon;
  form.hIconSm = small_icon;
  form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = name;
  RegisterClassExW(&form);
}

}  // namespace ign
