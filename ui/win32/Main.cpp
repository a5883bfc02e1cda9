// Program entry of the converter window on Windows:
// `ign-converter.exe [LANGUAGE] [FILE]`.
#include <windows.h>
// After <windows.h>: they need what it defines.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ui/win32/Application.h"
#include "ui/win32/Dialogs.h"
#include "ui/win32/Hlav.h"
#include "ui/win32/Text.h"

namespace {

// The arguments as the system splits the command line (white space
// separates, double quotes group and are removed), in UTF-8.
std::vector<std::string> ArgumentList() {
  std::vector<std::string> arguments;
  int count = 0;
  if (wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) arguments.push_back(ign::Utf8(list[i]));
    LocalFree(list);
  }
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The banner's decoder and the common dialogs are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  try {
    ign::TWinDialogs dialogs;
    ign::TFormHlav FormHlav(ArgumentList(), dialogs, instance);
    FormHlav.Show(show);
    ign::RunMessageLoop(FormHlav);
  } catch (...) {
    ign::ShowCurrentException(nullptr);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  // Always 0: the program reports problems in the window, not to the caller.
  return 0;
}
