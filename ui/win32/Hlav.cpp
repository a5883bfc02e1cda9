#include "ui/win32/Hlav.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <system_error>
#include <utility>

#include "ui/core/Language.h"
#include "ui/win32/Application.h"
#include "ui/win32/Dialogs.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/JpegImage.h"
#include "ui/win32/Resources.h"
#include "ui/win32/Text.h"
#include "ui/win32/WindowClass.h"

namespace ign {
namespace {

constexpr wchar_t kClassName[] = L"TFormHlav";
// Posted to itself, so that a conversion starts once the window is on the
// screen, or once the program the file was dragged from has let go of it.
constexpr UINT kConvertArgument = WM_APP + 1;
constexpr UINT kConvertDropped = WM_APP + 2;

// The one main window of the thread, for the menu-key hook.
HWND g_menu_keys_target = nullptr;

HWND AddControl(HWND parent, HINSTANCE instance, const wchar_t* kind, DWORD style,
                const wchar_t* text = L"", UINT command = 0) {
  return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(command)), instance,
                         nullptr);
}

// The size of `control`'s text in its font.
SIZE TextSize(HWND control) {
  std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
  SIZE size = {};
  HDC context = GetDC(control);
  const HGDIOBJ old =
      SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  if (text.empty()) text = L" ";  // an empty label keeps the height of a line
  GetTextExtentPoint32W(context, text.c_str(), int(text.size()), &size);
  if (text == L" ") size.cx = 0;
  SelectObject(context, old);
  ReleaseDC(control, context);
  return size;
}

void SetItemText(HMENU menu, UINT item, bool by_position, const std::wstring& text) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  SetMenuItemInfoW(menu, item, by_position, &info);
}

// The command of a Language item.
UINT LanguageCommand(TControl item) {
  switch (item) {
    case TControl::kMenuGerman:
      return TFormHlav::kMenuGerman;
    case TControl::kMenuFrench:
      return TFormHlav::kMenuFrench;
    default:
      return TFormHlav::kMenuEnglish;
  }
}

// The status bar tells its parent nothing of its children's clicks.
LRESULT CALLBACK ForwardCommands(HWND bar, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (message == WM_COMMAND) return SendMessageW(GetParent(bar), message, w, l);
  return DefSubclassProc(bar, message, w, l);
}

