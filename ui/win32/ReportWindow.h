// The report window: the report of the last conversion as text, and a
// button that copies it. It is no dialog: the main window stays usable.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ign {

class TFormReport {
 public:
  // A hidden window owned by `owner`, so that it stays in front of it.
  TFormReport(HWND owner, HINSTANCE instance);
  TFormReport(const TFormReport&) = delete;
  TFormReport& operator=(const TFormReport&) = delete;
  ~TFormReport();

  HWND Handle = nullptr;
  HWND MemoReport1 = nullptr;
  HWND ButtonCopy1 = nullptr;

  // Shows `report` (UTF-8, lines ending in LF), keeping the place the reader
  // scrolled to when the text is only translated.
  void SetReport(std::string_view report);
  void SetCaption(std::string_view caption);
  void SetCopyCaption(std::string_view caption);
  void Show();
  void Hide();
  bool Visible() const;
  // Puts the whole report on the clipboard as text.
  void ButtonCopy1Click();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Dispatch(UINT message, WPARAM w, LPARAM l);
  void Layout();

  HFONT fixed_font_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace ign
