// The main window on the Windows API: menus, banner, the names of the files
// read and written, the status bar with its line and the report window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/core/Hlav.h"
#include "ui/win32/ReportWindow.h"

namespace ign {

class TDialogs;

class TFormHlav final : public TFormHlavBase {
 public:
  // The commands of the menu items and buttons, named after their controls.
  enum TCommand : UINT {
    kMenuOpen = 101,
    kMenuExit,
    kMenuEnglish,
    kMenuGerman,
    kMenuFrench,
    kButtonDetails1,
  };

  // Creates the window, hidden. The first argument may name the interface
  // language; a further one may name a file, which is converted as soon as
  // the window is first shown.
  TFormHlav(const TArguments& arguments, TDialogs& dialogs, HINSTANCE instance);
  TFormHlav(const TFormHlav&) = delete;
  TFormHlav& operator=(const TFormHlav&) = delete;
  ~TFormHlav() override;

  // Controls, in the order of the window layout. The window owns them.
  HWND Handle = nullptr;
  HMENU MainMenu1 = nullptr;
  HMENU MenuFile = nullptr;
  HWND StatusBar1 = nullptr;
  HMENU MenuLanguage = nullptr;
  HWND ImageLogo2 = nullptr;
  HWND LabelFile1 = nullptr;
  HWND LabelFile2 = nullptr;
  HWND LabelFile3 = nullptr;
  HWND LabelFile5 = nullptr;
  HWND LabelFile4 = nullptr;
  HWND ButtonDetails1 = nullptr;  // in the status bar, opens the report window
  std::unique_ptr<TFormReport> FormReport;
  HACCEL Accelerators = nullptr;  // F3

  // Shows the window as the system asks (`how`), then converts the file
  // named on the command line, once the window is on the screen.
  void Show(int how);
  // Turns F3 into File > Open wherever the keyboard focus is, and gives the
  // report window the keys of a dialog. True when `message` was used so.
  bool TranslateKeys(MSG& message);
  void ButtonDetails1Click();

  void SetCaption(TControl control, std::string_view text) override;
  void SetChecked(TControl item, bool checked) override;
  void ShowFileName(TControl label, const std::string& name) override;
  void ShowStatus(std::string_view line) override;
  std::optional<std::string> AskOpenName(TFileDialog& dialog) override;
  std::optional<std::string> AskSaveName(TFileDialog& dialog) override;
  void ShowMessage(std::string_view text) override;
  void MoveTo(TPoint position) override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Dispatch(UINT message, WPARAM w, LPARAM l);
  void BuildControls(HINSTANCE instance);
  void BuildMenu();
  void SetFonts(UINT dpi);
  // Places every control for the window's size and dots per inch.
  void Layout();
  void FormShow();
  void FormDropFiles(HDROP drop);
  HWND LabelOf(TControl control) const;
  // The window's outer size at its dots per inch.
  TSize OuterSize() const;

  TDialogs& dialogs_;
  HFONT font_ = nullptr;
  HFONT bold_font_ = nullptr;     // the status line's, when it warns
  HICON warning_icon_ = nullptr;  // before the status line, when it warns
  HBITMAP banner_ = nullptr;
  HHOOK menu_keys_ = nullptr;
  bool quits_on_destroy_ = true;
  std::string argument_file_;  // the file named on the command line, until it is converted
  std::string dropped_file_;   // the file dropped last, until it is converted
};

}  // namespace ign