// F3 while a menu is open: the menu closes and File > Open runs, as from the
// window itself.
LRESULT CALLBACK MenuKeys(int code, WPARAM w, LPARAM l) {
  const auto* message = reinterpret_cast<const MSG*>(l);
  if (code == MSGF_MENU && message->message == WM_KEYDOWN && message->wParam == VK_F3 &&
      GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 &&
      g_menu_keys_target != nullptr) {
    EndMenu();
    PostMessageW(g_menu_keys_target, WM_COMMAND, TFormHlav::kMenuOpen, 0);
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TFormHlav::TFormHlav(const TArguments& arguments, TDialogs& dialogs, HINSTANCE instance)
    : dialogs_(dialogs) {
  const std::string file = FileOfArguments(arguments);
  if (!file.empty()) {
    // The open dialog returns full names; so does the command line, relative
    // to the folder the program was started in.
    const std::wstring wide = Wide(file);
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        full.empty() ? 0 : GetFullPathNameW(wide.c_str(), DWORD(full.size()), full.data(), nullptr);
    argument_file_ = length == 0 || length >= full.size() ? file : Utf8(full.substr(0, length));
  }
  RegisterWindowClass(instance, kClassName, WindowProc,
                      LoadIconW(instance, MAKEINTRESOURCEW(kIconResource)),
                      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
  Handle = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                           CW_USEDEFAULT, kFormHlavOuterSize.width, kFormHlavOuterSize.height,
                           nullptr, nullptr, instance, this);
  if (Handle == nullptr) throw std::system_error(int(GetLastError()), std::system_category());
  BuildControls(instance);
  FormCreate(arguments, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
             OuterSize());
  Layout();
}

TFormHlav::~TFormHlav() {
  if (g_menu_keys_target == Handle) g_menu_keys_target = nullptr;
  if (menu_keys_ != nullptr) UnhookWindowsHookEx(menu_keys_);
  FormReport.reset();
  quits_on_destroy_ = false;
  if (IsWindow(Handle)) DestroyWindow(Handle);
  if (Accelerators != nullptr) DestroyAcceleratorTable(Accelerators);
  DeleteObject(font_);
  DeleteObject(bold_font_);
  if (warning_icon_ != nullptr) DestroyIcon(warning_icon_);
  DeleteObject(banner_);
}

void TFormHlav::BuildControls(HINSTANCE instance) {
  BuildMenu();
  StatusBar1 = AddControl(Handle, instance, STATUSCLASSNAMEW, SBARS_SIZEGRIP);
  // One panel along the whole bar. Not the bar's simple mode, which shows no
  // icon under Wine.
  const int whole_bar = -1;
  SendMessageW(StatusBar1, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole_bar));
  SetWindowSubclass(StatusBar1, ForwardCommands, 0, 0);
  // A push button as any other, so that it does not pass for more text.
  ButtonDetails1 =
      AddControl(StatusBar1, instance, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, L"", kButtonDetails1);
  FormReport = std::make_unique<TFormReport>(Handle, instance);

  ImageLogo2 = AddControl(Handle, instance, L"STATIC", SS_BITMAP | SS_REALSIZECONTROL);
  banner_ = LoadBanner(instance);
  SendMessageW(ImageLogo2, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_));
  // Names may hold "&": no letter of theirs is a mnemonic.
  LabelFile1 = AddControl(Handle, instance, L"STATIC", SS_NOPREFIX);
  LabelFile2 = AddControl(Handle, instance, L"STATIC", SS_NOPREFIX | SS_PATHELLIPSIS,
                          Wide(kNoFileYet).c_str());
  LabelFile3 = AddControl(Handle, instance, L"STATIC", SS_NOPREFIX);
  LabelFile5 = AddControl(Handle, instance, L"STATIC", SS_NOPREFIX | SS_PATHELLIPSIS,
                          Wide(kNoFileYet).c_str());
  LabelFile4 = AddControl(Handle, instance, L"STATIC", SS_NOPREFIX);
  SetFonts(GetDpiForWindow(Handle));

  const HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                   IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  SendMessageW(Handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  DragAcceptFiles(Handle, TRUE);
}

void TFormHlav::BuildMenu() {
  MainMenu1 = CreateMenu();
  MenuFile = CreatePopupMenu();
  AppendMenuW(MenuFile, MF_STRING, kMenuOpen, L"");
  AppendMenuW(MenuFile, MF_SEPARATOR, 0, nullptr);  // N1
  AppendMenuW(MenuFile, MF_STRING, kMenuExit, L"");
  MenuLanguage = CreatePopupMenu();
  for (UINT item : {kMenuEnglish, kMenuGerman, kMenuFrench}) {
    AppendMenuW(MenuLanguage, MF_STRING, item, L"");
  }
  AppendMenuW(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(MenuFile), L"");
  AppendMenuW(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(MenuLanguage), L"");
  SetMenu(Handle, MainMenu1);

  // Bare F3: no Shift, Ctrl or Alt.
  ACCEL f3 = {FVIRTKEY, VK_F3, kMenuOpen};
  Accelerators = CreateAcceleratorTableW(&f3, 1);
  g_menu_keys_target = Handle;
  menu_keys_ = SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId());
}

