// A file dialog of the main window as the conversion sees it: its settings
// and what it offers when next shown. Each toolkit builds its own dialog
// from this.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ign {

// One entry of a dialog's filter list, the same words in every language.
struct TFileFilter {
  std::string_view description;
  std::string_view pattern;
};

inline constexpr TFileFilter kOpenFilters[] = {
    {"Ignition Parametrs(*.ign)", "*.ign"},
    {"All Files (*.*)", "*.*"},
};
inline constexpr TFileFilter kSaveFilters[] = {
    {"Ignition Parametrs(*.ign)", "*.ign"},
};

struct TFileDialog {
  enum TKind { kOpen, kSave };

  TFileDialog(TKind dialog_kind, std::span<const TFileFilter> dialog_filters)
      : kind(dialog_kind), filters(dialog_filters) {}

  TKind kind;
  std::span<const TFileFilter> filters;
  // Added to a name typed without one, while a filter other than "All
  // Files (*.*)" is chosen.
  std::string_view default_extension = "ign";

  // A save dialog asks before it replaces a file; an open dialog never writes.
  bool ConfirmsOverwrite() const { return kind == kSave; }
  // Whether `filter` (counted from 1) lists every file, extension or none.
  bool ListsEveryFile(int filter) const {
    return filter >= 1 && filter <= int(filters.size()) && filters[filter - 1].pattern == "*.*";
  }

  // The name offered when the dialog is next shown, as the file system names
  // it; empty offers none.
  std::string FileName;
  // Which filter is selected when the dialog opens, counted from 1.
  int FilterIndex = 1;
};

}  // namespace ign
