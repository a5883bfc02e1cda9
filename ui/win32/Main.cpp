// Program entry of the converter window on Windows:
// `ign-converter.exe [LANGUAGE] [FILE]`.
#include <windows.h>
// After <windows.h>: they need what it defines.
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/core/Usage.h"
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

// Whether standard output goes to a file or a pipe, as with
// `ign-converter.exe --help > help.txt` or a script reading it.
bool WritesToFileOrPipe() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return false;
  const DWORD type = GetFileType(output);
  return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// A window program has no console of its own, and the shell that started it
// has already shown its prompt again: text written to that console would
// land among the user's next commands. So the answer goes where standard
// output was sent, and otherwise into a message box.
int Answer(ign::TRequest request) {
  if (WritesToFileOrPipe()) {
    // Lines end in LF, as ign-convert's help and on every other system.
    _setmode(_fileno(stdout), _O_BINARY);
    return ign::PrintAnswer(request);
  }
  MessageBoxW(nullptr, ign::Wide(ign::AnswerOf(request)).c_str(), ign::kProgramTitle,
              MB_OK | MB_ICONINFORMATION);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const std::vector<std::string> arguments = ArgumentList();
  if (const ign::TRequest request = ign::RequestOfArguments(arguments);
      request != ign::TRequest::kWindow) {
    return Answer(request);
  }
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The banner's decoder and the common dialogs are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  try {
    ign::TWinDialogs dialogs;
    ign::TFormHlav FormHlav(arguments, dialogs, instance);
    FormHlav.Show(show);
    ign::RunMessageLoop(FormHlav);
  } catch (...) {
    ign::ShowCurrentException(nullptr);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  // Always 0: the program reports problems in the window, not to the caller.
  return 0;
}
