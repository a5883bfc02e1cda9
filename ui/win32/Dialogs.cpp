#include "ui/win32/Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "ui/win32/Text.h"

namespace ign {
namespace {

// A name may be as long as the system allows any path with long names on.
constexpr DWORD kLongestName = 32768;

// "description\0pattern\0...\0\0", as the common dialogs take their filters.
std::wstring FilterPairs(const TFileDialog& dialog) {
  std::wstring pairs;
  for (const TFileFilter& filter : dialog.filters) {
    pairs += Wide(filter.description) + L'\0' + Wide(filter.pattern) + L'\0';
  }
  return pairs + L'\0';
}

std::optional<std::string> AskFileName(HWND owner, TFileDialog& dialog) {
  const bool save = dialog.kind == TFileDialog::kSave;
  const std::wstring filters = FilterPairs(dialog);
  const std::wstring extension = Wide(dialog.default_extension);
  std::wstring offered = Wide(dialog.FileName);
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::vector<wchar_t> name(kLongestName, L'\0');
    if (offered.size() < name.size()) offered.copy(name.data(), offered.size());
    OPENFILENAMEW settings = {};
    settings.lStructSize = sizeof settings;
    settings.hwndOwner = owner;
    settings.lpstrFilter = filters.c_str();
    settings.nFilterIndex = DWORD(dialog.FilterIndex);
    settings.lpstrFile = name.data();
    settings.nMaxFile = kLongestName;
    settings.lpstrDefExt = extension.c_str();
    settings.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    if (save) settings.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL chosen = save ? GetSaveFileNameW(&settings) : GetOpenFileNameW(&settings);
    if (chosen) {
      dialog.FilterIndex = int(settings.nFilterIndex);
      return Utf8(name.data());
    }
    // A name the dialog cannot take (a folder gone since, a name too long
    // for it) keeps it from opening at all: offered once more without it.
    if (CommDlgExtendedError() == 0 || offered.empty()) break;
    offered.clear();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> TWinDialogs::AskOpenName(HWND owner, TFileDialog& dialog) {
  return AskFileName(owner, dialog);
}

std::optional<std::string> TWinDialogs::AskSaveName(HWND owner, TFileDialog& dialog) {
  return AskFileName(owner, dialog);
}

void TWinDialogs::ShowMessage(HWND owner, std::string_view text) {
  // Titled like the program, without an icon: the text alone tells what went wrong.
  MessageBoxW(owner, Wide(text).c_str(), kProgramTitle, MB_OK);
}

}  // namespace ign