void TFormHlav::SetFonts(UINT dpi) {
  const HFONT old = font_, old_bold = bold_font_;
  const HICON old_warning = warning_icon_;
  font_ = CreateWindowFont(dpi);
  bold_font_ = CreateWindowFont(dpi, true);
  for (HWND control :
       {StatusBar1, ButtonDetails1, LabelFile1, LabelFile2, LabelFile3, LabelFile5, LabelFile4}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  // The system's own warning sign, drawn for the small-icon size.
  warning_icon_ = nullptr;
  LoadIconMetric(nullptr, IDI_WARNING, LIM_SMALL, &warning_icon_);
  ShowStatus(StatusReport.Line());  // the status bar's font and sign anew
  for (HGDIOBJ object : {HGDIOBJ(old), HGDIOBJ(old_bold)}) {
    if (object != nullptr) DeleteObject(object);
  }
  if (old_warning != nullptr) DestroyIcon(old_warning);
}

TSize TFormHlav::OuterSize() const {
  const UINT dpi = GetDpiForWindow(Handle);
  return {Scaled(kFormHlavOuterSize.width, dpi), Scaled(kFormHlavOuterSize.height, dpi)};
}

HWND TFormHlav::LabelOf(TControl control) const {
  switch (control) {
    case TControl::kImageLogo2:
      return ImageLogo2;
    case TControl::kLabelFile1:
      return LabelFile1;
    case TControl::kLabelFile2:
      return LabelFile2;
    case TControl::kLabelFile3:
      return LabelFile3;
    case TControl::kLabelFile4:
      return LabelFile4;
    case TControl::kLabelFile5:
      return LabelFile5;
    default:
      return nullptr;
  }
}

void TFormHlav::Layout() {
  if (LabelFile4 == nullptr) return;  // not all built yet
  const UINT dpi = GetDpiForWindow(Handle);
  RECT client = {};
  GetClientRect(Handle, &client);
  for (const TPlace& place : kPlaces) {
    const HWND control = LabelOf(place.control);
    const int left = Scaled(place.at.x, dpi), top = Scaled(place.at.y, dpi);
    SIZE size = {Scaled(place.size.width, dpi), Scaled(place.size.height, dpi)};
    if (size.cx == 0) size = TextSize(control);
    // A file name takes the room up to the window's edge and is cut in the
    // middle where it would run past it.
    if (control == LabelFile2 || control == LabelFile5) {
      size.cx = std::max(0, int(client.right) - left - Scaled(kFileNameMargin, dpi));
    }
    MoveWindow(control, left, top, size.cx, size.cy, TRUE);
  }
  SendMessageW(StatusBar1, WM_SIZE, 0, 0);  // along the bottom edge
  RECT bar = {};
  GetClientRect(StatusBar1, &bar);
  const int grip = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
  const int width = TextSize(ButtonDetails1).cx + Scaled(16, dpi);
  MoveWindow(ButtonDetails1, bar.right - grip - width, Scaled(2, dpi), width,
             bar.bottom - Scaled(3, dpi), TRUE);
}

void TFormHlav::Show(int how) {
  ShowWindow(Handle, how);
  UpdateWindow(Handle);
  if (!argument_file_.empty()) PostMessageW(Handle, kConvertArgument, 0, 0);
}

bool TFormHlav::TranslateKeys(MSG& message) {
  return TranslateAcceleratorW(Handle, Accelerators, &message) != 0 ||
         FormReport->TranslateKeys(message);
}

void TFormHlav::FormShow() {
  const std::string name = std::exchange(argument_file_, std::string());
  if (name.empty()) return;
  OpenDialog1.FileName = name;
  ConvertFile(name);
}

void TFormHlav::FormDropFiles(HDROP drop) {
  // Of several files dropped at once only the first counts.
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring name(std::size_t(length) + 1, L'\0');
  name.resize(DragQueryFileW(drop, 0, name.data(), length + 1));
  DragFinish(drop);
  if (name.empty()) return;
  dropped_file_ = Utf8(name);
  PostMessageW(Handle, kConvertDropped, 0, 0);
}

void TFormHlav::ButtonDetails1Click() { FormReport->Show(StatusReport.ReportText()); }

void TFormHlav::SetCaption(TControl control, std::string_view text) {
  const std::wstring caption = Wide(text);
  switch (control) {
    case TControl::kFormHlav:
      SetWindowTextW(Handle, caption.c_str());
      return;
    case TControl::kMenuFile:
    case TControl::kMenuLanguage:
      SetItemText(MainMenu1, control == TControl::kMenuFile ? 0 : 1, true, caption);
      DrawMenuBar(Handle);
      return;
    case TControl::kMenuOpen:
      return SetItemText(MenuFile, kMenuOpen, false, caption + L"\tF3");
    case TControl::kMenuExit:
      return SetItemText(MenuFile, kMenuExit, false, caption);
    case TControl::kMenuEnglish:
    case TControl::kMenuGerman:
    case TControl::kMenuFrench:
      return SetItemText(MenuLanguage, LanguageCommand(control), false, caption);
    case TControl::kButtonDetails1:
      SetWindowTextW(ButtonDetails1, caption.c_str());
      return Layout();
    case TControl::kFormReport:
      return FormReport->SetCaption(text);
    case TControl::kButtonCopy1:
      return FormReport->SetButtonCaption(FormReport->ButtonCopy1, text);
    case TControl::kButtonClose1:
      return FormReport->SetButtonCaption(FormReport->ButtonClose1, text);
    default:
      if (const HWND label = LabelOf(control)) {
        SetWindowTextW(label, caption.c_str());
        Layout();
      }
  }
}

void TFormHlav::SetChecked(TControl item, bool checked) {
  CheckMenuItem(MenuLanguage, LanguageCommand(item),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TFormHlav::ShowFileName(TControl label, const std::string& name) {
  SetWindowTextW(LabelOf(label), Wide(name).c_str());
  Layout();
}

void TFormHlav::ShowStatus(std::string_view line) {
  // Values changed unexpectedly: the line stands out, behind the warning sign.
  const bool warns = !line.empty() && StatusReport.Warns();
  SendMessageW(StatusBar1, WM_SETFONT, reinterpret_cast<WPARAM>(warns ? bold_font_ : font_), FALSE);
  SendMessageW(StatusBar1, SB_SETICON, 0,
               reinterpret_cast<LPARAM>(warns ? warning_icon_ : nullptr));
  SendMessageW(StatusBar1, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(line).c_str()));
  ShowWindow(ButtonDetails1, line.empty() ? SW_HIDE : SW_SHOWNA);
  if (line.empty()) FormReport->Hide();
  // Nothing is kept that is not shown.
  FormReport->SetReport(FormReport->Visible() ? StatusReport.ReportText() : std::string());
}

std::optional<std::string> TFormHlav::AskOpenName(TFileDialog& dialog) {
  return dialogs_.AskOpenName(Handle, dialog);
}

std::optional<std::string> TFormHlav::AskSaveName(TFileDialog& dialog) {
  return dialogs_.AskSaveName(Handle, dialog);
}

void TFormHlav::ShowMessage(std::string_view text) { dialogs_.ShowMessage(Handle, text); }

void TFormHlav::MoveTo(TPoint position) {
  const TSize outer = OuterSize();
  SetWindowPos(Handle, nullptr, position.x, position.y, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormHlav::Close() { SendMessageW(Handle, WM_CLOSE, 0, 0); }

LRESULT CALLBACK TFormHlav::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  TFormHlav* form = FormOf<TFormHlav>(window, message, l);
  if (form == nullptr || form->StatusBar1 == nullptr) {
    return DefWindowProcW(window, message, w, l);
  }
  // An error that escapes a command is shown, and the program goes on.
  try {
    return form->Dispatch(message, w, l);
  } catch (...) {
    ShowCurrentException(window);
    return 0;
  }
}

LRESULT TFormHlav::Dispatch(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case kMenuOpen:
          MenuOpenClick();
          break;
        case kMenuExit:
          MenuExitClick();
          break;
        case kMenuEnglish:
          MenuEnglishClick();
          break;
        case kMenuGerman:
          MenuGermanClick();
          break;
        case kMenuFrench:
          MenuFrenchClick();
          break;
        case kButtonDetails1:
          ButtonDetails1Click();
          break;
      }
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(l);
      SetFonts(HIWORD(w));
      SetWindowPos(Handle, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      // Labels on the window's own button-face colour.
      SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DROPFILES:
      FormDropFiles(reinterpret_cast<HDROP>(w));
      return 0;
    case kConvertDropped:
      if (!dropped_file_.empty()) ConvertFile(std::exchange(dropped_file_, std::string()));
      return 0;
    case kConvertArgument:
      FormShow();
      return 0;
    case WM_DESTROY:
      if (quits_on_destroy_) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(Handle, message, w, l);
  }
}

}  // namespace ign
