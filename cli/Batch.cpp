#include "cli/Batch.h"

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/Messages.h"
#include "cli/Progress.h"
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

// Reports wait for their files' outputs; beyond this many bytes of them the
// outputs are put in place early, so that a batch of long reports stays
// within bounded memory.
constexpr std::size_t kMostReportHeld = std::size_t{16} << 20;

std::string_view InputName(const std::string& input) {
  return input == kStandardStream ? kStandardInputName : std::string_view(input);
}

std::string TargetOf(const TOptions& options, const std::string& input) {
  if (options.output) return *options.output;
  return Utf8FromPath(PathFromUtf8(*options.directory) / PathFromUtf8(input).filename());
}

// A report that stops arriving is told as soon as it is lost, while the
// system still says why; the close at the end would only know that it was.
void CheckStandardOutput() {
  if (std::cout.fail()) {
    Complain(kStandardOutputName,
             FailureText(kMsgWriteFileError, {errno, std::generic_category()}));
  }
  errno = 0;
}

bool WriteStandardOutput(std::string_view bytes, std::error_code& reason) {
#ifdef _WIN32
  // CR LF is already in the bytes; text mode would make it CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  errno = 0;
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout.fail()) return true;
  reason = {errno, std::generic_category()};
  return false;
}

// Why a save failed; empty for a saved file.
std::string SaveFailure(const TSaveResult& result) {
  switch (result.status) {
    case TSaveStatus::kSaved:
      break;
    case TSaveStatus::kExists:
      return std::string(kMsgOutputExists);
    case TSaveStatus::kOpenError:
      return FailureText(kMsgOpenFileError, result.reason);
    case TSaveStatus::kWriteError:
      return FailureText(kMsgWriteFileError, result.reason);
  }
  return {};
}

// A batch shows how far it is on a terminal, unless its report scrolls there.
bool ShowsProgress(const TOptions& options) {
  return options.inputs.size() > 1 && StandardStreamIsTerminal(2) &&
         (options.report == TReportFormat::kNone || !StandardStreamIsTerminal(1));
}

// One input, from its reading until what became of it is told.
struct TFile {
  std::string name;       // as messages show it ("<stdin>" for "-")
  std::string target;     // where its output goes, once known
  bool waits = false;     // its output waits in the batch for Commit
  std::string failed_at;  // the name that `error` is about: the input or the output
  std::string error;      // what went wrong, "Open file error! (...)"; empty while nothing
  TReasonCounts counts;   // of what the conversion changed
  std::string report;     // its rows, text or JSON, without the summary

  void Fail(std::string_view at, std::string text) {
    failed_at = std::string(at);
    error = std::move(text);
  }
};

class TBatch {
 public:
  // Several outputs wait under names of their own, which costs the file
  // system less than as many unnamed files on its orphan list; the signal
  // handlers remove them. One output is never seen before it is whole.
  explicit TBatch(const TOptions& options)
      : options_(options),
        outputs_(options.inputs.size() > 1 ? TTemporaryKind::kNamed : TTemporaryKind::kUnnamed),
        progress_(std::cerr, options.inputs.size(), ShowsProgress(options),
                  TProgress::TClock::now()) {
    if (options_.report == TReportFormat::kJson) json_.emplace(std::cout);
  }

  // Reads, converts and describes input number `number`, and hands its
  // output to the batch; what became of it is told once the output is in
  // place.
  void Convert(std::size_t number) {
    const std::string& input = options_.inputs[number];
    TFile file;
    file.name = std::string(InputName(input));
    try {
      std::string converted;
      if (Read(number, file, converted) && !options_.dry_run) Write(input, converted, file);
    } catch (const std::bad_alloc&) {
      // One input too much for the memory must not cost the others.
      file = TFile{};
      file.name = std::string(InputName(input));
      file.Fail(file.name, std::make_error_code(std::errc::not_enough_memory).message());
    }
    held_ += file.report.size();
    files_.push_back(std::move(file));
    if (MustSettle()) Settle();
    progress_.Step(number + 1, TProgress::TClock::now());
  }

  int Finish() {
    Settle();
    progress_.Clear();
    json_.reset();  // closes the document
    CheckStandardOutput();
    if (options_.inputs.size() > 1) TellSummary();
    if (failed_ > 0) return kExitFailed;
    return options_.strict && (with_unexpected_ > 0 || not_checked_ > 0) ? kExitStrict
                                                                         : kExitConverted;
  }

 private:
  // Reads the input and converts it into `converted`, counting and, for a
  // report, describing what the conversion changed. False when it failed.
  bool Read(std::size_t number, TFile& file, std::string& converted) {
    const std::string& input = options_.inputs[number];
    TInputFile in;
    std::error_code reason;
    const auto cannot_open = [&] {
      const bool word = std::find(options_.report_words.begin(), options_.report_words.end(),
                                  number) != options_.report_words.end();
      file.Fail(file.name,
                FailureText(kMsgOpenFileError, reason,
                            word ? "--report=" + input + std::string(kHintReportWord) : ""));
      return false;
    };
    if (!in.Open(input, reason)) return cannot_open();
    TReporter reporter;
    TParameterSet written;
    const bool matched = ConvertFresh(in.Stream(), converted, &reporter, &written);
    if (in.Failed(reason)) return cannot_open();
    if (!matched) {
      // The one cause that the file's look does not tell: an editor's mark
      // glued to the first key.
      const bool marked = in.Head().substr(0, 3) == kUtf8ByteOrderMark;
      file.Fail(file.name,
                FailureText(kMsgUnmatchedIgnVersion, {}, marked ? kHintByteOrderMark : ""));
      return false;
    }
    Describe(reporter, written, file);
    return true;
  }

