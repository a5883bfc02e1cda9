#include "cli/Batch.h"

#include <cerrno>
#include <deque>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/Messages.h"
#include "files/Input.h"
#include "files/Output.h"
#include "files/Utf8Path.h"
#include "params/Convert.h"
#include "report/Change.h"
#include "report/JsonReport.h"
#include "report/Reporter.h"
#include "report/Terminal.h"
#include "report/TextReport.h"

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
  return Utf8FromPath(PathFromUtf8(*options.directory) / PathFromUtf8(input).filename());
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

// What the reader found in one input, kept for a report until the output
// is in place.
struct TFindings {
  TReporter reporter;
  TParameterSet written;
};

// One input whose output may still wait in the batch. `converted` means
// written, or, for a dry run, that it could have been.
struct TDone {
  std::string file;
  std::string target;
  bool waits = false;  // for TOutputBatch::Commit
  bool converted = false;
  std::size_t unexpected = 0;           // changes beyond the expected ones
  std::unique_ptr<TFindings> findings;  // with --report, of a matched input
};

class TRun {
 public:
  // Several outputs wait under names of their own, which costs the file
  // system less than as many unnamed files on its orphan list; the signal
  // handlers remove them. One output is never seen before it is whole.
  explicit TRun(const TOptions& options)
      : options_(options),
        batch_(options.inputs.size() > 1 ? TTemporaryKind::kNamed : TTemporaryKind::kUnnamed) {
    // Each file is reported once its output is in place, so nothing of it is kept.
    if (options_.report == TReportFormat::kJson) json_.emplace(std::cout);
  }

  void Convert(const std::string& input) {
    TDone done;
    done.file = std::string(InputName(input));
    try {
      ConvertOne(input, done);
    } catch (const std::bad_alloc&) {
      // One input too much for the memory must not cost the others.
      Complain(done.file, std::make_error_code(std::errc::not_enough_memory).message());
      done.waits = done.converted = false;
      done.unexpected = 0;
      done.findings.reset();
    }
    done_.push_back(std::move(done));
    // Reports wait for their outputs, in bounded numbers.
    if (batch_.Pending() == 0 || batch_.Full() || done_.size() >= TOutputBatch::kMostPending) {
      Flush();
    }
  }

  int Finish() {
    Flush();
    json_.reset();  // closes the document
    if (!all_converted_) return kExitFailed;
    return options_.strict && unexpected_ ? kExitStrict : kExitConverted;
  }

 private:
  // Converts one input as far as its output waiting in the batch.
  void ConvertOne(const std::string& input, TDone& done) {
    TInputFile file;
    std::error_code reason;
    if (!file.Open(input, reason)) {
      Complain(done.file, kMsgOpenFileError, reason);
      return;
    }
    std::string converted;
    auto findings = std::make_unique<TFindings>();
    const bool matched =
        ConvertFresh(file.Stream(), converted, &findings->reporter, &findings->written);
    if (file.Failed(reason)) {
      Complain(done.file, kMsgOpenFileError, reason);
      return;
    }
    if (!matched) {
      // The one cause that the file's look does not tell: an editor's mark
      // glued to the first key.
      Complain(done.file, file.Head().substr(0, 3) == kUtf8ByteOrderMark
                              ? std::string(kMsgUnmatchedIgnVersion) + " (" +
                                    std::string(kHintByteOrderMark) + ")"
                              : std::string(kMsgUnmatchedIgnVersion));
      return;
    }
    if (options_.report == TReportFormat::kNone) {
      // Only the count is told, so nothing of the findings waits.
      TReasonCounts counts;
      findings->reporter.Report(findings->written, counts);
      done.unexpected = counts.Unexpected();
    } else {
      done.findings = std::move(findings);
    }
    if (options_.dry_run) {
      done.converted = true;
      return;
    }
    done.target = TargetOf(options_, input);
    if (done.target == kStandardStream) {
      done.converted = WriteStandardOutput(converted);
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
        done.converted = result->status == TSaveStatus::kSaved;
        ++result;
      }
      Tell(done);
    }
    done_.clear();
  }

  void Tell(const TDone& done) {
    all_converted_ = all_converted_ && done.converted;
    const std::string shown = QuoteForTerminal(done.file);
    TReasonCounts counts;
    switch (options_.report) {
      case TReportFormat::kText: {
        TTextRows rows(std::cout, shown + ":");
        if (done.findings) done.findings->reporter.Report(done.findings->written, rows);
        rows.Flush();
        counts = rows.Counts();
        std::cout << TextSummary(shown, done.converted, !options_.dry_run, counts) << '\n';
        break;
      }
      case TReportFormat::kJson:
        json_->BeginFile(done.file, done.converted);
        if (done.findings) {
          TTeeSink both(*json_, counts);
          done.findings->reporter.Report(done.findings->written, both);
        }
        json_->EndFile();
        break;
      case TReportFormat::kNone:
        if (done.unexpected > 0) {
          Complain(done.file, std::to_string(done.unexpected) +
                                  (done.unexpected == 1 ? " value" : " values") +
                                  " changed unexpectedly (see --report)");
        }
        break;
    }
    unexpected_ = unexpected_ || counts.Unexpected() > 0 || done.unexpected > 0;
  }

  const TOptions& options_;
  TOutputBatch batch_;
  std::deque<TDone> done_;
  std::optional<TJsonReport> json_;
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
