// The File commands of the main window.
#include "params/New.h"
#include "report/Reporter.h"
#include "ui/Dialogs.h"
#include "ui/Hlav.h"
#include "ui/IgnFiles.h"
#include "ui/StatusReport.h"

namespace ign {

void TFormHlav::MenuOpenClick() {
  const std::optional<QString> input_name = dialogs_.AskOpenName(*this, OpenDialog1);
  if (!input_name) return;
  ConvertFile(*input_name);
}

void TFormHlav::ConvertFile(const QString& input_name) {
  StatusReport->Clear();  // a conversion that fails or is cancelled has nothing to tell
  TReporter reporter;
  switch (ReadIgnFile(input_name, ParameterSet, &reporter)) {
    case TReadOutcome::kCannotOpen:
      dialogs_.ShowMessage(*this, MsgOpenFileError);
      return;
    case TReadOutcome::kUnmatchedVersion:
      // Also the answer to the program's own output: it is never converted twice.
      dialogs_.ShowMessage(*this, MsgUnmatchedIgnVersion);
      return;
    case TReadOutcome::kRead:
      break;
  }
  LabelFile2->SetFileName(input_name);
  FileName = input_name;
  SaveDialog1.FileName = FileName;  // proposes the input's own folder and name
  // Before the save dialog, so a cancelled save leaves the set adjusted too.
  AdjustFor2006(ParameterSet);

  SaveDialog1.FilterIndex = 1;
  const std::optional<QString> output_name = dialogs_.AskSaveName(*this, SaveDialog1);
  if (!output_name) return;
  switch (WriteIgnFile(*output_name, ParameterSet)) {
    case TWriteOutcome::kCannotOpen:
      dialogs_.ShowMessage(*this, MsgOpenFileError);
      return;
    case TWriteOutcome::kWriteFailed:
      dialogs_.ShowMessage(*this, MsgWriteFileError);
      return;
    case TWriteOutcome::kWritten:
      break;
  }
  LabelFile5->SetFileName(*output_name);
  StatusReport->Show(input_name, reporter, ParameterSet);
}

void TFormHlav::MenuExitClick() { close(); }

}  // namespace ign
