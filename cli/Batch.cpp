#include "cli/Batch.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/InputFile.h"
#include "cli/Messages.h"
#include "cli/SafeFile.h"
#include "cli/Utf8Path.h"
#include "params/Convert.h"
#include "report/Change.h"
#include "report/JsonReport.h"
#include "report/Reporter.h"
#include "report/TextReport.h"

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

// What became of one input. `converted` means written, or, for a dry run,
// that it could have been.
struct TOutcome {
  std::string file;
  bool converted = false;
  TReporter reporter;
  TParameterSet written;
};

void ConvertOne(const TOptions& options, const std::string& input, TOutcome& outcome) {
  outcome.file = std::string(InputName(input));
  std::string text;
  if (!ReadInput(input, text)) {
    Complain(outcome.file, kMsgOpenFileError);
    return;
  }
  std::string converted;
  if (!ConvertFresh(text, converted, &outcome.reporter, &outcome.written)) {
    Complain(outcome.file, kMsgUnmatchedIgnVersion);
    return;
  }
  outcome.converted =
      options.dry_run || Deliver(TargetOf(options, input), converted, options.force);
}

}  // namespace

int RunBatch(const TOptions& options) {
  bool all_converted = true;
  bool unexpected = false;
  // Each file is reported as soon as it is done, so nothing of it is kept.
  std::optional<TJsonReport> json;
  if (options.report == TReportFormat::kJson) json.emplace(std::cout);
  for (const std::string& input : options.inputs) {
    TOutcome outcome;
    ConvertOne(options, input, outcome);
    all_converted = all_converted && outcome.converted;
    // Changes of a file that was not converted say nothing.
    const bool matched = outcome.written.version_matched;
    TReasonCounts counts;
    switch (options.report) {
      case TReportFormat::kText: {
        TTextRows rows(std::cout, outcome.file + ":");
        if (matched) outcome.reporter.Report(outcome.written, rows);
        rows.Flush();
        counts = rows.Counts();
        std::cout << TextSummary(outcome.file, outcome.converted, !options.dry_run, counts) << '\n';
        break;
      }
      case TReportFormat::kJson:
        json->BeginFile(outcome.file, outcome.converted);
        if (matched) {
          TTeeSink both(*json, counts);
          outcome.reporter.Report(outcome.written, both);
        }
        json->EndFile();
        break;
      case TReportFormat::kNone:
        if (matched) outcome.reporter.Report(outcome.written, counts);
        if (const std::size_t count = counts.Unexpected(); count > 0) {
          Complain(outcome.file, std::to_string(count) + (count == 1 ? " value" : " values") +
                                     " changed unexpectedly (see --report)");
        }
        break;
    }
    unexpected = unexpected || counts.Unexpected() > 0;
  }
  json.reset();
  if (!all_converted) return kExitFailed;
  return options.strict && unexpected ? kExitStrict : kExitConverted;
}

}  // namespace ign
