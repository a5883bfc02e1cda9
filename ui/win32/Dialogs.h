// Everything the Windows window asks or tells the user in a modal window.
// The window goes through this alone, so that its commands can be driven
// without any modal window appearing.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/core/FileDialog.h"

namespace ign {

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // The full name (UTF-8) of the file chosen in `dialog`, or nothing on
  // cancel. The dialog keeps the filter the user chose.
  virtual std::optional<std::string> AskOpenName(HWND owner, TFileDialog& dialog) = 0;
  virtual std::optional<std::string> AskSaveName(HWND owner, TFileDialog& dialog) = 0;
  // `text` alone, in a modal box with one OK button.
  virtual void ShowMessage(HWND owner, std::string_view text) = 0;
};

// The system's common dialogs and message box.
class TWinDialogs final : public TDialogs {
 public:
  std::optional<std::string> AskOpenName(HWND owner, TFileDialog& dialog) override;
  std::optional<std::string> AskSaveName(HWND owner, TFileDialog& dialog) override;
  void ShowMessage(HWND owner, std::string_view text) override;
};

// The title of the program's message boxes.
inline constexpr wchar_t kProgramTitle[] = L"ign-converter";

}  // namespace ign
