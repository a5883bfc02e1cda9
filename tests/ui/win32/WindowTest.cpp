// The Windows window on a real window class, its dialogs answered from a
// script: controls, menus and captions as the core gives them, a
// conversion from the menu, a dropped file, a file argument, the report
// window. Run under Wine with a display of its own.
#include <windows.h>
// After <windows.h>: they need what it defines.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/Utf8Path.h"
#include "tests/files/TestFiles.h"
#include "tests/ui/core/Answers.h"
#include "ui/core/Jazyk1.h"
#include "ui/core/Language.h"
#include "ui/win32/Dialogs.h"
#include "ui/win32/Hlav.h"
#include "ui/win32/Text.h"

namespace ign::test {
namespace {

using TNames = std::vector<std::string>;

class TFakeDialogs final : public TDialogs {
 public:
  std::optional<std::string> AskOpenName(HWND, TFileDialog& dialog) override {
    open_shown.push_back(dialog.FileName);
    return NextAnswer(open_answers);
  }
  std::optional<std::string> AskSaveName(HWND, TFileDialog& dialog) override {
    save_shown.push_back(dialog.FileName);
    return NextAnswer(save_answers);
  }
  void ShowMessage(HWND, std::string_view text) override { messages.emplace_back(text); }

  std::deque<std::optional<std::string>> open_answers, save_answers;
  TNames open_shown, save_shown, messages;
};

// Runs what the window posted to itself.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::string TextOf(HWND control) {
  std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
  return Utf8(text);
}

std::string MenuText(HMENU menu, UINT item, UINT by) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, item, text, 256, by);
  return Utf8(text);
}

