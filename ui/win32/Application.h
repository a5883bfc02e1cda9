// What the Windows program has instead of a framework's application object:
// the message loop and the standard error box.
#pragma once

#include <windows.h>

namespace ign {

class TFormHlav;

// Runs the message loop until the main window has closed.
void RunMessageLoop(TFormHlav& form);

// Shows the exception being handled in the standard error box: its message,
// the system's error icon and one OK button. Call only inside a catch block.
void ShowCurrentException(HWND owner) noexcept;

}  // namespace ign
