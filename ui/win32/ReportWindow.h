// The report window: the report of the last conversion as text, and buttons
// that copy it and close the window. It is no dialog: the main window stays
// usable.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ign {

class TFormReport {
 public:
  // The commands of its buttons: Enter copies, as the default button does,
  // and Escape closes, as in a dialog.
  enum TCommand : UINT { kButtonCopy1 = IDOK, kButtonClose1 = IDCANCEL };

  // A hidden window owned by `owner`, so that it stays in front of it.
  TFormReport(HWND owner, HINSTANCE instance);
  TFormReport(const TFormReport&) = delete;
  TFormReport& operator=(const TFormReport&) = delete;
  ~TFormReport();

  HWND Handle = nullptr;
  HWND MemoReport1 = nullptr;
  HWND ButtonCopy1 = nullptr;
  HWND ButtonClose1 = nullptr;

  // Shows `report` (UTF-8, lines ending in LF), keeping the place the reader
  // scrolled to when the text is only translated; widens an open window
  // where a line would not fit.
  void SetReport(std::string_view report);
  void SetCaption(std::string_view caption);
  void SetButtonCaption(HWND button, std::string_view caption);
  // Shows the window with `report`, as wide as its widest line needs within
  // the screen it is on.
  void Show(std::string_view report);
  void Hide();
  bool Visible() const;
  // Tab, Enter and Escape as in a dialog, for a message meant for this
  // window. True when `message` was used so.
  bool TranslateKeys(MSG& message);
  // Puts the whole report on the clipboard as text.
  void ButtonCopy1Click();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Dispatch(UINT message, WPARAM w, LPARAM l);
  void Layout();
  // The outer width that shows every line of `report` whole.
  int FittingWidth(std::string_view report) const;
  // Makes the window `width` wide, at most as wide as the screen's work area
  // and within it.
  void Widen(int width, bool grow_only);

  HFONT fixed_font_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace ign