// The text of the status bar's one panel.
std::string StatusText(const TFormHlav& form) {
  wchar_t text[512] = {};
  SendMessageW(form.StatusBar1, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return Utf8(text);
}

// Whether `control` shows once its window does.
bool Shown(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string Example(const char* name) { return Read(std::string(IGN_EXAMPLES_DIR "/") + name); }
std::string Recorded(const char* name) { return Read(std::string(IGN_CONVERTED_DIR "/") + name); }

struct TSession {
  explicit TSession(std::vector<std::string> arguments = {"ign-converter"}) {
    LanguageIndex = kEnglish;
    form = std::make_unique<TFormHlav>(arguments, dialogs, GetModuleHandleW(nullptr));
  }
  std::string Path(const std::string& name) const { return folder / name; }
  void Command(UINT command) {
    SendMessageW(form->Handle, WM_COMMAND, command, 0);
    Pump();
  }
  void Open(std::optional<std::string> open, std::optional<std::string> save) {
    dialogs.open_answers = {std::move(open)};
    dialogs.save_answers = {std::move(save)};
    Command(TFormHlav::kMenuOpen);
  }

  TFolder folder;
  TFakeDialogs dialogs;
  std::unique_ptr<TFormHlav> form;
};

TEST(Window, FrameMenusAndControls) {
  TSession session;
  const TFormHlav& form = *session.form;
  const LONG_PTR style = GetWindowLongPtrW(form.Handle, GWL_STYLE);
  for (LONG_PTR part : {WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_TRUE(style & part) << part;
  }
  EXPECT_EQ(GetClassLongPtrW(form.Handle, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
  EXPECT_NE(SendMessageW(form.Handle, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_EQ(GetDpiForWindow(form.Handle), 96u) << "the sizes below are for 96 dots per inch";

  // Outer size, centred on the primary screen.
  RECT outer = {};
  GetWindowRect(form.Handle, &outer);
  EXPECT_EQ(outer.right - outer.left, kFormHlavOuterSize.width);
  EXPECT_EQ(outer.bottom - outer.top, kFormHlavOuterSize.height);
  const TPoint centred = CentredPosition(
      {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, kFormHlavOuterSize);
  EXPECT_EQ(outer.left, centred.x);
  EXPECT_EQ(outer.top, centred.y);

  // Each control at its place in the client area.
  const HWND controls[] = {form.ImageLogo2, form.LabelFile1, form.LabelFile2,
                           form.LabelFile3, form.LabelFile4, form.LabelFile5};
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    RECT place = {};
    GetWindowRect(controls[i], &place);
    MapWindowPoints(nullptr, form.Handle, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, kPlaces[i].at.x) << i;
    EXPECT_EQ(place.top, kPlaces[i].at.y) << i;
  }
  EXPECT_EQ(TextOf(form.LabelFile2), kNoFileYet);
  EXPECT_EQ(TextOf(form.LabelFile5), kNoFileYet);
  BITMAP banner = {};
  GetObjectW(
      reinterpret_cast<HGDIOBJ>(SendMessageW(form.ImageLogo2, STM_GETIMAGE, IMAGE_BITMAP, 0)),
      sizeof banner, &banner);
  EXPECT_EQ(banner.bmWidth, 312);
  EXPECT_EQ(banner.bmHeight, 44);

  // One panel, empty; no Details button before a conversion.
  EXPECT_EQ(SendMessageW(form.StatusBar1, SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(StatusText(form), "");
  EXPECT_FALSE(Shown(form.ButtonDetails1));

  // File: Open, separator, Exit; Language: three items; F3 for Open.
  EXPECT_EQ(GetMenuItemCount(form.MainMenu1), 2);
  EXPECT_EQ(GetSubMenu(form.MainMenu1, 0), form.MenuFile);
  EXPECT_EQ(GetSubMenu(form.MainMenu1, 1), form.MenuLanguage);
  EXPECT_EQ(GetMenuItemCount(form.MenuFile), 3);
  EXPECT_EQ(GetMenuItemID(form.MenuFile, 0), TFormHlav::kMenuOpen);
  EXPECT_TRUE(GetMenuState(form.MenuFile, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(form.MenuFile, 2), TFormHlav::kMenuExit);
  EXPECT_EQ(GetMenuItemCount(form.MenuLanguage), 3);
  ACCEL keys[2] = {};
  ASSERT_EQ(CopyAcceleratorTableW(form.Accelerators, keys, 2), 1);
  EXPECT_EQ(keys[0].fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT), FVIRTKEY);
  EXPECT_EQ(keys[0].key, VK_F3);
  EXPECT_EQ(keys[0].cmd, TFormHlav::kMenuOpen);
}

// Every caption of the core's table on its own control, in each language,
// from the first argument and from the menu.
TEST(Window, CaptionsOnTheirControls) {
  TSession session({"ign-converter", "DEUTSCH"});
  TFormHlav& form = *session.form;
  const UINT items[] = {TFormHlav::kMenuEnglish, TFormHlav::kMenuGerman, TFormHlav::kMenuFrench};
  for (std::uint8_t language : {kGerman, kFrench, kEnglish}) {
    if (language != kGerman) session.Command(items[language]);
    const auto caption = [&](TControl control) {
      return std::string(CaptionOf(control, language));
    };
    EXPECT_EQ(TextOf(form.Handle), caption(TControl::kFormHlav));
    EXPECT_EQ(MenuText(form.MainMenu1, 0, MF_BYPOSITION), caption(TControl::kMenuFile));
    EXPECT_EQ(MenuText(form.MainMenu1, 1, MF_BYPOSITION), caption(TControl::kMenuLanguage));
    EXPECT_EQ(MenuText(form.MenuFile, TFormHlav::kMenuOpen, MF_BYCOMMAND),
              caption(TControl::kMenuOpen) + "\tF3");
    EXPECT_EQ(MenuText(form.MenuFile, TFormHlav::kMenuExit, MF_BYCOMMAND),
              caption(TControl::kMenuExit));
    const TControl language_items[] = {TControl::kMenuEnglish, TControl::kMenuGerman,
                                       TControl::kMenuFrench};
    for (int item = 0; item < 3; ++item) {
      EXPECT_EQ(MenuText(form.MenuLanguage, items[item], MF_BYCOMMAND),
                caption(language_items[item]));
      EXPECT_EQ((GetMenuState(form.MenuLanguage, items[item], MF_BYCOMMAND) & MF_CHECKED) != 0,
                item == language);
    }
    EXPECT_EQ(TextOf(form.LabelFile1), caption(TControl::kLabelFile1));
    EXPECT_EQ(TextOf(form.LabelFile3), caption(TControl::kLabelFile3));
    EXPECT_EQ(TextOf(form.LabelFile4), caption(TControl::kLabelFile4));
    EXPECT_EQ(TextOf(form.ButtonDetails1), caption(TControl::kButtonDetails1));
    EXPECT_EQ(TextOf(form.FormReport->Handle), caption(TControl::kFormReport));
    EXPECT_EQ(TextOf(form.FormReport->ButtonCopy1), caption(TControl::kButtonCopy1));
    EXPECT_EQ(TextOf(form.FormReport->ButtonClose1), caption(TControl::kButtonClose1));
  }
}

// File > Open through the seam: what the window shows on each path, and the
// set it keeps between conversions.
TEST(Window, ConversionFromTheMenu) {
  TSession session;
  TFormHlav& form = *session.form;
  const std::string kart = session.Path("Zündung Öl.ign");
  Write(kart, Example("kart-100.ign"));
  Write(session.Path("v2006.ign"), Recorded("kart-100.ign"));

  session.Open(std::nullopt, std::nullopt);  // cancelled
  EXPECT_TRUE(session.dialogs.save_shown.empty());
  EXPECT_EQ(TextOf(form.LabelFile2), kNoFileYet);

  session.Open(kart, session.Path("réglage.ign"));
  EXPECT_TRUE(session.dialogs.messages.empty());
  EXPECT_EQ(Read(session.Path("réglage.ign")), Recorded("kart-100.ign"));
  EXPECT_EQ(TextOf(form.LabelFile2), kart);
  EXPECT_EQ(TextOf(form.LabelFile5), session.Path("réglage.ign"));
  EXPECT_EQ(session.dialogs.save_shown, TNames{kart});
  EXPECT_EQ(StatusText(form), "Converted. No value changed unexpectedly.");
  EXPECT_TRUE(Shown(form.ButtonDetails1));

  session.Open(session.Path("v2006.ign"), std::nullopt);
  EXPECT_EQ(session.dialogs.messages, TNames{"Unmatched version of *.ign file!"});
  EXPECT_EQ(TextOf(form.LabelFile2), kart);
  EXPECT_EQ(StatusText(form), "");
  EXPECT_FALSE(Shown(form.ButtonDetails1));

  // A file without BIKE keeps the earlier file's; the save is cancelled.
  Write(session.Path("no-bike.ign"), "ZANTROVA_KEY 37\r\nMODE 1 2\r\n");
  session.Open(session.Path("no-bike.ign"), std::nullopt);
  EXPECT_EQ(form.ParameterSet.bike, 7);
  EXPECT_EQ(TextOf(form.LabelFile2), session.Path("no-bike.ign"));
  EXPECT_EQ(TextOf(form.LabelFile5), session.Path("réglage.ign"));
  EXPECT_EQ(session.dialogs.open_shown.back(), session.Path("v2006.ign"));

  session.Command(TFormHlav::kMenuGerman);
  session.Open(session.Path("missing.ign"), std::nullopt);
  EXPECT_EQ(session.dialogs.messages.back(), "Fehler beim öffnen der Datei!");

  session.Command(TFormHlav::kMenuExit);
  EXPECT_FALSE(IsWindow(form.Handle));
}

// A drop converts the first file dropped, once the drop is over.
TEST(Window, DroppedFile) {
  TSession session;
  const std::string first = session.Path("première.ign"), second = session.Path("second.ign");
  Write(first, Example("enduro-250.ign"));
  Write(second, Example("kart-100.ign"));
  std::wstring names = Wide(first) + L'\0' + Wide(second) + L'\0' + L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  session.dialogs.save_answers = {session.Path("dropped.ign")};

  SendMessageW(session.form->Handle, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_TRUE(session.dialogs.save_shown.empty());  // not yet: the drop is still on
  Pump();

  EXPECT_TRUE(session.dialogs.open_shown.empty());
  EXPECT_EQ(session.dialogs.save_shown, TNames{first});
  EXPECT_EQ(Read(session.Path("dropped.ign")), Recorded("enduro-250.ign"));
}

// A file named on the command line, relative to the folder the program
// starts in, is converted once the window is shown.
TEST(Window, FileArgument) {
  TFolder folder;
  Write(folder / "kart.ign", Example("kart-100.ign"));
  const fs::path start = fs::current_path();
  fs::current_path(PathFromUtf8(folder / "kart.ign").parent_path());
  TSession session({"ign-converter", "FRENCH", "kart.ign"});
  fs::current_path(start);
  session.dialogs.save_answers = {folder / "kart-2006.ign"};
  EXPECT_TRUE(session.dialogs.save_shown.empty());

  session.form->Show(SW_SHOWNOACTIVATE);
  Pump();

  EXPECT_EQ(TextOf(session.form->Handle), CaptionOf(TControl::kFormHlav, kFrench));
  ASSERT_EQ(session.dialogs.save_shown.size(), 1u);
  EXPECT_EQ(fs::equivalent(PathFromUtf8(session.dialogs.save_shown[0]),
                           PathFromUtf8(folder / "kart.ign")),
            true);
  EXPECT_EQ(session.form->OpenDialog1.FileName, session.dialogs.save_shown[0]);
  EXPECT_EQ(Read(folder / "kart-2006.ign"), Recorded("kart-100.ign"));
}

// The example with "LIMITER" 15000, which wraps to 2200.
std::string Wrapped() {
  std::string text = Example("kart-100.ign");
  return text.replace(text.find("LIMITER       11000"), 19, "LIMITER       15000");
}

// A key pressed in `control`, through the program's own message loop.
void PressKey(TFormHlav& form, HWND control, WPARAM key) {
  MSG message = {control, WM_KEYDOWN, key, 1, 0, {}};
  if (!form.TranslateKeys(message)) DispatchMessageW(&message);
  Pump();
}

// The font of `control`'s text, as the system describes it.
LOGFONTW FontOf(HWND control) {
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
             &font);
  return font;
}

// Values changed unexpectedly: the system's warning sign in the status bar,
// the line in bold; Details a push button. A clean file's line is plain.
TEST(Window, WarningStandsOut) {
  for (const bool wrapped : {true, false}) {
    TSession session;
    const LONG_PTR kind = GetWindowLongPtrW(session.form->ButtonDetails1, GWL_STYLE);
    EXPECT_EQ(kind & (BS_TYPEMASK | BS_FLAT), BS_PUSHBUTTON);
    Write(session.Path("in.ign"), wrapped ? Wrapped() : Example("kart-100.ign"));
    session.Open(session.Path("in.ign"), session.Path("out.ign"));
    const HWND bar = session.form->StatusBar1;
    EXPECT_EQ(SendMessageW(bar, SB_GETICON, 0, 0) != 0, wrapped);
    EXPECT_EQ(FontOf(bar).lfWeight >= FW_BOLD, wrapped);
    session.Open(session.Path("missing.ign"), std::nullopt);  // no line, no sign
    EXPECT_EQ(SendMessageW(bar, SB_GETICON, 0, 0), 0);
    EXPECT_LT(FontOf(bar).lfWeight, FW_BOLD);
  }
}

// In each language the report window opens as wide as its widest line
// needs, unless the screen is narrower; Escape and Close close it.
TEST(Window, ReportWindowFitsItsLines) {
  const std::pair<UINT, HWND TFormReport::*> cases[] = {
      {TFormHlav::kMenuEnglish, &TFormReport::MemoReport1},
      {TFormHlav::kMenuGerman, &TFormReport::ButtonCopy1},
      {TFormHlav::kMenuFrench, nullptr},  // the Close button
  };
  for (const auto& [language, escape_from] : cases) {
    TSession session;
    session.Command(language);
    Write(session.Path("in.ign"), Wrapped());
    session.Open(session.Path("in.ign"), session.Path("out.ign"));
    TFormReport& report = *session.form->FormReport;
    session.Command(TFormHlav::kButtonDetails1);
    ASSERT_TRUE(report.Visible());

    SCROLLINFO across = {sizeof across, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(report.MemoReport1, SB_HORZ, &across);
    RECT place = {};
    GetWindowRect(report.Handle, &place);
    MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(report.Handle, MONITOR_DEFAULTTONEAREST), &monitor);
    const bool whole = across.nMax - across.nMin + 1 <= int(across.nPage);
    EXPECT_TRUE(whole || place.right - place.left == monitor.rcWork.right - monitor.rcWork.left)
        << language << ": " << place.right - place.left << " wide, " << across.nMax << " > "
        << across.nPage;
    EXPECT_GE(place.left, monitor.rcWork.left);
    EXPECT_LE(place.right, monitor.rcWork.right);

    if (escape_from != nullptr) {
      PressKey(*session.form, report.*escape_from, VK_ESCAPE);
    } else {
      SendMessageW(report.ButtonClose1, BM_CLICK, 0, 0);
      Pump();
    }
    EXPECT_FALSE(report.Visible()) << language;
  }
}

TEST(Window, ReportWindow) {
  TSession session;
  Write(session.Path("in.ign"), Wrapped());
  session.Open(session.Path("in.ign"), session.Path("out.ign"));
  TFormReport& report = *session.form->FormReport;
  EXPECT_FALSE(report.Visible());

  session.Command(TFormHlav::kButtonDetails1);
  EXPECT_TRUE(report.Visible());
  std::string shown;
  for (char c : TextOf(report.MemoReport1)) {
    if (c != '\r') shown += c;  // an edit control's lines end in CR LF
  }
  EXPECT_EQ(shown, session.form->StatusReport.ReportText());
  EXPECT_NE(shown.find("LIMITER[0]"), std::string::npos);

  SendMessageW(report.Handle, WM_COMMAND, TFormReport::kButtonCopy1, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE copied = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(Utf8(static_cast<const wchar_t*>(GlobalLock(copied))), TextOf(report.MemoReport1));
  GlobalUnlock(copied);
  CloseClipboard();

  session.Open(session.Path("missing.ign"), std::nullopt);  // a failure closes it
  EXPECT_FALSE(report.Visible());
}

}  // namespace
}  // namespace ign::test

int main(int argc, char** argv) {
  // As the program does: the banner's decoder is a COM object.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