  // Counts the changes, and writes the file's rows when a report is asked for.
  void Describe(const TReporter& reporter, const TParameterSet& written, TFile& file) const {
    if (options_.report == TReportFormat::kNone) {
      reporter.Report(written, file.counts);
      return;
    }
    std::ostringstream out;
    const auto rows_to = [&](TChangeSink& rows) {
      TUnexpectedOnly unexpected(rows);
      TTeeSink both(file.counts, options_.unexpected_only ? unexpected : rows);
      reporter.Report(written, both);
    };
    if (options_.report == TReportFormat::kText) {
      TTextRows rows(out, QuoteForTerminal(file.name) + ":");
      rows_to(rows);
    } else {
      TJsonChanges changes(out);
      rows_to(changes);
    }
    file.report = std::move(out).str();
  }

  // Writes the converted file to standard output, or hands it to the batch.
  void Write(const std::string& input, std::string_view converted, TFile& file) {
    file.target = TargetOf(options_, input);
    if (file.target == kStandardStream) {
      std::error_code reason;
      if (!WriteStandardOutput(converted, reason)) {
        file.Fail(kStandardOutputName, FailureText(kMsgWriteFileError, reason));
      }
      return;
    }
    const TSaveResult added = outputs_.Add(file.target, converted, options_.force);
    file.waits = added.status == TSaveStatus::kSaved;
    if (!file.waits) file.Fail(file.target, SaveFailure(added));
  }

  // Files are told once their outputs are in place. Those wait to be made
  // durable together, as long as the batch holds descriptors and reports
  // within bounds; with nothing waiting there is nothing to wait for.
  bool MustSettle() const {
    return outputs_.Pending() == 0 || outputs_.Full() ||
           files_.size() >= TOutputBatch::kMostPending || held_ >= kMostReportHeld;
  }

  // Puts the waiting outputs in place and tells what became of each file.
  void Settle() {
    const std::vector<TSaveResult> results = outputs_.Commit();
    auto result = results.begin();
    for (TFile& file : files_) {
      if (file.waits && result->status != TSaveStatus::kSaved) {
        file.Fail(file.target, SaveFailure(*result));
      }
      if (file.waits) ++result;
    }
    errno = 0;
    for (const TFile& file : files_) {
      TellFile(file);
      CheckStandardOutput();
    }
    files_.clear();
    held_ = 0;
  }

  // Its message on standard error, its report on standard output.
  void TellFile(const TFile& file) {
    const bool converted = file.error.empty();
    const bool unexpected = converted && file.counts.AnyUnexpected();
    failed_ += converted ? 0 : 1;
    with_unexpected_ += unexpected && file.counts.Checked() ? 1 : 0;
    not_checked_ += converted && !file.counts.Checked() ? 1 : 0;

    if (!converted) {
      progress_.Clear();
      Complain(file.failed_at, file.error);
    } else if (unexpected && options_.report == TReportFormat::kNone) {
      progress_.Clear();
      Complain(file.name, UnexpectedText(file.counts, kEnglish) + " " + std::string(kSeeReport));
    }
    // A file that was not converted has nothing to show but that.
    if (options_.unexpected_only && converted && !unexpected) return;
    const std::string_view rows = converted ? std::string_view(file.report) : std::string_view();
    switch (options_.report) {
      case TReportFormat::kNone:
        break;
      case TReportFormat::kText: {
        const TOutcome outcome = !converted         ? TOutcome::kNotConverted
                                 : options_.dry_run ? TOutcome::kDryRun
                                                    : TOutcome::kConverted;
        std::cout << rows << TextSummary(QuoteForTerminal(file.name), outcome, file.counts) << '\n';
        break;
      }
      case TReportFormat::kJson:
        json_->File({file.name, converted, file.error, converted ? &file.counts : nullptr, rows});
        break;
    }
  }

  // One line at the end of a batch that did not go smoothly.
  void TellSummary() const {
    if (failed_ == 0 && with_unexpected_ == 0 && not_checked_ == 0) return;
    std::string line = std::to_string(options_.inputs.size()) + " files:";
    const char* separator = " ";
    const auto part = [&](std::size_t count, std::string_view what) {
      if (count == 0) return;
      line += separator + std::to_string(count) + " " + std::string(what);
      separator = ", ";
    };
    part(failed_, "failed");
    part(with_unexpected_, "with unexpected changes");
    part(not_checked_, "not checked");
    Tell(line);
  }

  const TOptions& options_;
  TOutputBatch outputs_;
  TProgress progress_;
  std::vector<TFile> files_;  // converted, not yet told
  std::size_t held_ = 0;      // bytes of their reports
  std::optional<TJsonReport> json_;
  std::size_t failed_ = 0, with_unexpected_ = 0, not_checked_ = 0;
};

}  // namespace

int RunBatch(const TOptions& options) {
  if (options.directory && !options.dry_run) {
    // Once, rather than a failure for every input.
    std::error_code reason;
    if (!MakeFolder(*options.directory, reason)) {
      Complain(*options.directory, FailureText(kMsgCreateFolderError, reason));
      return kExitFailed;
    }
  }
  TBatch batch(options);
  for (std::size_t number = 0; number < options.inputs.size(); ++number) batch.Convert(number);
  return batch.Finish();
}

}  // namespace ign
