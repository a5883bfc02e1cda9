#include "ui/core/StatusReport.h"

#include <sstream>

#include "report/Reporter.h"
#include "report/Terminal.h"
#include "report/TextReport.h"
#include "ui/core/Jazyk3.h"
#include "ui/core/Language.h"

namespace ign {
namespace {

class TCollected final : public TChangeSink {
 public:
  explicit TCollected(std::vector<TChange>& changes) : changes_(changes) {}
  void Add(const TChange& change) override { changes_.push_back(change); }

 private:
  std::vector<TChange>& changes_;
};

}  // namespace

void TStatusReport::Record(const std::string& input_name, const TReporter& reporter,
                           const TParameterSet& written) {
  changes_.clear();
  counts_ = {};
  TCollected collected(changes_);
  TTeeSink both(collected, counts_);
  reporter.Report(written, both);
  input_name_ = input_name;
  recorded_ = true;
}

void TStatusReport::Clear() {
  recorded_ = false;
  input_name_.clear();
  changes_.clear();
  changes_.shrink_to_fit();
  counts_ = {};
}

std::string TStatusReport::Line() const {
  if (!recorded_) return {};
  return StatusLine(counts_, LanguageIndex);
}

bool TStatusReport::Warns() const { return recorded_ && counts_.AnyUnexpected(); }

std::string TStatusReport::ReportText() const {
  if (!recorded_) return {};
  // Word for word what ign-convert --report prints for the file.
  const std::string shown = QuoteForTerminal(input_name_);
  std::ostringstream out;
  {
    TTextRows rows(out, shown + ":", LanguageIndex);
    for (const TChange& change : changes_) rows.Add(change);
  }
  out << TextSummary(shown, TOutcome::kConverted, counts_, LanguageIndex) << '\n';
  return out.str();
}

}  // namespace ign
