// What the window says after a conversion: one line, how many values changed
// unexpectedly and how many words were skipped, and the whole report of the
// last conversion behind it.
#pragma once

#include <string>
#include <vector>

#include "params/ParameterSet.h"
#include "report/Change.h"

namespace ign {

class TReporter;

class TStatusReport {
 public:
  // Keeps what `reporter` watched in the conversion of `input_name` that
  // wrote `written`.
  void Record(const std::string& input_name, const TReporter& reporter,
              const TParameterSet& written);
  // Forgets the last conversion: one that fails or is cancelled has nothing
  // to tell.
  void Clear();

  // The status line in the current language; empty when there is nothing to tell.
  std::string Line() const;
  // Whether the line tells of values changed unexpectedly, so that the
  // window shows it as a warning.
  bool Warns() const;
  // The report as the report window shows it: what ign-convert --report
  // prints for the file, in the current language, as UTF-8 where the file
  // name is; empty when there is nothing to tell.
  std::string ReportText() const;

 private:
  bool recorded_ = false;
  std::string input_name_;
  std::vector<TChange> changes_;
  TReasonCounts counts_;
};

}  // namespace ign
