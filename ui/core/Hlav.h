// The main window without its toolkit: the working data, the commands and
// the start-up, written once. Each toolkit's TFormHlav derives from this and
// implements the seam below: it draws, asks and tells; this decides.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "params/ParameterSet.h"
#include "ui/core/Arguments.h"
#include "ui/core/Controls.h"
#include "ui/core/FileDialog.h"
#include "ui/core/Layout.h"
#include "ui/core/StatusReport.h"

namespace ign {

class TFormHlavBase {
 public:
  TFormHlavBase() = default;
  TFormHlavBase(const TFormHlavBase&) = delete;
  TFormHlavBase& operator=(const TFormHlavBase&) = delete;
  virtual ~TFormHlavBase() = default;

  TFileDialog OpenDialog1{TFileDialog::kOpen, kOpenFilters};
  TFileDialog SaveDialog1{TFileDialog::kSave, kSaveFilters};

  // Working data. Files are no members: each is open only inside one
  // conversion, which closes it on every path. Texts are UTF-8; file names
  // are as the file unit takes them (IgnFiles.h).
  std::string MsgOpenFileError;
  std::string MsgUnmatchedIgnVersion;
  std::string MsgWriteFileError;
  std::string FileName;        // the file read last, proposed for saving
  TParameterSet ParameterSet;  // one set for the whole run, never cleared
  TStatusReport StatusReport;  // the line after a conversion, and its report

  // File > Open: asks for a file and converts it.
  void MenuOpenClick();
  void MenuExitClick() { Close(); }
  void MenuEnglishClick();
  void MenuGermanClick();
  void MenuFrenchClick();
  // Reads `input_name`, adjusts the set, asks for the output name and writes
  // the version-2006 file, showing both names; a failure shows its message.
  void ConvertFile(const std::string& input_name);

  // The seam. Texts are UTF-8.
  virtual void SetCaption(TControl control, std::string_view text) = 0;
  virtual void SetChecked(TControl item, bool checked) = 0;
  // Shows a file's name in LabelFile2 or LabelFile5.
  virtual void ShowFileName(TControl label, const std::string& name) = 0;
  // The status line; empty hides it with its Details button and closes the
  // report window. An open report window shows StatusReport's text anew.
  virtual void ShowStatus(std::string_view line) = 0;
  // Shows `dialog` modally: the full name chosen, or nothing on cancel.
  virtual std::optional<std::string> AskOpenName(TFileDialog& dialog) = 0;
  virtual std::optional<std::string> AskSaveName(TFileDialog& dialog) = 0;
  // `text` alone, in a modal box with one OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  virtual void MoveTo(TPoint position) = 0;
  virtual void Close() = 0;

 protected:
  // Start-up of the window: the start values of the set, the place in the
  // middle of a screen of size `screen` for the outer size `outer`, the
  // language of the arguments, the texts.
  void FormCreate(const TArguments& arguments, TSize screen, TSize outer);
  // Where the toolkit's own texts (its dialog buttons) follow LanguageIndex.
  virtual void LanguageSelected() {}

 private:
  void SelectLanguage(std::uint8_t language);
};

}  // namespace ign
