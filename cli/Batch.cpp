#include "cli/Batch.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Change.h"
#include "cli/InputFile.h"
#include "cli/Messages.h"
#include "cli/ReportJson.h"
#include "cli/ReportText.h"
#include "cli/Reporter.h"
#include "cli/SafeFile.h"
#include "cli/Utf8Path.h"
#include "params/Convert.h"

namespace ign {
namespace {

void Complain(std::string_view file, std::string_view message) {
  std::cerr << kProgramName << ": " << file << ": " << message << '\n';
}

std::string_view InputName(const std::string& input) {
  return input == kStandardStream ? kStandardInputName : std::string_view(input);
}

std::string TargetOf(const TOptions& options, const std::string& input) {
  if (options.output) return *options.output;
  return Utf8FromPath(PathFromUtf8(*options.directory) / PathFromUtf8(input).filename());
}

// Puts the converted bytes where they belong and says why when it fails.
bool Deliver(const std::string& target, std::string_view bytes, bool force) {
  if (target == kStandardStream) {
    if (WriteStandardOutput(bytes)) return true;
    Complain(kStandardOutputName, kMsgWriteFileError);
    return false;
  }
  switch (SaveFile(PathFromUtf8(target), bytes, force)) {
    case TSaveResult::kSaved:
      return true;
    case TSaveResult::kExists:
      Complain(target, kMsgOutputExists);
      break;
    case TSaveResult::kOpenError:
      Complain(target, kMsgOpenFileError);
      break;
    case TSaveResult::kWriteError:
      Complain(target, kMsgWriteFileError);
      break;
  }
  return false;
}

// Converts one input and tells what became of its values. `converted` means
// written, or, for a dry run, that it could have been.
TFileReport ConvertOne(const TOptions& options, const std::string& input) {
  TFileReport report;
  report.file = std::string(InputName(input));
  std::string text;
  if (!ReadInput(input, text)) {
    Complain(report.file, kMsgOpenFileError);
    return report;
  }
  // Without a report the reader runs as in the window, with no one to tell.
  std::optional<TReporter> reporter;
  if (options.Explains()) reporter.emplace(text);
  std::string converted;
  if (!ConvertIgn2005To2006(text, converted, reporter ? &*reporter : nullptr)) {
    Complain(report.file, kMsgUnmatchedIgnVersion);
    return report;
  }
  if (reporter) report.changes = reporter->Changes();
  report.converted = options.dry_run || Deliver(TargetOf(options, input), converted, options.force);
  return report;
}

}  // namespace

int RunBatch(const TOptions& options) {
  bool all_converted = true;
  bool unexpected = false;
  std::vector<TFileReport> json_reports;
  for (const std::string& input : options.inputs) {
    TFileReport report = ConvertOne(options, input);
    all_converted = all_converted && report.converted;
    const std::size_t count = report.UnexpectedCount();
    unexpected = unexpected || count > 0;
    switch (options.report) {
      case TReportFormat::kText:
        PrintTextReport(std::cout, report, !options.dry_run);
        break;
      case TReportFormat::kJson:
        json_reports.push_back(std::move(report));
        break;
      case TReportFormat::kNone:
        if (count > 0) {
          Complain(report.file,
                   std::to_string(count) + " values changed unexpectedly (see --report)");
        }
        break;
    }
  }
  if (options.report == TReportFormat::kJson) PrintJsonReport(std::cout, json_reports);
  if (!all_converted) return kExitFailed;
  return options.strict && unexpected ? kExitStrict : kExitConverted;
}

}  // namespace ign
