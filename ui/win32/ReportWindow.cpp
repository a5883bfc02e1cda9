#include "ui/win32/ReportWindow.h"

#include <algorithm>

#include "ui/win32/Fonts.h"
#include "ui/win32/Text.h"
#include "ui/win32/WindowClass.h"

namespace ign {
namespace {

constexpr wchar_t kClassName[] = L"TFormReport";

// An edit control shows lines that end in CR LF.
std::wstring WithCrLf(std::string_view text) {
  std::wstring out;
  for (wchar_t c : Wide(text)) {
    if (c == L'\n') out += L'\r';
    out += c;
  }
  return out;
}

HWND AddButton(HWND parent, HINSTANCE instance, DWORD style, UINT command) {
  return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(command)), instance,
                         nullptr);
}

}  // namespace

TFormReport::TFormReport(HWND owner, HINSTANCE instance) {
  RegisterWindowClass(instance, kClassName, WindowProc);
  const UINT dpi = GetDpiForWindow(owner);
  Handle = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                           CW_USEDEFAULT, Scaled(760, dpi), Scaled(420, dpi), owner, nullptr,
                           instance, this);
  MemoReport1 = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                    ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                0, 0, 0, 0, Handle, nullptr, instance, nullptr);
  ButtonCopy1 = AddButton(Handle, instance, BS_DEFPUSHBUTTON, kButtonCopy1);
  ButtonClose1 = AddButton(Handle, instance, BS_PUSHBUTTON, kButtonClose1);
  // No limit of the edit control's own: a report has a row per value.
  SendMessageW(MemoReport1, EM_SETLIMITTEXT, 0, 0);
  fixed_font_ = CreateFixedFont(dpi);
  font_ = CreateWindowFont(dpi);
  SendMessageW(MemoReport1, WM_SETFONT, WPARAM(fixed_font_), FALSE);
  for (HWND button : {ButtonCopy1, ButtonClose1}) {
    SendMessageW(button, WM_SETFONT, WPARAM(font_), FALSE);
  }
  Layout();
}

TFormReport::~TFormReport() {
  if (IsWindow(Handle)) DestroyWindow(Handle);
  DeleteObject(fixed_font_);
  DeleteObject(font_);
}

void TFormReport::SetReport(std::string_view report) {
  const LRESULT first_line = SendMessageW(MemoReport1, EM_GETFIRSTVISIBLELINE, 0, 0);
  SetWindowTextW(MemoReport1, WithCrLf(report).c_str());
  SendMessageW(MemoReport1, EM_LINESCROLL, 0, first_line);
  if (Visible()) Widen(FittingWidth(report), true);
}

void TFormReport::SetCaption(std::string_view caption) {
  SetWindowTextW(Handle, Wide(caption).c_str());
}

void TFormReport::SetButtonCaption(HWND button, std::string_view caption) {
  SetWindowTextW(button, Wide(caption).c_str());
}

void TFormReport::Show(std::string_view report) {
  SetReport(report);
  Widen(FittingWidth(report), false);
  ShowWindow(Handle, SW_SHOWNORMAL);
  SetForegroundWindow(Handle);
}

void TFormReport::Hide() { ShowWindow(Handle, SW_HIDE); }

bool TFormReport::Visible() const { return IsWindowVisible(Handle) != FALSE; }

bool TFormReport::TranslateKeys(MSG& message) {
  return Visible() && IsDialogMessageW(Handle, &message) != FALSE;
}

void TFormReport::ButtonCopy1Click() {
  const int length = GetWindowTextLengthW(MemoReport1);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (std::size_t(length) + 1) * sizeof(wchar_t));
  if (memory == nullptr) return;
  GetWindowTextW(MemoReport1, static_cast<wchar_t*>(GlobalLock(memory)), length + 1);
  GlobalUnlock(memory);
  if (OpenClipboard(Handle)) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;  // the system's now
    CloseClipboard();
  }
  if (memory != nullptr) GlobalFree(memory);
}

int TFormReport::FittingWidth(std::string_view report) const {
  const UINT dpi = GetDpiForWindow(Handle);
  HDC context = GetDC(MemoReport1);
  const HGDIOBJ old = SelectObject(context, fixed_font_);
  int widest = 0;
  const std::wstring text = Wide(report);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(L'\n', at), text.size());
    SIZE size = {};
    GetTextExtentPoint32W(context, text.c_str() + at, int(end - at), &size);
    widest = std::max(widest, int(size.cx));
    at = end + 1;
  }
  SelectObject(context, old);
  ReleaseDC(MemoReport1, context);
  // Beside the text: the edit control's margins, its sunken edge and its
  // vertical scroll bar, the window's margins and its frame.
  const LRESULT margins = SendMessageW(MemoReport1, EM_GETMARGINS, 0, 0);
  RECT frame = {0, 0,
                widest + LOWORD(margins) + HIWORD(margins) +
                    2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi) +
                    GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) + 2 * Scaled(8, dpi) + Scaled(2, dpi),
                0};
  AdjustWindowRectExForDpi(&frame, DWORD(GetWindowLongPtrW(Handle, GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongPtrW(Handle, GWL_EXSTYLE)), dpi);
  return frame.right - frame.left;
}

void TFormReport::Widen(int width, bool grow_only) {
  RECT place = {};
  GetWindowRect(Handle, &place);
  if (grow_only && width <= place.right - place.left) return;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(Handle, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  width = std::min(width, int(work.right - work.left));
  const int height = std::min(int(place.bottom - place.top), int(work.bottom - work.top));
  // Moved back onto the work area where the wider window would run off it.
  const int left = std::max(int(work.left), std::min(int(place.left), int(work.right) - width));
  const int top = std::max(int(work.top), std::min(int(place.top), int(work.bottom) - height));
  SetWindowPos(Handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormReport::Layout() {
  RECT client = {};
  GetClientRect(Handle, &client);
  const UINT dpi = GetDpiForWindow(Handle);
  const int margin = Scaled(8, dpi), width = Scaled(88, dpi), height = Scaled(24, dpi);
  MoveWindow(MemoReport1, margin, margin, client.right - 2 * margin,
             client.bottom - 3 * margin - height, TRUE);
  const int top = client.bottom - margin - height;
  MoveWindow(ButtonClose1, client.right - margin - width, top, width, height, TRUE);
  MoveWindow(ButtonCopy1, client.right - 2 * (margin + width), top, width, height, TRUE);
}

LRESULT CALLBACK TFormReport::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  TFormReport* form = FormOf<TFormReport>(window, message, l);
  if (form == nullptr || form->ButtonClose1 == nullptr) {
    return DefWindowProcW(window, message, w, l);
  }
  return form->Dispatch(message, w, l);
}

LRESULT TFormReport::Dispatch(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_COMMAND:
      if (LOWORD(w) == kButtonCopy1) ButtonCopy1Click();
      if (LOWORD(w) == kButtonClose1) Hide();
      return 0;
    case WM_CLOSE:
      Hide();  // kept for the next report
      return 0;
    default:
      return DefWindowProcW(Handle, message, w, l);
  }
}

}  // namespace ign
