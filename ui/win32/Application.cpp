#include "ui/win32/Application.h"

#include <exception>

#include "ui/win32/Dialogs.h"
#include "ui/win32/Hlav.h"
#include "ui/win32/Text.h"

namespace ign {

void RunMessageLoop(TFormHlav& form) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form.TranslateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ShowCurrentException(HWND owner) noexcept {
  try {
    throw;
  } catch (const std::exception& error) {
    try {
      MessageBoxW(owner, Wide(error.what()).c_str(), kProgramTitle, MB_OK | MB_ICONERROR);
      return;
    } catch (...) {
    }
  } catch (...) {
  }
  MessageBoxW(owner, L"Unknown error", kProgramTitle, MB_OK | MB_ICONERROR);
}

}  // namespace ign
