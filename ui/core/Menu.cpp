// The File commands of the main window.
#include "params/New.h"
#include "report/Reporter.h"
#include "ui/core/Hlav.h"
#include "ui/core/IgnFiles.h"

namespace ign {

void TFormHlavBase::MenuOpenClick() {
  const std::optional<std::string> input_name = AskOpenName(OpenDialog1);
  if (!input_name) return;
  OpenDialog1.FileName = *input_name;  // offered again next time
  ConvertFile(*input_name);
}

void TFormHlavBase::ConvertFile(const std::string& input_name) {
  StatusReport.Clear();
  ShowStatus({});
  TReporter reporter;
  switch (ReadIgnFile(input_name, ParameterSet, &reporter)) {
    case TReadOutcome::kCannotOpen:
      ShowMessage(MsgOpenFileError);
      return;
    case TReadOutcome::kUnmatchedVersion:
      // Also the answer to the program's own output: it is never converted twice.
      ShowMessage(MsgUnmatchedIgnVersion);
      return;
    case TReadOutcome::kRead:
      break;
  }
  ShowFileName(TControl::kLabelFile2, input_name);
  FileName = input_name;
  SaveDialog1.FileName = FileName;  // proposes the input's own folder and name
  // Before the save dialog, so a cancelled save leaves the set adjusted too.
  AdjustFor2006(ParameterSet);

  SaveDialog1.FilterIndex = 1;
  const std::optional<std::string> output_name = AskSaveName(SaveDialog1);
  if (!output_name) return;
  SaveDialog1.FileName = *output_name;
  switch (WriteIgnFile(*output_name, ParameterSet)) {
    case TWriteOutcome::kCannotOpen:
      ShowMessage(MsgOpenFileError);
      return;
    case TWriteOutcome::kWriteFailed:
      ShowMessage(MsgWriteFileError);
      return;
    case TWriteOutcome::kWritten:
      break;
  }
  ShowFileName(TControl::kLabelFile5, *output_name);
  StatusReport.Record(input_name, reporter, ParameterSet);
  ShowStatus(StatusReport.Line());
}

}  // namespace ign
