#include "ui/core/StatusReport.h"

#include <sstream>

#include "report/Reporter.h"
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
  TCollected collected(changes_);
  reporter.Report(written, collected);
  input_name_ = input_name;
  recorded_ = true;
}

void TStatusReport::Clear() {
  recorded_ = false;
  input_name_.clear();
  changes_.clear();
  changes_.shrink_to_fit();
}

std::size_t TStatusReport::Unexpected() const {
  TReasonCounts counts;
  for (const TChange& change : changes_) counts.Add(change);
  return counts.Unexpected();
}

std::string TStatusReport::Line() const {
  if (!recorded_) return {};
  return ReportTextsIn(LanguageIndex).StatusLine(Unexpected());
}

std::string TStatusReport::ReportText() const {
  if (!recorded_) return {};
  const TReportTexts texts = ReportTextsIn(LanguageIndex);
  std::ostringstream out;
  {
    TTextRows rows(out, input_name_ + ":", texts.reasons);
    for (const TChange& change : changes_) rows.Add(change);
  }
  return out.str() + texts.StatusLine(Unexpected()) + '\n';
}

}  // namespace ign
