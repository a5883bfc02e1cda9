#include "ui/win32/ReportWindow.h"

#include "ui/win32/Fonts.h"
#include "ui/win32/Text.h"
#include "ui/win32/WindowClass.h"

namespace ign {
namespace {

constexpr wchar_t kClassName[] = L"TFormReport";
constexpr int kCopyCommand = 1;

// An edit control shows lines that end in CR LF.
std::wstring WithCrLf(std::string_view text) {
  std::wstring out;
  for (wchar_t c : Wide(text)) {
    if (c == L'\n') out += L'\r';
    out += c;
  }
  return out;
}

}  // namespace

TFormReport::TFormReport(HWND owner, HINSTANCE instance) {
  RegisterWindowClass(instance, kClassName, WindowProc);
  const UINT dpi = GetDpiForWindow(owner);
  Handle = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                           CW_USEDEFAULT, Scaled(760, dpi), Scaled(420, dpi), owner, nullptr,
                           instance, this);
  MemoReport1 = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                    ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                0, 0, 0, 0, Handle, nullptr, instance, nullptr);
  ButtonCopy1 =
      CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
                      Handle, reinterpret_cast<HMENU>(kCopyCommand), instance, nullptr);
  // No limit of the edit control's own: a report has a row per value.
  SendMessageW(MemoReport1, EM_SETLIMITTEXT, 0, 0);
  fixed_font_ = CreateFixedFont(dpi);
  font_ = CreateWindowFont(dpi);
  SendMessageW(MemoReport1, WM_SETFONT, WPARAM(fixed_font_), FALSE);
  SendMessageW(ButtonCopy1, WM_SETFONT, WPARAM(font_), FALSE);
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
}

void TFormReport::SetCaption(std::string_view caption) {
  SetWindowTextW(Handle, Wide(caption).c_str());
}

void TFormReport::SetCopyCaption(std::string_view caption) {
  SetWindowTextW(ButtonCopy1, Wide(caption).c_str());
}

void TFormReport::Show() {
  ShowWindow(Handle, SW_SHOWNORMAL);
  SetForegroundWindow(Handle);
}

void TFormReport::Hide() { ShowWindow(Handle, SW_HIDE); }

bool TFormReport::Visible() const { return IsWindowVisible(Handle) != FALSE; }

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

void TFormReport::Layout() {
  RECT client = {};
  GetClientRect(Handle, &client);
  const UINT dpi = GetDpiForWindow(Handle);
  const int margin = Scaled(8, dpi), width = Scaled(88, dpi), height = Scaled(24, dpi);
  MoveWindow(MemoReport1, margin, margin, client.right - 2 * margin,
             client.bottom - 3 * margin - height, TRUE);
  MoveWindow(ButtonCopy1, client.right - margin - width, client.bottom - margin - height, width,
             height, TRUE);
}

LRESULT CALLBACK TFormReport::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  TFormReport* form = FormOf<TFormReport>(window, message, l);
  if (form == nullptr || form->MemoReport1 == nullptr) return DefWindowProcW(window, message, w, l);
  return form->Dispatch(message, w, l);
}

LRESULT TFormReport::Dispatch(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_COMMAND:
      if (LOWORD(w) == kCopyCommand) ButtonCopy1Click();
      return 0;
    case WM_CLOSE:
      Hide();  // kept for the next report
      return 0;
    default:
      return DefWindowProcW(Handle, message, w, l);
  }
}

}  // namespace ign
