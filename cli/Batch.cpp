#include "cli/Batch.h"

#include <cerrno>
#include <deque>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/Change.h"
#include "cli/Messages.h"
#include "cli/ReportJson.h"
#include "cli/ReportText.h"
#include "cli/Reporter.h"
#include "cli/Terminal.h"
#include "files/Input.h"
#include "files/Output.h"
#include "params/Convert.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace ign {
namespace {

void Complain(std::string_view file, std::string_view message, std::error_code reason = {}) {
  std::cerr << kProgramName << ": " << QuoteForTerminal(file) << ": " << message;
  if (reason) std::cerr << " (" << reason.message() << ')';
  std::cerr << '\n';
}

std::string_view InputName(const std::string& input) {
  return input == kStandardStream ? kStandardInputName : std::string_view(input);
}

std::string TargetOf(const TOptions& options, const std::string& input) {
  if (options.output) return *options.output;
  return (std::filesystem::path(*options.directory) / std::filesystem::path(input).filename())
      .string();
}

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
  // CR LF is already in the bytes; text mode would make it CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  errno = 0;
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout.fail()) return true;
  Complain(kStandardOutputName, kMsgWriteFileError, {errno, std::generic_category()});
  return false;
}

// Says why a save failed; nothing for a saved file.
void ComplainAbout(const std::string& target, const TSaveResult& result) {
  switch (result.status) {
    case TSaveStatus::kSaved:
      break;
    case TSaveStatus::kExists:
      Complain(target, kMsgOutputExists);
      break;
    case TSaveStatus::kOpenError:
      Complain(target, kMsgOpenFileError, result.reason);
      break;
    case TSaveStatus::kWriteError:
      Complain(target, kMsgWriteFileError, result.reason);
      break;
  }
}

// The report of an input whose output may still wait in the batch.
struct TDone {
  TFileReport report;
  std::string target;
  bool waits = false;  // for TOutputBatch::Commit
};

class TRun {
 public:
  explicit TRun(const TOptions& options) : options_(options) {}

  void Convert(const std::string& input) {
    TDone done;
    done.report.file = std::string(InputName(input));
    try {
      ConvertOne(input, done);
    } catch (const std::bad_alloc&) {
      // One input too much for the memory must not cost the others.
      Complain(done.report.file, std::make_error_code(std::errc::not_enough_memory).message());
      done.report = TFileReport{done.report.file, false, {}};
      done.waits = false;
    }
    done_.push_back(std::move(done));
    // Reports wait for their outputs, in bounded numbers.
    if (batch_.Pending() == 0 || batch_.Pending() >= TOutputBatch::kMostPending ||
        done_.size() >= TOutputBatch::kMostPending) {
      Flush();
    }
  }

  int Finish() {
    Flush();
    if (options_.report == TReportFormat::kJson) PrintJsonReport(std::cout, json_reports_);
    if (!all_converted_) return kExitFailed;
    return options_.strict && unexpected_ ? kExitStrict : kExitConverted;
  }

 private:
  // Converts one input as far as its output waiting in the batch.
  // `converted` means written, or, for a dry run, that it could have been.
  void ConvertOne(const std::string& input, TDone& done) {
    TInputFile file;
    std::error_code reason;
    if (!file.Open(input, reason)) {
      Complain(done.report.file, kMsgOpenFileError, reason);
      return;
    }
    std::string converted;
    bool matched = false;
    if (options_.Explains()) {
      // The reporter looks back into the text, so it is held whole here.
      const std::string text{std::istreambuf_iterator<char>(file.Stream()), {}};
      TReporter reporter(text);
      matched = !file.Failed(reason) && ConvertIgn2005To2006(text, converted, &reporter);
      if (matched) done.report.changes = reporter.Changes();
    } else {
      // Without a report the reader runs as in the window, with no one to tell.
      matched = ConvertIgn2005To2006(file.Stream(), converted);
    }
    if (file.Failed(reason)) {
      done.report.changes.clear();
      Complain(done.report.file, kMsgOpenFileError, reason);
      return;
    }
    if (!matched) {
      Complain(done.report.file, kMsgUnmatchedIgnVersion);
      return;
    }
    if (options_.dry_run) {
      done.report.converted = true;
      return;
    }
    done.target = TargetOf(options_, input);
    if (done.target == kStandardStream) {
      done.report.converted = WriteStandardOutput(converted);
      return;
    }
    const TSaveResult added = batch_.Add(done.target, converted, options_.force);
    ComplainAbout(done.target, added);
    done.waits = added.status == TSaveStatus::kSaved;
  }

  // Puts the waiting outputs in place and tells what became of each input.
  void Flush() {
    std::vector<TSaveResult> results = batch_.Commit();
    auto result = results.begin();
    for (TDone& done : done_) {
      if (done.waits) {
        ComplainAbout(done.target, *result);
        done.report.converted = result->status == TSaveStatus::kSaved;
        ++result;
      }
      Tell(std::move(done.report));
    }
    done_.clear();
  }

  void Tell(TFileReport report) {
    all_converted_ = all_converted_ && report.converted;
    const std::size_t count = report.UnexpectedCount();
    unexpected_ = unexpected_ || count > 0;
    switch (options_.report) {
      case TReportFormat::kText:
        PrintTextReport(std::cout, report, !options_.dry_run);
        break;
      case TReportFormat::kJson:
        json_reports_.push_back(std::move(report));
        break;
      case TReportFormat::kNone:
        if (count > 0) {
          Complain(report.file,
                   std::to_string(count) + " values changed unexpectedly (see --report)");
        }
        break;
    }
  }

  const TOptions& options_;
  TOutputBatch batch_;
  std::deque<TDone> done_;
  std::vector<TFileReport> json_reports_;
  bool all_converted_ = true;
  bool unexpected_ = false;
};

}  // namespace

int RunBatch(const TOptions& options) {
  TRun run(options);
  for (const std::string& input : options.inputs) run.Convert(input);
  return run.Finish();
}

}  // namespace ign
